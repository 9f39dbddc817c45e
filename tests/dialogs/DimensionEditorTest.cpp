// The dimension editors driven as a user drives them: keys, pastes, leaving boxes, reset
// and Close.
#include "dialogs/DimensionEditor.h"

#include <gtest/gtest.h>

#include "dialogs/EditorLabels.h"
#include "graphics/RecordingCanvas.h"
#include "kinematics/MidGear.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

constexpr EditorId kFrame = EditorId::Frame;
constexpr EditorId kCyl = EditorId::Cylinder;

Model Started() {
    Model m;
    StartUp(m);
    return m;
}

// Types each character into the box as the window would (swallowed keys leave no trace),
// then leaves the box.
std::string Type(Model& m, EditorId e, int box, std::string_view keys) {
    std::string text;
    for (char k : keys)
        if (EditorKeyPress(m, e, box, text, k).Accepted && k != kEnterKey) text.push_back(k);
    return text;
}

void TypeAndLeave(Model& m, EditorId e, int box, std::string_view keys) {
    const std::string text = Type(m, e, box, keys);
    EditorBoxExit(m, e, box, text);
}

TEST(DimensionEditor, TabbingThroughPicksADynamicVariableTypingAlsoRecordsUndo) {
    Model m = Started();
    EditorBoxExit(m, kFrame, 1, EditorBoxText(m, kFrame, 1));  // tabbed through
    EXPECT_EQ(m.Dyn.DynQueue[1].DimensionNumber, 1);
    EXPECT_EQ(m.Dyn.DynQueue[1].DynVarName, "Driver Dia");
    EXPECT_EQ(m.Undo.UndoCount, 0);
    EXPECT_FALSE(m.Undo.ButtonsEnabled);

    TypeAndLeave(m, kCyl, 17, "3.5");
    EXPECT_FLOAT_EQ(m.Cyl.ValveCtrToJoint, 3.5f);
    EXPECT_EQ(m.Dyn.DynQueue[1].DimensionNumber, 117);
    EXPECT_EQ(m.Dyn.DynQueue[2].DimensionNumber, 1);
    ASSERT_EQ(m.Undo.UndoCount, 1);
    const UndoEntry& e = m.Undo.Entries[1];
    EXPECT_EQ(e.DimensionNumber, 117);
    EXPECT_FLOAT_EQ(e.Before, 3.176f);
    EXPECT_FLOAT_EQ(e.After, 3.5f);
    EXPECT_EQ(e.DynVarName, "Valve ctr to Joint (Stem)");
    EXPECT_TRUE(m.Undo.ButtonsEnabled);
    EXPECT_FALSE(m.Dyn.DimTyped);
}

TEST(DimensionEditor, EnterAppliesThroughTheFocusMoveAndKeepsTheWindowOpen) {
    Model m = Started();
    std::string text = Type(m, kFrame, 2, "4");
    const EditorKeyVerdict enter = EditorKeyPress(m, kFrame, 2, text, kEnterKey);
    EXPECT_TRUE(enter.Accepted);
    EXPECT_TRUE(enter.FocusToClose);
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 3);  // nothing stored until the box is left
    EditorBoxExit(m, kFrame, 2, text);
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 4);
}

TEST(DimensionEditor, KeyFilterTakesOneSignAndOnePointAnywhere) {
    Model m = Started();
    EXPECT_EQ(Type(m, kFrame, 3, "12-3-"), "12-3");
    EXPECT_EQ(Type(m, kFrame, 3, "1.2.5"), "1.25");
    EXPECT_EQ(Type(m, kFrame, 3, "1e5x,+"), "15");
    m.Dyn.DimTyped = false;
    EXPECT_EQ(Type(m, kFrame, 3, "abc"), "");
    EXPECT_FALSE(m.Dyn.DimTyped);  // only an accepted key counts as typing

    TypeAndLeave(m, kFrame, 3, "12-3");
    EXPECT_FLOAT_EQ(m.Frame.MainRodLen, 12);  // the number before the misplaced minus

    // A paste obeys the same filter and counts as typing.
    EXPECT_EQ(EditorPaste(m, kFrame, 3, "2.", "1e5x.-7"), "2.15-7");
    EXPECT_TRUE(m.Dyn.DimTyped);
    m.Dyn.DimTyped = false;
    EXPECT_EQ(EditorPaste(m, kFrame, 3, "2", "xyz"), "2");
    EXPECT_FALSE(m.Dyn.DimTyped);

    // The centring boxes filter alike but never count as typing.
    EXPECT_EQ(Type(m, kFrame, 26, "1.5"), "1.5");
    EXPECT_FALSE(m.Dyn.DimTyped);
}

TEST(DimensionEditor, EccentricAnglesAreWrappedIntoOneTurn) {
    Model m = Started();
    TypeAndLeave(m, kFrame, 6, "370");
    EXPECT_FLOAT_EQ(m.Frame.EccAngFwd, 10);
    TypeAndLeave(m, kFrame, 7, "-30");
    EXPECT_FLOAT_EQ(m.Frame.EccAngRev, 330);
    TypeAndLeave(m, kFrame, 6, "720");
    EXPECT_FLOAT_EQ(m.Frame.EccAngFwd, 0);
    // The undo entry and the dynamic variable (still in its own slot, behind the
    // reverse angle) hold the wrapped angle.
    EXPECT_FLOAT_EQ(m.Undo.Entries[1].After, 0);
    EXPECT_EQ(m.Dyn.DynQueue[2].DimensionNumber, 6);
    EXPECT_FLOAT_EQ(m.Dyn.DynQueue[2].Value, 0);
}

TEST(DimensionEditor, PivotDimensionsMoveTheirTwins) {
    Model m = Started();
    TypeAndLeave(m, kFrame, 17, "1.5");
    EXPECT_FLOAT_EQ(m.P(7).Y, 1.5f);
    EXPECT_FLOAT_EQ(m.P(6).Y, 1.5f);
    TypeAndLeave(m, kFrame, 24, "2.5");
    EXPECT_FLOAT_EQ(m.P(16).Y, 2.5f);
    EXPECT_FLOAT_EQ(m.P(17).Y, 2.5f);
    TypeAndLeave(m, kFrame, 25, "6.5");
    EXPECT_FLOAT_EQ(m.P(16).X, 6.5f);
    EXPECT_FLOAT_EQ(m.P(17).X, 6.5f);

    // The valve centre line keeps its height above the cylinder's.
    TypeAndLeave(m, kCyl, 2, "1");
    EXPECT_FLOAT_EQ(m.P(3).Y, 1);
    EXPECT_FLOAT_EQ(m.P(4).Y, 3.25f);
    TypeAndLeave(m, kCyl, 8, "2");
    EXPECT_FLOAT_EQ(m.P(3).Y, 1);
    EXPECT_FLOAT_EQ(m.P(4).Y, 3);
}

TEST(DimensionEditor, CentringLimitsHoldNormalWithinMaximumAndSetTheBarRange) {
    Model m = Started();
    const float centre = m.Gear.RevArmCenter;
    m.Gear.RevArmPositions[4] = centre + 1.25f;
    m.Gear.RevArmPositions[5] = 0;

    EditorOutcome out = EditorBoxExit(m, kFrame, 26, "2");
    EXPECT_FLOAT_EQ(m.Frame.RevArmCentNorm, 1.3f);
    EXPECT_FALSE(out.RevArmRangeChanged);
    EXPECT_FLOAT_EQ(m.Gear.RevArmPositions[4], centre + 1.25f);  // within +-1.3
    EXPECT_EQ(m.Gear.RevArmPositions[5], 0);                     // undefined stays 0

    out = EditorBoxExit(m, kFrame, 27, "0.5");
    EXPECT_FLOAT_EQ(m.Frame.RevArmCentMax, 1.3f);  // raised to the normal travel
    EXPECT_TRUE(out.RevArmRangeChanged);
    EXPECT_EQ(out.RevArmBarMax, 1300);

    EditorBoxExit(m, kFrame, 26, "1");
    out = EditorBoxExit(m, kFrame, 27, "0.5");
    EXPECT_FLOAT_EQ(m.Frame.RevArmCentMax, 1);
    EXPECT_EQ(out.RevArmBarMax, 1000);
    EXPECT_FLOAT_EQ(m.Gear.RevArmPositions[4], centre + 1);  // clamped, zeros included
    EXPECT_FLOAT_EQ(m.Gear.RevArmPositions[5], centre - 1);
    // Neither box is a dynamic variable nor recorded for undo.
    EXPECT_EQ(m.Dyn.DynQueue[1].DimensionNumber, 0);
    EXPECT_EQ(m.Undo.UndoCount, 0);
}

TEST(DimensionEditor, LeftClickOnResetResetsTwiceAndClearsUndoOtherButtonsKeepUndo) {
    Model m = Started();
    TypeAndLeave(m, kFrame, 2, "4");
    EditorBoxExit(m, kFrame, 27, "2");
    EditorResetPressed(m, kFrame);  // right button: press only
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 3);
    EXPECT_EQ(m.Dyn.DynQueue[1].DimensionNumber, 0);
    EXPECT_EQ(m.Undo.UndoCount, 1);
    EXPECT_TRUE(m.Undo.ButtonsEnabled);

    TypeAndLeave(m, kFrame, 2, "4");
    EditorResetPressed(m, kFrame);  // left button: press, then the click
    const EditorOutcome out = EditorResetClicked(m, kFrame);
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 3);
    EXPECT_TRUE(out.RevArmRangeChanged);
    EXPECT_EQ(out.RevArmBarMax, 1300);
    EXPECT_EQ(m.Undo.UndoCount, 0);
    EXPECT_FALSE(m.Undo.ButtonsEnabled);

    // The cylinder reset leaves the frame and the bar alone.
    TypeAndLeave(m, kFrame, 2, "4");
    TypeAndLeave(m, kCyl, 8, "3");
    EXPECT_FALSE(EditorResetPressed(m, kCyl).RevArmRangeChanged);
    EXPECT_FLOAT_EQ(m.Cyl.ValveCLToCylCL, 2.25f);
    EXPECT_FLOAT_EQ(m.P(4).Y, 2.25f);
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 4);
    EXPECT_EQ(m.Undo.UndoCount, 2);
}

TEST(DimensionEditor, CloseFindsMidGearAgainAndCentresTheArm) {
    Model m = Started();
    const float nominalCentre = m.Gear.RevArmCenter;
    m.Gear.RevArmPos = nominalCentre + 0.8f;
    m.Display.FrontCutOffText = "45%";
    m.Display.RearCutOffText = "44%";
    TypeAndLeave(m, kFrame, 20, "2.5");  // a longer lifting link moves mid gear

    Model expected = m;
    FindMidGear(expected);
    const EditorOutcome out = EditorClose(m);
    EXPECT_NE(m.Gear.RevArmCenter, nominalCentre);
    EXPECT_EQ(m.Gear.RevArmCenter, expected.Gear.RevArmCenter);
    EXPECT_EQ(m.Gear.RevArmPos, m.Gear.RevArmCenter);
    EXPECT_TRUE(out.RevArmPositionChanged);
    EXPECT_EQ(out.RevArmBarPosition, 0);
    EXPECT_TRUE(m.Display.FrontCutOffText.empty());
    EXPECT_TRUE(m.Display.RearCutOffText.empty());
}

TEST(DimensionEditor, SmallButtonsAskForTheirDimensionsHighlight) {
    Model m = Started();
    EditorHighlightButton(m, kFrame, 5);
    EXPECT_EQ(m.Highlight.Dim, 5);
    EditorHighlightButton(m, kCyl, 6);
    EXPECT_EQ(m.Highlight.Dim, 106);
    EditorHighlightButton(m, kCyl, 18);  // no such box
    EXPECT_EQ(m.Highlight.Dim, 106);
    EXPECT_EQ(EditorBoxText(m, kFrame, 6), "242.000");
    EXPECT_EQ(EditorBoxText(m, kFrame, 28), "");
}

TEST(DimensionEditor, LabelsMoveWithTheLargeFontFootersStayAtTheLeftEdge) {
    RecordingCanvas normal, large;
    DrawEditorLabels(kFrame, 1, 1, normal);
    DrawEditorLabels(kFrame, 1.27f, 1.22f, large);
    const auto n = normal.OfKind(CanvasOp::TextOut);
    const auto l = large.OfKind(CanvasOp::TextOut);
    ASSERT_EQ(n.size(), 27u + 2u);
    EXPECT_EQ(n[26].points[0], (ScreenPoint{234, 156}));  // Edit27's ditto label, row 12
    EXPECT_EQ(l[26].points[0], (ScreenPoint{297, 190}));
    EXPECT_EQ(l[27].points[0], (ScreenPoint{1, 232}));
    EXPECT_EQ(l[28].text, "To Select Dynamic Variable, Click Dimension in Gray Area");

    RecordingCanvas cyl;
    DrawEditorLabels(kCyl, 1, 1, cyl);
    const auto c = cyl.OfKind(CanvasOp::TextOut);
    ASSERT_EQ(c.size(), 21u + 2u);  // four two-line labels
    EXPECT_EQ(c.back().text, "To Select Dynamic Variable, ClickDimension in GrayArea");
}

}  // namespace
}  // namespace lm
