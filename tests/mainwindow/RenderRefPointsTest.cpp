// The reference points' crosses and measures, their colour, the large font, when shown.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/RecordingCanvas.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "overlay/OverlayPen.h"

namespace lm {
namespace {

class RenderRefPoints : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(m);
        m.Gear.StepAngle = 0;
        m.P(RefPoint1).X = 1.5f;
        m.P(RefPoint1).Y = -0.25f;
        m.P(RefPoint2).X = 0.5f;
        m.P(RefPoint2).Y = 0.5f;
        m.Display.RefPointsOn = true;
    }

    RecordingCanvas Render() {
        AnimationTick(m, s);
        RecordingCanvas canvas;
        RenderMainWindow(m, s, canvas);
        return canvas;
    }

    // The texts after the readout block, which is drawn first and has 13 lines.
    static std::vector<RecordedOp> RefTexts(const RecordingCanvas& canvas) {
        auto texts = canvas.OfKind(CanvasOp::TextOut);
        texts.erase(texts.begin(), texts.begin() + std::min<std::size_t>(13, texts.size()));
        return texts;
    }
    static std::vector<std::string> Words(const std::vector<RecordedOp>& ops) {
        std::vector<std::string> out;
        for (const auto& op : ops) out.push_back(op.text);
        return out;
    }

    Model m;
    MainWindowState s;
};

TEST_F(RenderRefPoints, CrossesLabelsAndMeasuresInOrder) {
    const RecordingCanvas canvas = Render();
    const std::vector<std::string> texts = {
        "Pt2V  0.500", "Pt2H  0.500", "2", "Pt1V -0.250", "Pt1H  1.500", "1",
        "-0.750",      " 1.000",      "Pt1-Pt2", " 1.250",
    };
    EXPECT_EQ(Words(RefTexts(canvas)), texts);

    // Point 2 at 0.5, 0.5 -> (124.25, 255.75) -> (124, 256); point 1 -> (152.75, 277.125).
    const auto segments = canvas.Segments();
    ASSERT_GE(segments.size(), 4u);
    const std::vector<Segment> crosses(segments.end() - 4, segments.end());
    const std::vector<Segment> want = {
        {{124, 246}, {124, 266}, colours::Black, 1},
        {{114, 256}, {134, 256}, colours::Black, 1},
        {{153, 267}, {153, 287}, colours::Black, 1},
        {{143, 277}, {163, 277}, colours::Black, 1},
    };
    EXPECT_EQ(crosses, want);

    const auto placed = RefTexts(canvas);
    EXPECT_EQ(placed[0].points[0], (ScreenPoint{143, 95}));
    EXPECT_EQ(placed[2].points[0], (ScreenPoint{127, 239}));  // label beside its cross
    EXPECT_EQ(placed[9].points[0], (ScreenPoint{209, 107}));
}

TEST_F(RenderRefPoints, CrossesTakeTheLastOverlayEntrysColour) {
    m.Lines.Entries[20].Color = 255;
    const RecordingCanvas canvas = Render();
    const auto segments = canvas.Segments();
    EXPECT_EQ(segments.back().pen, colours::Red);
}

TEST_F(RenderRefPoints, LargeFontScalesTheTextPositionsButNotTheLabels) {
    m.Display.TextScaleX = 1.27f;
    m.Display.TextScaleY = 1.22f;
    const auto placed = RefTexts(Render());
    EXPECT_EQ(placed[0].points[0], (ScreenPoint{182, 116}));  // 181.61, 115.9
    EXPECT_EQ(placed[2].points[0], (ScreenPoint{127, 239}));
}

TEST_F(RenderRefPoints, OnlyWithScreenDataAndReferencePointsOn) {
    m.Display.ScreenDataOn = false;
    EXPECT_TRUE(Render().Texts().empty());
    m.Display.ScreenDataOn = true;
    m.Display.RefPointsOn = false;
    EXPECT_TRUE(RefTexts(Render()).empty());
}

TEST(RenderOverlayPen, ColourWordsOfTheOverlay) {
    EXPECT_EQ(OverlayPenColour(0), colours::Black);
    EXPECT_EQ(OverlayPenColour(255), colours::Red);
    EXPECT_EQ(OverlayPenColour(32768), (Rgb{0, 128, 0}));
    EXPECT_EQ(OverlayPenColour(65535), (Rgb{255, 255, 0}));
    EXPECT_EQ(OverlayPenColour(16711680), colours::Blue);
    EXPECT_EQ(OverlayPenColour(8421504), colours::Grey);
    EXPECT_EQ(OverlayPenColour(-1), colours::Black);
    EXPECT_EQ(OverlayPenColour(std::numeric_limits<float>::quiet_NaN()), colours::Black);
}

}  // namespace
}  // namespace lm
