// The main window's press: the nearest-pivot search, the two-press pivot choice, the
// row-number hit boxes, the hand-over to the overlay window and the end of a highlight.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/DimensionHighlight.h"
#include "mainwindow/PressHandler.h"
#include "view/ViewMapping.h"
#include "model/PivotNumbers.h"

namespace lm {
namespace {

TEST(NearestPivot, TiesGoLowAndTheReferencePointsAndHighSlotsAreNeverChosen) {
    Model m;
    for (Pivot& p : m.Pivots) p.X = p.Y = 50000;
    m.P(2) = {1, 0, 0, 0};
    m.P(3) = {3, 0, 0, 0};
    EXPECT_EQ(NearestPivot(m, PivotSearch::Display, 2, 0, -7), 2);  // exactly halfway

    // A pivot sitting on the point is still passed over when it may not be chosen.
    for (int slot : {0, 19, 20, 24, 26}) {
        m.P(slot).X = 2;
        m.P(slot).Y = 0;
    }
    EXPECT_EQ(NearestPivot(m, PivotSearch::Display, 2, 0, -7), 2);
    EXPECT_EQ(NearestPivot(m, PivotSearch::Overlay, 2, 0, -7), 24);

    // Nothing within 10000 (city-block), or no point at all: the previous answer.
    EXPECT_EQ(NearestPivot(m, PivotSearch::Display, 9000, 9000, 11), 11);
    EXPECT_EQ(NearestPivot(m, PivotSearch::Display, std::nanf(""), 0, 11), 11);
}

TEST(PivotSlotOfStoredNumber, OnlyNumbersNamingATableSlot) {
    EXPECT_EQ(PivotSlot(2.4f), 2);
    EXPECT_EQ(PivotSlot(0), 0);
    EXPECT_EQ(PivotSlot(26.4f), 26);
    EXPECT_FALSE(PivotSlot(26.6f));
    EXPECT_FALSE(PivotSlot(-1));
    EXPECT_FALSE(PivotSlot(1e30f));
    EXPECT_FALSE(PivotSlot(std::nanf("")));
}

class Press : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(m);
        m.Gear.StepAngle = 0;
        AnimationTick(m, s);
    }
    void Click(MouseButton b, ScreenPoint at) {
        HandleMainWindowPress(m, s, b, at, [this] { ++opened; });
    }
    ScreenPoint At(int pivot) const { return {m.P(pivot).SX, m.P(pivot).SY}; }

    Model m;
    MainWindowState s;
    int opened = 0;
};

TEST_F(Press, TwoLeftPressesChooseAPivotForARow) {
    SetPivotDataClick(m);
    ASSERT_TRUE(m.Display.RefPointsOn);  // switched on with the display

    Click(MouseButton::Left, {10, 175});  // row 3's number
    EXPECT_TRUE(m.Tracking.TrackPending);
    EXPECT_EQ(m.Tracking.TrackRow, 3);
    EXPECT_TRUE(m.Tracking.Rows[3].Set);

    Click(MouseButton::Right, At(Crosshead));  // only a left press picks
    EXPECT_TRUE(m.Tracking.TrackPending);

    const ScreenPoint pin = At(CrankPin);
    Click(MouseButton::Left, {pin.x + 2, pin.y - 1});
    EXPECT_FALSE(m.Tracking.TrackPending);
    EXPECT_EQ(m.Tracking.Rows[3].Pivot, CrankPin);
    // The pick also moved reference point 1 onto the press.
    EXPECT_NEAR(m.P(RefPoint1).X, (pin.x + 2 - 110) / 28.5, 1e-5);
    EXPECT_NEAR(m.P(RefPoint1).Y, (270 - (pin.y - 1)) / 28.5, 1e-5);
    EXPECT_EQ(m.Tracking.ClickX, pin.x + 2);
}

TEST_F(Press, APressOnARowNumberWhilePendingPicksThenRearms) {
    SetPivotDataClick(m);
    Click(MouseButton::Left, {10, 155});
    Click(MouseButton::Left, {10, 195});  // row 5's number
    // Taken first as the pivot press for row 1: nearest pivot to the row number's point.
    ModelPoint p;
    ASSERT_TRUE(ToModel(m.View, {10, 195}, p));
    const int expected = NearestPivot(m, PivotSearch::Display, static_cast<float>(p.x),
                                      static_cast<float>(p.y), -1);
    EXPECT_GT(expected, 0);
    EXPECT_EQ(m.Tracking.Rows[1].Pivot, expected);
    EXPECT_TRUE(m.Tracking.TrackPending);
    EXPECT_EQ(m.Tracking.TrackRow, 5);
}

TEST_F(Press, RowsAreChosenOnlyWithTheDisplayAndReferencePointsOn) {
    Click(MouseButton::Left, {10, 155});
    EXPECT_FALSE(m.Tracking.TrackPending);  // display off
    SetPivotDataClick(m);
    RefPointsClick(m.Display);  // off again, and the display with them
    EXPECT_FALSE(m.Display.PivotDataOn);
    Click(MouseButton::Left, {10, 155});
    EXPECT_FALSE(m.Tracking.TrackPending);
}

TEST(TrackRowHitBoxes, EdgesInBothFontSettings) {
    Model m;
    m.Display.TextScaleX = m.Display.TextScaleY = 1;
    EXPECT_EQ(TrackRowAt(m, {1, 152}), 0);
    EXPECT_EQ(TrackRowAt(m, {1, 153}), 1);
    EXPECT_EQ(TrackRowAt(m, {19, 160}), 1);
    EXPECT_EQ(TrackRowAt(m, {19, 161}), 0);
    EXPECT_EQ(TrackRowAt(m, {5, 210}), 6);
    EXPECT_EQ(TrackRowAt(m, {0, 155}), 0);
    EXPECT_EQ(TrackRowAt(m, {20, 155}), 0);

    // Large font: 152 x 1.22 rounds to 185, 161 x 1.22 to 196, 20 x 1.27 to 25.
    m.Display.TextScaleX = 1.27f;
    m.Display.TextScaleY = 1.22f;
    EXPECT_EQ(TrackRowAt(m, {1, 185}), 0);
    EXPECT_EQ(TrackRowAt(m, {24, 186}), 1);
    EXPECT_EQ(TrackRowAt(m, {24, 195}), 1);
    EXPECT_EQ(TrackRowAt(m, {25, 190}), 0);
    EXPECT_EQ(TrackRowAt(m, {1, 196}), 0);
}

TEST_F(Press, HandsPicksBackToTheOverlayWindow) {
    m.LinesWindow.TypeChoice = 0;
    m.LinesWindow.ColourChoice = 1;
    m.LinesWindow.ReferenceChoice = 1;
    Click(MouseButton::Left, {300, 300});
    EXPECT_EQ(opened, 0);  // reference points off

    RefPointsClick(m.Display);
    // Above the drawing area: no reference point is placed, but the hand-over happens.
    const Pivot before = m.P(RefPoint1);
    Click(MouseButton::Left, {300, 50});
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(m.P(RefPoint1).X, before.X);

    // The window is opened after reference point 1 has moved to the press.
    std::vector<float> seen;
    HandleMainWindowPress(m, s, MouseButton::Left, {400, 300}, [&] { seen.push_back(m.P(RefPoint1).X); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NEAR(seen[0], (400 - 110) / 28.5, 1e-5);

    // Two pivots: the left press arms the right one, which alone reopens the window, once.
    m.LinesWindow.ReferenceChoice = 3;
    opened = 0;
    Click(MouseButton::Right, {400, 300});
    EXPECT_EQ(opened, 1);  // armed by the earlier left presses
    Click(MouseButton::Right, {400, 300});
    EXPECT_EQ(opened, 1);
    Click(MouseButton::Left, {300, 300});
    EXPECT_EQ(opened, 1);
    Click(MouseButton::Right, {500, 300});
    EXPECT_EQ(opened, 2);

    m.LinesWindow.ColourChoice = -1;  // no colour: nothing is handed over
    Click(MouseButton::Left, {300, 300});
    Click(MouseButton::Right, {300, 300});
    EXPECT_EQ(opened, 2);
}

TEST_F(Press, AnyPressEndsAHighlight) {
    Click(MouseButton::Other, {300, 300});
    EXPECT_EQ(m.Highlight.Ticks, 0);  // none active
    m.Highlight.Dim = 104;
    m.Highlight.Ticks = 17;
    Click(MouseButton::Other, {5, 5});
    EXPECT_EQ(m.Highlight.Ticks, kHighlightEndedByPress);
}

}  // namespace
}  // namespace lm
