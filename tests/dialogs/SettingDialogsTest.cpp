// The setting dialogs: clamps, the gear's run state, the reverse-arm labels by gear sense
// and the reference points' three buttons.
#include "dialogs/SettingDialogs.h"

#include <gtest/gtest.h>

#include "kinematics/LinkageSolver.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

Model Started() {
    Model m;
    StartUp(m);
    SolveLinkage(m);  // the gear sense comes from a solve
    return m;
}

TEST(RevPosDialog, LabelsFollowTheGearSenseAndOkClampsToFullGear) {
    Model m = Started();
    m.Gear.RevArmCenter = 1;
    ASSERT_GT(m.Gear.LiftingArmLenSolved * m.Gear.EccSign, 0);
    RevPosTexts t = RevPosActivate(m);
    EXPECT_EQ(t.Label2, "Min = -0.300");
    EXPECT_EQ(t.Label3, "Cen = 1.000");
    EXPECT_EQ(t.Label4, "Max = 2.300");
    EXPECT_EQ(t.Label5, "Rev = -0.040");
    EXPECT_EQ(t.Label6, "Fwd = 2.040");

    EXPECT_EQ(RevPosOk(m, "9"), 1300);  // beyond the maximum: the bar's end
    EXPECT_FLOAT_EQ(m.Gear.RevArmPos, 2.3f);
    EXPECT_EQ(m.Gear.RotationDir, Rotation::Fwd);
    EXPECT_EQ(RevPosOk(m, "0.5"), -500);
    EXPECT_EQ(m.Gear.RotationDir, Rotation::Rev);

    // Mirrored sense: "Max" on the left, the normal positions swapped, the bar reversed.
    m.Gear.LiftingArmLenSolved = -m.Gear.LiftingArmLenSolved;
    t = RevPosActivate(m);
    EXPECT_EQ(t.Label2, "Max = 2.300");
    EXPECT_EQ(t.Label4, "Min = -0.300");
    EXPECT_EQ(t.Label5, "Rev = 2.040");
    EXPECT_EQ(t.Label6, "Fwd = -0.040");
    EXPECT_EQ(RevPosOk(m, "-5"), 1300);
    EXPECT_FLOAT_EQ(m.Gear.RevArmPos, -0.3f);
    EXPECT_EQ(m.Gear.RotationDir, Rotation::Fwd);
}

TEST(DrivAngDialog, StopsARunningGearAndClampsToOneTurn) {
    Model m = Started();
    m.Gear.StepAngle = 10;
    m.Gear.DriverAngle = 123.456f;
    EXPECT_EQ(DrivAngActivate(m), "0.00");
    const DrivAngOutcome out = DrivAngOk(m, "400");
    EXPECT_EQ(m.Gear.StepAngle, 0);
    EXPECT_FLOAT_EQ(m.Gear.DriverAngle, 360);
    EXPECT_EQ(out.DrvAngBarPosition, 36000);
    EXPECT_EQ(DrivAngActivate(m), "360.00");
    EXPECT_EQ(DrivAngOk(m, "12.125").DrvAngBarPosition, 1212);  // half to even
    EXPECT_FLOAT_EQ(m.Gear.DriverAngle, 12.12f);
    EXPECT_EQ(DrivAngOk(m, "").DrvAngBarPosition, 0);
}

TEST(StpAngDialog, ClampsKeepsTheRunStateAndSetsTheLogarithmicBar) {
    Model m = Started();
    float setting = 10;
    m.Gear.StepAngle = 10;  // running
    StpAngOutcome out = StpAngOk(m, setting, "90");
    EXPECT_FLOAT_EQ(setting, 45);
    EXPECT_FLOAT_EQ(m.Gear.StepAngle, 45);  // runs on at the new step
    EXPECT_EQ(out.StepBarPosition, 14613);
    EXPECT_EQ(out.DrvAngSmallChange, 4500);
    EXPECT_EQ(out.DrvAngLargeChange, 22500);

    m.Gear.StepAngle = 0;  // stopped
    out = StpAngOk(m, setting, "0");
    EXPECT_FLOAT_EQ(setting, 0.01f);
    EXPECT_EQ(m.Gear.StepAngle, 0);  // stays stopped
    EXPECT_EQ(out.StepBarPosition, 0);
    EXPECT_EQ(out.DrvAngSmallChange, 1);
    EXPECT_EQ(out.DrvAngLargeChange, 5);

    out = StpAngOk(m, setting, "1");
    EXPECT_EQ(out.StepBarPosition, 8000);  // 4000 x log10(100)
}

TEST(RefPntsDialog, OkSwitchesThePointsOnZeroAndCancelSwitchThemOff) {
    Model m = Started();
    MainViewControls c;
    m.Display.PivotDataOn = true;
    RefPntsOk(m, c, {"1.5", "-2-", "0", ""});
    EXPECT_FLOAT_EQ(m.P(RefPoint1).Y, 1.5f);
    EXPECT_FLOAT_EQ(m.P(RefPoint1).X, -2);
    EXPECT_EQ(m.P(RefPoint2).X, 0);
    EXPECT_TRUE(c.RefPt1ZeroEnabled);
    EXPECT_FALSE(c.RefPt2ZeroEnabled);
    EXPECT_TRUE(m.Display.RefPointsOn);
    const auto boxes = RefPntsActivate(m);
    EXPECT_EQ(boxes[0], "1.500");
    EXPECT_EQ(boxes[1], "-2.000");

    RefPntsCancel(m);
    EXPECT_FALSE(m.Display.RefPointsOn);
    EXPECT_FALSE(m.Display.PivotDataOn);
    EXPECT_FLOAT_EQ(m.P(RefPoint1).Y, 1.5f);  // values kept

    RefPntsOk(m, c, {"0", "0", "3", "0"});
    EXPECT_TRUE(c.RefPt2ZeroEnabled);
    RefPntsZero(m, c);
    EXPECT_FALSE(m.Display.RefPointsOn);
    EXPECT_EQ(m.P(RefPoint1).Y, 0);
    EXPECT_EQ(m.P(RefPoint2).Y, 0);
    EXPECT_FALSE(c.RefPt1ZeroEnabled);
    EXPECT_FALSE(c.RefPt2ZeroEnabled);
}

TEST(GraphZoomDialog, ClampsToItsRange) {
    Model m = Started();
    EXPECT_EQ(GraphZoomActivate(m), "7.50");
    GraphZoomOk(m, "0.1");
    EXPECT_FLOAT_EQ(m.Diagram.GraphicZoom, 0.5f);
    GraphZoomOk(m, "5000");
    EXPECT_FLOAT_EQ(m.Diagram.GraphicZoom, 2000);
    GraphZoomOk(m, "15");
    EXPECT_FLOAT_EQ(m.Diagram.GraphicZoom, 15);
    // The dialogs' keys: no Enter anywhere, "-" by dialog.
    EXPECT_FALSE(AcceptTypedKey("1", kEnterKey, kUnsignedKeyRule));
    EXPECT_FALSE(AcceptTypedKey("1", '-', kUnsignedKeyRule));
    EXPECT_FALSE(AcceptTypedKey("-1", '-', kRevPosKeyRule));
    EXPECT_TRUE(AcceptTypedKey("-1-", '-', kRefPntsKeyRule));
}

}  // namespace
}  // namespace lm
