// Pan, zoom, presets and reference points driven as a user would, broken views included.

#include "view/ViewControls.h"

#include <gtest/gtest.h>

#include "kinematics/StartUp.h"

namespace lm {
namespace {

class ViewControls : public ::testing::Test {
protected:
    void SetUp() override { StartUp(m); }

    // A user move on a relative bar: the handler with the position, then with 0 as the
    // bar is put back.
    void Move(void (*handler)(Model&, MainViewControls&, int), int p) {
        handler(m, c, p);
        handler(m, c, 0);
    }
    void MoveRef(RefPointBar bar, int p) {
        RefPointBarChanged(m, c, bar, p);
        RefPointBarChanged(m, c, bar, 0);
    }
    ViewTriple View() const { return {m.View.ViewScale, m.View.ViewOriginX, m.View.ViewOriginY}; }

    Model m;
    MainViewControls c;
    DisplayState& d = m.Display;
};

void ExpectView(ViewTriple got, float scale, float x, float y) {
    EXPECT_FLOAT_EQ(got.Scale, scale);
    EXPECT_FLOAT_EQ(got.OriginX, x);
    EXPECT_FLOAT_EQ(got.OriginY, y);
}

TEST_F(ViewControls, PanBarsMoveTheOriginAndEnableNorm) {
    EXPECT_FALSE(c.NormEnabled);
    Move(PanVertChanged, 1);  // a move to the right lifts the drawing
    EXPECT_FLOAT_EQ(m.View.ViewOriginY, 269.9f);
    EXPECT_TRUE(c.NormEnabled);
    Move(PanHorzChanged, 10);
    EXPECT_FLOAT_EQ(m.View.ViewOriginX, 111);
    Move(PanHorzChanged, -1);
    EXPECT_FLOAT_EQ(m.View.ViewOriginX, 110.9f);
}

TEST_F(ViewControls, ZoomKeepsTheViewCentreFixed) {
    Move(ZoomChanged, 10);  // 1 %
    ExpectView(View(), 28.785f, 107.9f, 270.3f);
    Move(ZoomChanged, -1);  // 0.1 % out
    EXPECT_FLOAT_EQ(m.View.ViewScale, 28.785f * 0.999f);
}

TEST_F(ViewControls, ZoomAtTheLimitsStillMovesTheOrigins) {
    m.View.ViewScale = 3000;
    m.View.ViewOriginX = 100;
    m.View.ViewOriginY = 300;
    Move(ZoomChanged, 10);
    // As if the scale had become 3030: (100 - 320) * 1.01 + 320, (300 - 240) * 1.01 + 240.
    ExpectView(View(), 3000, 97.8f, 300.6f);

    m.View.ViewScale = 0.5f;
    Move(ZoomChanged, -10);
    ExpectView(View(), 0.5f, (97.8f - 320) * 0.99f + 320, (300.6f - 240) * 0.99f + 240);
}

TEST_F(ViewControls, ZoomFromABrokenScaleRecoversWithoutLosingTheOrigins) {
    m.View.ViewScale = 0;  // e.g. a preset loaded as 0
    Move(ZoomChanged, 10);
    ExpectView(View(), 0.5f, 110, 270);
}

TEST_F(ViewControls, NormSavesTheViewItLeavesAndReturnsToNormal) {
    Move(PanHorzChanged, 10);
    Move(ZoomChanged, 10);
    const ViewTriple left = View();
    CapturePresetClick(m, c);
    NormClick(m, c);
    ExpectView(m.Views.SavedView, left.Scale, left.OriginX, left.OriginY);
    ExpectView(View(), 28.5f, 110, 270);
    EXPECT_FALSE(c.NormEnabled);
    EXPECT_FALSE(c.PresetCaptureArmed);
}

TEST_F(ViewControls, CaptureThenPresetStoresTheViewUnderThatNumber) {
    Move(PanHorzChanged, 10);
    const ViewTriple shown = View();
    CapturePresetClick(m, c);
    EXPECT_TRUE(c.PresetCaptureArmed);  // "P" disabled until a preset is pressed
    EXPECT_TRUE(c.NormEnabled);
    PresetClick(m, c, 3);
    EXPECT_FALSE(c.PresetCaptureArmed);
    ExpectView(m.View.ViewPresets[3], shown.Scale, shown.OriginX, shown.OriginY);
    ExpectView(View(), 28.5f, 111, 270);

    // Elsewhere, then back: 5 alone recalls without storing, 3 recalls the stored view.
    PresetClick(m, c, 5);
    ExpectView(View(), 250, -3300, 700);
    Move(PanVertChanged, 10);
    PresetClick(m, c, 3);
    ExpectView(View(), 28.5f, 111, 270);
    ExpectView(m.View.ViewPresets[5], 250, -3300, 700);
}

TEST_F(ViewControls, NormBetweenCaptureAndPresetDisarmsTheCapture) {
    Move(PanHorzChanged, 10);
    CapturePresetClick(m, c);
    NormClick(m, c);
    PresetClick(m, c, 3);
    ExpectView(m.View.ViewPresets[3], 100, -500, 200);
    PresetClick(m, c, 0);  // not a preset button: nothing
    PresetClick(m, c, 7);
    ExpectView(View(), 100, -500, 200);
}

TEST_F(ViewControls, ReferencePointBarsZeroButtonsAndToggle) {
    MoveRef(RefPointBar::Ref1Vert, 25);
    MoveRef(RefPointBar::Ref1Horz, -1);
    EXPECT_FLOAT_EQ(m.P(RefPoint1).Y, 0.025f);
    EXPECT_FLOAT_EQ(m.P(RefPoint1).X, -0.001f);
    EXPECT_TRUE(c.RefPt1ZeroEnabled);
    EXPECT_FALSE(c.RefPt2ZeroEnabled);
    MoveRef(RefPointBar::Ref2Horz, 1);
    EXPECT_FLOAT_EQ(m.P(RefPoint2).X, 0.001f);
    EXPECT_TRUE(c.RefPt2ZeroEnabled);

    RefPointZeroClick(m, c, 1);
    EXPECT_EQ(m.P(RefPoint1).X, 0);
    EXPECT_EQ(m.P(RefPoint1).Y, 0);
    EXPECT_FALSE(c.RefPt1ZeroEnabled);
    EXPECT_FLOAT_EQ(m.P(RefPoint2).X, 0.001f);

    d.PivotDataOn = true;
    RefPointsClick(d);
    EXPECT_TRUE(d.RefPointsOn);
    EXPECT_TRUE(d.PivotDataOn);
    RefPointsClick(d);
    EXPECT_FALSE(d.RefPointsOn);
    EXPECT_FALSE(d.PivotDataOn);  // off takes the pivot data display with it
}

TEST_F(ViewControls, MousePlacesReferencePointsOnlyInTheDrawingArea) {
    EXPECT_FALSE(PlaceRefPointByMouse(m, c, MouseButton::Left, {300, 100}));  // points off
    d.RefPointsOn = true;
    EXPECT_FALSE(PlaceRefPointByMouse(m, c, MouseButton::Left, {100, 100}));  // bar corner
    EXPECT_FALSE(c.RefPt1ZeroEnabled);

    ASSERT_TRUE(PlaceRefPointByMouse(m, c, MouseButton::Left, {300, 100}));
    EXPECT_FLOAT_EQ(m.P(RefPoint1).X, 190 / 28.5f);
    EXPECT_FLOAT_EQ(m.P(RefPoint1).Y, 170 / 28.5f);
    EXPECT_TRUE(c.RefPt1ZeroEnabled);

    ASSERT_TRUE(PlaceRefPointByMouse(m, c, MouseButton::Right, {110, 327}));
    EXPECT_FLOAT_EQ(m.P(RefPoint2).X, 0);
    EXPECT_FLOAT_EQ(m.P(RefPoint2).Y, -2);
    EXPECT_TRUE(c.RefPt2ZeroEnabled);
    EXPECT_FALSE(PlaceRefPointByMouse(m, c, MouseButton::Other, {300, 300}));

    // The edges of the area.
    EXPECT_TRUE(InRefPointArea({0, 121}));
    EXPECT_FALSE(InRefPointArea({0, 120}));
    EXPECT_TRUE(InRefPointArea({248, 68}));
    EXPECT_FALSE(InRefPointArea({247, 68}));
    EXPECT_FALSE(InRefPointArea({600, 67}));
}

TEST_F(ViewControls, MouseDoesNotPlaceThroughAViewItCannotInvert) {
    d.RefPointsOn = true;
    m.View.ViewScale = 0;
    m.P(RefPoint1).X = 1;
    EXPECT_FALSE(PlaceRefPointByMouse(m, c, MouseButton::Left, {300, 300}));
    EXPECT_EQ(m.P(RefPoint1).X, 1);
}

TEST_F(ViewControls, PanToReferencePointCentresItThenThePanBarsPanOnce) {
    m.P(RefPoint1).X = 2;
    m.P(RefPoint1).Y = 1;
    PanToRefPoint(m, c, 1);
    // Centred: origin 320 - 57 = 263, 240 + 28.5 = 268.5. Horizontal bar at
    // round(153 * 100 / -110) = -139 pans by -13.9; vertical bar at
    // round(-1.5 * 200 / 270) = -1 is an arrow click, and pans by -0.1 (drawing down).
    EXPECT_FLOAT_EQ(m.View.ViewOriginX, 263 - 13.9f);
    EXPECT_FLOAT_EQ(m.View.ViewOriginY, 268.6f);
    EXPECT_FLOAT_EQ(m.View.ViewScale, 28.5f);
    EXPECT_EQ(c.PanHorz, (RelativeBarMemory{0, -139}));
    EXPECT_EQ(c.PanVert, (RelativeBarMemory{0, -1}));
    EXPECT_TRUE(c.NormEnabled);
}

TEST_F(ViewControls, PanToAFarReferencePointIsHeldByTheBarRange) {
    m.P(RefPoint2).X = 100;  // bar position 2400, held at 500
    m.P(RefPoint2).Y = 0;    // bar position round(-30 * 200 / 270) = -22
    PanToRefPoint(m, c, 2);
    EXPECT_FLOAT_EQ(m.View.ViewOriginX, 320 - 2850 + 50);
    EXPECT_FLOAT_EQ(m.View.ViewOriginY, 240 + 2.2f);
    EXPECT_EQ(c.PanHorz, (RelativeBarMemory{0, 500}));
}

TEST_F(ViewControls, PanToReferencePointWithoutMovingTheBarsLeavesThemAlone) {
    m.P(RefPoint1).X = 210 / 28.5f;  // at the view centre of the normal view already
    m.P(RefPoint1).Y = 30 / 28.5f;
    PanToRefPoint(m, c, 1);
    EXPECT_FLOAT_EQ(m.View.ViewOriginX, 110);
    EXPECT_FLOAT_EQ(m.View.ViewOriginY, 270);
    EXPECT_EQ(c.PanHorz, (RelativeBarMemory{}));
    EXPECT_FALSE(c.NormEnabled);
}

}  // namespace
}  // namespace lm
