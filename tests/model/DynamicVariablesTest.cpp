// The dynamic-variable queue and bars: registering, steps, drags, wrapping and twins.

#include "model/DynamicVariables.h"

#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "kinematics/StartUp.h"
#include "model/DimensionBoxExit.h"
#include "model/DimensionTable.h"

namespace lm {
namespace {

const DimensionInfo& Dim(std::string_view code) { return *FindDimension(code); }

// Leaving a box without typing: how the user picks a dynamic variable.
void Pick(Model& m, std::string_view code) {
    const DimensionInfo& d = Dim(code);
    LeaveDimensionBox(m, d, GetDimension(m, d));
}

// A user move on bar k followed by the window putting the bar back to 0.
void Move(Model& m, int bar, int position) {
    DynBarChanged(m, bar, position);
    DynBarChanged(m, bar, 0);
}

Model Started() {
    Model m;
    StartUp(m);
    return m;
}

TEST(DynQueue, RegistersNewestFirstAndKeepsOnePlacePerDimension) {
    Model m = Started();
    Pick(m, "Stroke");
    Pick(m, "MainRodLen");
    Pick(m, "Stroke");  // already slot 2: stays there
    EXPECT_EQ(m.Dyn.DynQueue[1].DimensionNumber, 3);
    EXPECT_EQ(m.Dyn.DynQueue[2].DimensionNumber, 2);
    EXPECT_EQ(m.Dyn.DynQueue[2].DynVarName, "Stroke");
    EXPECT_EQ(m.Dyn.DynQueue[3].DimensionNumber, 0);
    EXPECT_EQ(m.Dyn.DynQueue[3].DynVarName, DynVarEmptyName);

    // A re-pick brings the value it was left with into its slot.
    LeaveDimensionBox(m, Dim("Stroke"), 3.5f);
    EXPECT_EQ(m.Dyn.DynQueue[2].Value, 3.5f);

    for (std::string_view code : {"EccDia", "ValveCtrToJoint", "RockerPivotHorz"}) Pick(m, code);
    // Five different dimensions: Stroke, picked first, is gone.
    const int expected[] = {0, 18, 117, 5, 3};
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(m.Dyn.DynQueue[k].DimensionNumber, expected[k]) << k;
    EXPECT_EQ(m.Dyn.DynQueue[2].DynVarName, "Valve ctr to Joint (Stem)");
    EXPECT_EQ(m.Dyn.DynQueue[1].Value, 8.13f);
}

TEST(DynQueue, CentringDimensionsAreNeverDynamic) {
    Model m = Started();
    m.Dyn.DimTyped = true;
    LeaveDimensionBox(m, Dim("RevArmCentNorm"), 2.0f);
    EXPECT_EQ(m.Frame.RevArmCentNorm, 1.3f);  // pulled back to the maximum
    EXPECT_EQ(m.Dyn.DynQueue[1].DimensionNumber, 0);
    EXPECT_EQ(m.Undo.UndoCount, 0);
    EXPECT_TRUE(m.Dyn.DimTyped);  // left for the next grey box
}

TEST(DynBar, ArrowAndPageClicksStepTheDimension) {
    Model m = Started();
    Pick(m, "Stroke");
    m.Display.FrontCutOffText = "25";
    m.Display.RearCutOffText = "26";
    Move(m, 1, 1);
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 3.001f);
    EXPECT_EQ(m.Dyn.DynQueue[1].Value, m.Frame.Stroke);
    EXPECT_EQ(m.Display.FrontCutOffText, "");
    EXPECT_EQ(m.Display.RearCutOffText, "");
    Move(m, 1, -10);
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 2.991f);
    Move(m, 1, 10);
    Move(m, 1, 10);
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 3.011f);
}

TEST(DynBar, TheResetToZeroAddsNothingButMovesTheRememberedPositions) {
    Model m = Started();
    Pick(m, "MainRodLen");
    DynBarChanged(m, 1, 1);
    const float after = m.Frame.MainRodLen;
    EXPECT_EQ(m.Dyn.Bars[1], (RelativeBarMemory{1, 0}));
    DynBarChanged(m, 1, 0);
    EXPECT_EQ(m.Frame.MainRodLen, after);
    EXPECT_EQ(m.Dyn.DynStep, 0.0f);
    EXPECT_EQ(m.Dyn.Bars[1], (RelativeBarMemory{0, 1}));
    EXPECT_EQ(m.Dyn.Bars[2], (RelativeBarMemory{}));
}

TEST(DynBar, ThumbDragsTakeTheirSignFromThePositionBeforeLast) {
    Model m = Started();
    Pick(m, "MainRodLen");
    Move(m, 1, 37);
    EXPECT_FLOAT_EQ(m.Frame.MainRodLen, 10.037f);
    // Before-last is 37 now: a shorter drag to the right counts backwards...
    Move(m, 1, 5);
    EXPECT_FLOAT_EQ(m.Frame.MainRodLen, 10.032f);
    // ...a drag left of it forwards, and a click is a click whatever came before.
    Move(m, 1, -37);
    EXPECT_FLOAT_EQ(m.Frame.MainRodLen, 9.995f);
    Move(m, 1, -5);
    EXPECT_FLOAT_EQ(m.Frame.MainRodLen, 10.0f);
    Move(m, 1, -1);
    EXPECT_FLOAT_EQ(m.Frame.MainRodLen, 9.999f);
}

TEST(DynBar, EccentricAnglesStepTenthsOfADegreeAndWrap) {
    Model m = Started();
    LeaveDimensionBox(m, Dim("EccAngFwd"), 359.95f);
    Move(m, 1, 1);
    EXPECT_NEAR(m.Frame.EccAngFwd, 0.05, 3e-5);
    EXPECT_EQ(m.Dyn.DynQueue[1].Value, m.Frame.EccAngFwd);
    DynBarChanged(m, 1, -1);
    EXPECT_FLOAT_EQ(m.Dyn.DynStep, -0.1f);  // the step itself is scaled
    EXPECT_NEAR(m.Frame.EccAngFwd, 359.95, 3e-5);
    DynBarChanged(m, 1, 0);

    LeaveDimensionBox(m, Dim("EccAngRev"), 0.5f);
    Move(m, 1, -10);  // a page is a whole degree
    EXPECT_FLOAT_EQ(m.Frame.EccAngRev, 359.5f);
    EXPECT_EQ(m.Frame.EccAngFwd, m.Dyn.DynQueue[2].Value);
}

TEST(DynBar, HugeAnglesWrapInBoundedTime) {
    Model m = Started();
    Pick(m, "EccAngFwd");
    m.Frame.EccAngFwd = 3.0e38f;  // as a hostile file might leave it
    Move(m, 1, 1);
    EXPECT_GE(m.Frame.EccAngFwd, 0.0f);
    EXPECT_LT(m.Frame.EccAngFwd, 360.0f);
}

TEST(DynBar, PivotDimensionsWriteBothCopies) {
    Model m = Started();
    Pick(m, "RockerPivotVert");
    Pick(m, "RevLiftPivotHorz");
    // The rocker pivot is read from its copy 6, the reverse shaft from 16.
    m.P(RockerPivot).Y = 9;
    m.P(ReverseShaftCopy).X = 9;
    Move(m, 2, 1);
    EXPECT_FLOAT_EQ(m.P(RockerPivot).Y, 1.301f);
    EXPECT_EQ(m.P(RockerPivotCopy).Y, m.P(RockerPivot).Y);
    Move(m, 1, 10);
    EXPECT_FLOAT_EQ(m.P(ReverseShaft).X, 6.01f);
    EXPECT_EQ(m.P(ReverseShaftCopy).X, m.P(ReverseShaft).X);
}

TEST(DynBar, CylinderCentreLineAndValveHeightMoveTheValveStem) {
    Model m = Started();
    Pick(m, "ValveCLToCylCL");
    Pick(m, "CylCLAboveDriver");
    Move(m, 1, 10);
    EXPECT_FLOAT_EQ(m.P(Crosshead).Y, 0.01f);
    EXPECT_FLOAT_EQ(m.P(ValveStemJoint).Y, 2.26f);
    Move(m, 2, 1);
    EXPECT_FLOAT_EQ(m.Cyl.ValveCLToCylCL, 2.251f);
    EXPECT_FLOAT_EQ(m.P(ValveStemJoint).Y, 2.261f);
}

TEST(DynBar, EmptySlotsAndStrayBarsChangeNoDimension) {
    Model m = Started();
    m.Display.FrontCutOffText = "25";
    const Model before = m;
    Move(m, 3, 10);
    DynBarChanged(m, 0, 1);
    DynBarChanged(m, 5, 1);
    DynBarEntered(m, 7);
    DynBarScrollEnded(m, 3);
    for (const std::string& field : test::Differences(before, m))
        EXPECT_TRUE(field.starts_with("Dyn.")) << field;
    EXPECT_EQ(m.Display.FrontCutOffText, "25");
    EXPECT_EQ(m.Undo.UndoCount, 0);  // an entry naming nothing would block older ones
}

TEST(DynQueue, ResetEmptiesTheSlotsAndLeavesTheDimensions) {
    Model m = Started();
    for (std::string_view code : {"Stroke", "EccAngFwd", "RockerPivotVert", "ValveCLToCylCL"})
        Pick(m, code);
    m.Dyn.DynStep = 0.01f;
    const Model before = m;
    ResetDynQueue(m);
    for (const DynSlot& s : m.Dyn.DynQueue) {
        EXPECT_EQ(s.DimensionNumber, 0);
        EXPECT_EQ(s.Value, 0.0f);
        EXPECT_EQ(s.DynVarName, DynVarEmptyName);
    }
    EXPECT_EQ(m.Dyn.DynStep, 0.0f);
    for (const std::string& field : test::Differences(before, m))
        EXPECT_TRUE(field.starts_with("Dyn.")) << field;
}

}  // namespace
}  // namespace lm
