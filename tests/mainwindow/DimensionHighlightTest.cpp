// The dimension highlight over its life: views, lines worked out by hand for the nominal
// gear, blinking, the end after 1000 ticks or a press, and the editor asked back.
#include "mainwindow/DimensionHighlight.h"

#include <gtest/gtest.h>

#include "graphics/RecordingCanvas.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"

namespace lm {
namespace {

struct Highlighted : ::testing::Test {
    Model m;
    MainWindowState s;
    void SetUp() override {
        StartUp(m);
        m.Gear.StepAngle = 0;  // standing at 0 degrees: crank pin forward on the centre line
    }
    // One tick of the main window: the tick maps the pivots, then the highlight step.
    HighlightPicture Tick() {
        AnimationTick(m, s);
        return StepDimensionHighlight(m, s);
    }
    static std::vector<ScreenPoint> Points(const HighlightPicture& p, std::size_t stroke = 0) {
        return stroke < p.Strokes.size() ? p.Strokes[stroke].Points : std::vector<ScreenPoint>{};
    }
};

using Pts = std::vector<ScreenPoint>;

TEST_F(Highlighted, LivesAThousandTicksBlinkingThenRestoresTheViewAndAsksForItsEditor) {
    const ViewState before = m.View;
    m.Highlight.Dim = 5;
    std::string colours;
    for (int tick = 1; tick <= 1000; ++tick) {
        const HighlightPicture p = Tick();
        ASSERT_TRUE(p.Shown);
        if (tick <= 9) colours += p.Strokes.at(0).Colour == colours::Red ? 'R' : 'B';
    }
    EXPECT_EQ(colours, "RRRBBBRRR");
    EXPECT_EQ(m.Highlight.Dim, 5);
    EXPECT_EQ(m.Highlight.CloseRequest, EditorId::Frame);
    EXPECT_EQ(m.Highlight.ReopenRequest, EditorId::None);
    EXPECT_FLOAT_EQ(m.View.ViewScale, 62);
    EXPECT_TRUE(s.HighlightActive);

    EXPECT_TRUE(Tick().Shown);  // the 1001st tick still draws, then ends
    EXPECT_EQ(m.Highlight.Dim, 0);
    EXPECT_EQ(m.Highlight.Ticks, 0);
    EXPECT_EQ(m.Highlight.BlinkPhase, 0);
    EXPECT_EQ(m.Highlight.ReopenRequest, EditorId::Frame);
    EXPECT_EQ(m.View.ViewScale, before.ViewScale);
    EXPECT_EQ(m.View.ViewOriginX, before.ViewOriginX);
    EXPECT_EQ(m.View.ViewOriginY, before.ViewOriginY);
    EXPECT_FALSE(s.HighlightActive);
    EXPECT_FALSE(Tick().Shown);
}

TEST_F(Highlighted, AMousePressEndsItAtTheNextTick) {
    m.View.ViewOriginX = 150;
    m.Highlight.Dim = 106;
    for (int tick = 0; tick < 10; ++tick) Tick();
    EXPECT_FLOAT_EQ(m.View.ViewOriginX, -400);
    EndDimensionHighlightByMousePress(m);
    EXPECT_EQ(m.Highlight.Dim, 106);  // nothing changes before the tick
    Tick();
    EXPECT_EQ(m.Highlight.Dim, 0);
    EXPECT_EQ(m.Highlight.ReopenRequest, EditorId::Cylinder);
    EXPECT_FLOAT_EQ(m.View.ViewOriginX, 150);
    EXPECT_FLOAT_EQ(m.View.ViewScale, 28.5f);

    // A press before the first highlighted tick: nothing to restore, it just does not start.
    m.Highlight = {};
    m.Highlight.Dim = 12;
    EndDimensionHighlightByMousePress(m);
    EXPECT_EQ(m.Highlight.Dim, 0);
    EXPECT_EQ(m.Highlight.ReopenRequest, EditorId::Frame);
    EXPECT_FLOAT_EQ(m.View.ViewOriginX, 150);
}

TEST_F(Highlighted, ZoomFifteenHalvesEveryScaleAndOnlyThreeAnd101KeepTheirOrigin) {
    for (int dim = 1; dim <= 117; ++dim) {
        if (dim > 27 && dim < 101) continue;
        Model normal = m;
        normal.View.ViewOriginX = 123;
        normal.View.ViewOriginY = 234;
        normal.Highlight.Dim = dim;
        Model halved = normal;
        halved.Diagram.GraphicZoom = 15;
        StepDimensionHighlight(normal, s);
        StepDimensionHighlight(halved, s);
        EXPECT_FLOAT_EQ(halved.View.ViewScale * 2, normal.View.ViewScale) << dim;
        EXPECT_EQ(halved.View.ViewOriginX, normal.View.ViewOriginX) << dim;
        const bool keepsOrigin = normal.View.ViewOriginX == 123 && normal.View.ViewOriginY == 234;
        EXPECT_EQ(keepsOrigin, dim == 3 || dim == 101) << dim;
    }
    m.Highlight.Dim = 117;
    StepDimensionHighlight(m, s);
    EXPECT_FLOAT_EQ(m.View.ViewScale, 55);
}

TEST_F(Highlighted, LinesOfTheNominalGearWorkedOutByHand) {
    // Driver diameter 7 at 30 px per unit about (290, 212): P1 is where the view puts it
    // from the second tick on.
    m.Highlight.Dim = 1;
    Tick();
    EXPECT_EQ(Points(Tick()), (Pts{{290, 317}, {290, 107}}));

    // Stroke: crank pin 1.5 forward of the axle, to the point opposite.
    m.Highlight = {};
    m.Highlight.Dim = 2;
    Tick();
    EXPECT_EQ(Points(Tick()), (Pts{{335, 212}, {245, 212}}));

    // Main rod in the normal view (28.5, origin 110, 270): crank pin at 1.5, crosshead at
    // 11.5 on the centre line.
    m.Highlight = {};
    m.View = {};
    m.Views = {};
    StartUp(m);
    m.Gear.StepAngle = 0;
    m.Highlight.Dim = 3;
    EXPECT_EQ(Points(Tick()), (Pts{{153, 270}, {438, 270}}));

    // Cylinder centre 16 ahead of the axle, at the same scale, from the first tick.
    m.Highlight = {};
    m.Highlight.Dim = 101;
    EXPECT_EQ(Points(Tick()), (Pts{{110, 270}, {566, 270}}));
}

TEST_F(Highlighted, LinkPinMidpointTruncatesHalvesTowardsZero) {
    m.Highlight.Dim = 12;
    m.P(10).SX = 101;
    m.P(10).SY = 50;
    m.P(11).SX = 110;
    m.P(11).SY = 61;
    EXPECT_EQ(Points(StepDimensionHighlight(m, s)), (Pts{{101, 50}, {105, 55}}));
}

TEST_F(Highlighted, CentringTravelSwapsThePenForItsSecondHalf) {
    m.Highlight.Dim = 26;
    const HighlightPicture red = Tick();
    ASSERT_EQ(red.Strokes.size(), 2u);
    EXPECT_EQ(red.Strokes[0].Colour, colours::Red);
    EXPECT_EQ(red.Strokes[1].Colour, colours::Black);
    EXPECT_EQ(red.Strokes[0].Points.back(), red.Strokes[1].Points.front());
    // 1.04 each side of mid gear at 28 px per unit.
    EXPECT_NEAR(red.Strokes[1].Points.back().x - red.Strokes[0].Points.front().x, 58, 1);
    EXPECT_EQ(red.Strokes[0].Points.front().y, m.P(18).SY + 5);
    for (int tick = 0; tick < 3; ++tick) Tick();
    const HighlightPicture black = Tick();  // fifth tick: black, so the swap gives red
    EXPECT_EQ(black.Strokes[0].Colour, colours::Black);
    EXPECT_EQ(black.Strokes[1].Colour, colours::Red);
}

TEST_F(Highlighted, DrawsTheHourglassThenTheThickLineAndTheLabelWhichMovesWithTheLargeFont) {
    m.Display.TextScaleX = 1.27f;
    m.Display.TextScaleY = 1.22f;
    m.Highlight.Dim = 9;
    AnimationTick(m, s);
    RecordingCanvas canvas;
    DrawHighlightPicture(StepDimensionHighlight(m, s), canvas);
    const std::vector<RecordedOp> marks = canvas.Marks();
    ASSERT_GE(marks.size(), 9u);
    EXPECT_EQ(marks[0].points.front(), (ScreenPoint{20, 100}));
    EXPECT_EQ(marks[0].penWidth, 2);
    EXPECT_EQ(marks[0].pen, colours::Black);
    const std::vector<Segment> red = canvas.SegmentsIn(colours::Red);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].penWidth, 3);
    EXPECT_EQ(red[0].from, (ScreenPoint{m.P(13).SX, m.P(13).SY}));
    const RecordedOp& label = marks.back();
    EXPECT_EQ(label.kind, CanvasOp::TextOut);
    EXPECT_EQ(label.text, "Eccemtric Reverse Rod");
    EXPECT_EQ(label.points.front(), (ScreenPoint{38, 92}));
    EXPECT_EQ(label.font, colours::Black);
}

TEST_F(Highlighted, AnUnknownNumberEndsAtOnceWithoutTouchingTheView) {
    const ViewState before = m.View;
    m.Highlight.Dim = 50;
    EXPECT_FALSE(Tick().Shown);
    EXPECT_EQ(m.Highlight.Dim, 0);
    EXPECT_EQ(m.View.ViewScale, before.ViewScale);
}

}  // namespace
}  // namespace lm
