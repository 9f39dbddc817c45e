// The reverse-arm bar and its buttons in both senses, mid gear, and reset-all.
#include <QAbstractSlider>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "kinematics/MidGear.h"
#include "kinematics/ReverseArm.h"
#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"

namespace lm {
namespace {

using test::MainWindowFixture;

class ReverseArmControlsTest : public MainWindowFixture {
protected:
    float centre() const { return model.Gear.RevArmCenter; }
    float arm() const { return model.Gear.RevArmPos; }
    void expectButtons(bool rev, bool cen, bool fwd) {
        EXPECT_EQ(button("Rev")->isEnabled(), rev);
        EXPECT_EQ(button("Center")->isEnabled(), cen);
        EXPECT_EQ(button("Fwd")->isEnabled(), fwd);
    }
    // Eccentrics set the other way round: the solved sign turns and the bar works
    // mirrored.
    void mirror() {
        model.Frame.EccAngFwd = 120;
        FindMidGear(model);
        tick();
        ASSERT_EQ(model.Gear.EccSign, -1.0f);
        ASSERT_GT(model.Gear.LiftingArmLenSolved, 0.0f);
        ASSERT_FALSE(PlainSense(model));
        form->CenterClick();
    }
};

struct ExpectedControl {
    const char* name;
    QRect geometry;
    const char* caption;  // nullptr: a bar or a panel
    const char* hint;
    bool enabled, visible;
};

const ExpectedControl kControls[] = {
    {"Rev", {252, 25, 28, 14}, "Rev", "Set Reverse Arm to Normal Reverse", true, true},
    {"Center", {280, 25, 27, 14}, "Cen", "Set Reverse Arm to Mid Gear", false, true},
    {"Fwd", {307, 25, 28, 14}, "Fwd", "Set Reverse Arm to Normal Forward", true, true},
    {"SBDynVar1", {253, 72, 121, 10}, nullptr, "Change Last Variable Clicked", true, false},
    {"SBDynVar2", {253, 84, 121, 10}, nullptr, "Change Next to Last Variable Clicked", true, false},
    {"SBDynVar3", {253, 96, 121, 10}, nullptr, "Change 2nd to Last Variable Clicked", true, false},
    {"SBDynVar4", {253, 108, 121, 10}, nullptr, "Change 3rd to Last Variable Clicked", true, false},
    {"UnDoDn", {280, 127, 40, 16}, "UnDo", "", false, false},
    {"DataTableBut", {2, 214, 60, 15}, "DataTable", "", true, false},
    {"Panel1", {0, 67, 539, 4}, nullptr, "", true, true},
    {"Panel2", {247, 26, 4, 41}, nullptr, "", true, true},
    {"Panel3", {539, 26, 4, 109}, nullptr, "", true, true},
    {"Panel4", {539, 134, 93, 4}, nullptr, "", true, true},
    {"Panel5", {0, 120, 251, 4}, nullptr, "", true, false},
    {"Panel6", {247, 72, 4, 49}, nullptr, "", true, false},
    {"Panel7", {247, 72, 4, 49}, nullptr, "", true, false},
    {"Panel8", {247, 120, 292, 4}, nullptr, "", true, false},
    {"Panel9", {539, 70, 0, 0}, nullptr, "", true, false},
    {"Panel10", {0, 26, 4, 41}, nullptr, "", true, true},
    {"Panel11", {0, 72, 4, 49}, nullptr, "", true, false},
    {"Panel12", {628, 26, 4, 108}, nullptr, "", true, true},
};

TEST_F(ReverseArmControlsTest, ControlsStartWhereAndAsLaidOut) {
    for (const ExpectedControl& c : kControls) {
        SCOPED_TRACE(c.name);
        QWidget* w = widget(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), form->centralWidget());
        EXPECT_EQ(w->geometry(), c.geometry);
        EXPECT_EQ(w->toolTip(), c.hint);
        EXPECT_EQ(w->isEnabled(), c.enabled);
        EXPECT_EQ(shown(w), c.visible);
        if (c.caption != nullptr) {
            EXPECT_EQ(qobject_cast<QPushButton*>(w)->text(), c.caption);
        }
    }
    for (const char* name : {"SBDynVar1", "SBDynVar4"}) {
        EXPECT_EQ(bar(name)->minimum(), -200);
        EXPECT_EQ(bar(name)->maximum(), 200);
        EXPECT_EQ(bar(name)->singleStep(), 1);
        EXPECT_EQ(bar(name)->pageStep(), 10);
        EXPECT_EQ(bar(name)->value(), 0);
    }
    EXPECT_TRUE(button("UnDoDn")->font().bold());
    EXPECT_TRUE(button("DataTableBut")->font().bold());
    EXPECT_EQ(button("DataTableBut")->font().pixelSize(), 12);
}

TEST_F(ReverseArmControlsTest, PlainSenseFwdRevAndCentreMoveTheArmNormalDistances) {
    ASSERT_TRUE(PlainSense(model));
    ASSERT_EQ(arm(), centre());
    button("Fwd")->click();
    // 1.04 of 1.3 of the bar's 1300 steps.
    EXPECT_EQ(bar("SBRevArm")->value(), 1040);
    EXPECT_FLOAT_EQ(arm() - centre(), 1.04f);
    EXPECT_EQ(model.Gear.RotationDir, Rotation::Fwd);
    expectButtons(true, true, false);

    button("Rev")->click();
    EXPECT_EQ(bar("SBRevArm")->value(), -1040);
    EXPECT_FLOAT_EQ(arm() - centre(), -1.04f);
    EXPECT_EQ(model.Gear.RotationDir, Rotation::Rev);
    expectButtons(false, true, true);

    model.Display.FrontCutOffText = "37.5";
    button("Center")->click();
    EXPECT_EQ(bar("SBRevArm")->value(), 0);
    EXPECT_EQ(arm(), centre());
    EXPECT_EQ(model.Gear.RotationDir, Rotation::Fwd);
    EXPECT_TRUE(model.Display.FrontCutOffText.empty());
    expectButtons(true, false, true);
}

TEST_F(ReverseArmControlsTest, TheBarStepsTheArmAndTheButtonsFollowIt) {
    QScrollBar* revArm = bar("SBRevArm");
    revArm->triggerAction(QAbstractSlider::SliderPageStepAdd);
    // Differences of two singles near 6: good to a few ten-millionths.
    EXPECT_NEAR(arm() - centre(), 0.02, 1e-6);
    expectButtons(true, true, true);
    revArm->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_NEAR(arm() - centre(), 0.019, 1e-6);
    // Dragged to the normal positions, the matching button has nothing left to do.
    revArm->setValue(1040);
    expectButtons(true, true, false);
    revArm->setValue(-1040);
    expectButtons(false, true, true);
    EXPECT_EQ(model.Gear.RotationDir, Rotation::Rev);
    revArm->setValue(-1);
    expectButtons(true, true, true);
    revArm->setValue(0);
    expectButtons(true, false, true);
    EXPECT_EQ(model.Gear.RotationDir, Rotation::Fwd);
    // The ends of the bar are full gear.
    revArm->setValue(5000);
    EXPECT_EQ(revArm->value(), 1300);
    EXPECT_FLOAT_EQ(arm() - centre(), 1.3f);
}

TEST_F(ReverseArmControlsTest, MirroredSenseKeepsTheRightHalfForward) {
    mirror();
    button("Fwd")->click();
    EXPECT_EQ(bar("SBRevArm")->value(), 1040);
    // The arm goes the other way from mid gear, and the driver still turns forward.
    EXPECT_FLOAT_EQ(arm() - centre(), -1.04f);
    EXPECT_EQ(model.Gear.RotationDir, Rotation::Fwd);
    expectButtons(true, true, false);

    button("Rev")->click();
    EXPECT_EQ(bar("SBRevArm")->value(), -1040);
    EXPECT_FLOAT_EQ(arm() - centre(), 1.04f);
    EXPECT_EQ(model.Gear.RotationDir, Rotation::Rev);
    expectButtons(false, true, true);

    bar("SBRevArm")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_NEAR(arm() - centre(), 1.02, 1e-6);
    expectButtons(true, true, true);
}

TEST_F(ReverseArmControlsTest, CalcCentRevArmFindsMidGearAgainAndCentres) {
    button("Fwd")->click();
    model.Frame.EccRodFwd = 8;  // a different gear has a different mid gear
    const float before = centre();
    action("FindRevArmCent")->trigger();
    EXPECT_NE(centre(), before);
    EXPECT_EQ(bar("SBRevArm")->value(), 0);
    EXPECT_EQ(arm(), centre());
    expectButtons(true, false, true);

    // From the tool bar as well; at mid gear already, the arm stays put.
    auto* tool = form->findChild<QToolButton*>("ToolButton8");
    ASSERT_NE(tool, nullptr);
    tool->click();
    EXPECT_EQ(arm(), centre());
}

TEST_F(ReverseArmControlsTest, ResetAllBringsBackTheNominalSetAndClearsTheWorkingState) {
    Model nominal;
    MainForm fresh(nominal, MainFormOptions{16, false});

    // Change a lot.
    model.Frame.Stroke = 4;
    model.Frame.RevArmCentMax = 2;
    model.Cyl.CylBoreDia = 3;
    model.P(Crosshead).Y = 0.5f;
    button("Fwd")->click();
    bar("SBPanHorz")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    model.DataSetName = "gear";
    model.Diagram.VerticalScale = 3;
    RegisterDynVar(model, 2, 4, "Stroke");
    model.Dyn.DimTyped = true;
    PushUndo(model);
    model.Undo.Entries[1] = UndoEntry{2, 3, 4, "Stroke"};
    model.Dyn.DimTyped = false;
    action("DynamicVariables")->trigger();
    action("SetUnDo")->trigger();

    action("ResetAll")->trigger();
    EXPECT_EQ(model.Frame.Stroke, 3.0f);
    EXPECT_EQ(model.Frame.RevArmCentMax, 1.3f);
    EXPECT_EQ(model.Cyl.CylBoreDia, nominal.Cyl.CylBoreDia);
    EXPECT_EQ(model.P(ValveStemJoint).Y, nominal.P(ValveStemJoint).Y);
    EXPECT_EQ(bar("SBRevArm")->minimum(), -1300);
    EXPECT_EQ(bar("SBRevArm")->maximum(), 1300);
    EXPECT_EQ(bar("SBRevArm")->value(), 0);
    EXPECT_EQ(centre(), nominal.Gear.RevArmCenter);
    EXPECT_EQ(arm(), centre());
    EXPECT_EQ(model.Gear.RotationDir, Rotation::Fwd);
    expectButtons(true, false, true);
    EXPECT_EQ(model.View.ViewOriginX, 110.0f);
    EXPECT_FALSE(button("NormVHZ")->isEnabled());
    EXPECT_EQ(model.DataSetName, "Nominal");
    EXPECT_EQ(model.Diagram.VerticalScale, 1.5f);
    EXPECT_FALSE(model.Display.DynVarsShown);
    for (const char* name : {"SBDynVar1", "SBDynVar2", "SBDynVar3", "SBDynVar4", "Panel7",
                             "Panel8", "Panel9"})
        EXPECT_FALSE(shown(widget(name))) << name;
    for (const DynSlot& s : model.Dyn.DynQueue) {
        EXPECT_EQ(s.DimensionNumber, 0);
        EXPECT_EQ(s.DynVarName, DynVarEmptyName);
    }
    EXPECT_EQ(model.Undo.UndoCount, 0);
    EXPECT_EQ(model.Undo.Entries[1].DimensionNumber, 0);
    EXPECT_FALSE(model.Undo.ButtonsEnabled);
    EXPECT_FALSE(button("UnDoDn")->isEnabled());
    EXPECT_FALSE(model.Display.UndoLineShown);
}

}  // namespace
}  // namespace lm
