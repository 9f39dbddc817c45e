// The pivot display drawn on the main window: rows, pair distances and tags.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/RecordingCanvas.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/PivotDisplay.h"

namespace lm {
namespace {

class PivotDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(m);
        m.Gear.StepAngle = 0;
        m.Display.PivotDataOn = true;
        Track(1, CrankPin);
        Track(2, Crosshead);
        AnimationTick(m, s);
    }
    void Track(int row, float pivot) {
        m.Tracking.Rows[static_cast<std::size_t>(row)] = {pivot, true};
    }
    RecordingCanvas Draw() {
        RecordingCanvas c;
        DrawPivotDisplay(m, s, c);
        return c;
    }
    static const RecordedOp* Find(const std::vector<RecordedOp>& ops, const std::string& text) {
        for (const auto& op : ops)
            if (op.text == text) return &op;
        return nullptr;
    }

    Model m;
    MainWindowState s;
};

TEST_F(PivotDisplay, RowsDistanceAndTagsAtDeadCentre) {
    const auto texts = Draw().OfKind(CanvasOp::TextOut);
    // At 0 degrees the crank pin is one crank radius ahead of the axle and the
    // crosshead a main rod further: 1.5 and 11.5 on the centre line, 10 apart.
    const RecordedOp* pinX = Find(texts, "  1.500");
    ASSERT_NE(pinX, nullptr);
    EXPECT_EQ(pinX->points[0], (ScreenPoint{50, 150}));
    ASSERT_NE(Find(texts, " 11.500"), nullptr);
    const RecordedOp* distance = Find(texts, " 10.000");
    ASSERT_NE(distance, nullptr);
    EXPECT_EQ(distance->points[0], (ScreenPoint{90, 155}));

    // Row numbers in red at the left; tag 1 beside the crank pin: 1.5 x 28.5 + 110 + 4.
    int tags = 0;
    for (const auto& op : texts)
        if (op.text == "1" && op.font == colours::Red) {
            ++tags;
            if (op.points[0].x != 3) {
                EXPECT_EQ(op.points[0], (ScreenPoint{157, 258}));
            }
        }
    EXPECT_EQ(tags, 2);
}

TEST_F(PivotDisplay, UnsetOrForeignRowsShowNothingAndHaveNoDistance) {
    Track(3, 99);  // names no slot: shown as nothing rather than read past the table
    m.Tracking.Rows[4] = {Crosshead, false};
    const auto texts = Draw().OfKind(CanvasOp::TextOut);
    // Headings, six row numbers, two tags, two rows of two numbers, one distance.
    EXPECT_EQ(texts.size(), 2u + 6u + 2u + 4u + 1u);
}

TEST_F(PivotDisplay, LargeFontMovesTheRowsButNotTheHeadingsLeftEdge) {
    m.Display.TextScaleX = 1.27f;
    m.Display.TextScaleY = 1.22f;
    const auto texts = Draw().OfKind(CanvasOp::TextOut);
    EXPECT_EQ(texts[0].points[0], (ScreenPoint{1, 156}));  // 128 x 1.22
    // 50 x 1.27f is a hair under 63.5.
    EXPECT_EQ(Find(texts, "  1.500")->points[0], (ScreenPoint{63, 183}));
}

}  // namespace
}  // namespace lm
