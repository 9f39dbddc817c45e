// The reverse-arm bar and its Rev / Cen / Fwd buttons.
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

#include "kinematics/MidGear.h"
#include "kinematics/ReverseArm.h"
#include "mainwindow/qt/MainForm.h"

namespace lm {

void MainForm::BuildReverseArmControls() {
    auto button = [this](const char* name, QRect geometry, const char* caption,
                         const char* hint) {
        auto* b = new QPushButton(caption, centralWidget());
        b->setObjectName(name);
        b->setGeometry(geometry);
        b->setToolTip(hint);
        return b;
    };
    Rev = button("Rev", {252, 25, 28, 14}, "Rev", "Set Reverse Arm to Normal Reverse");
    Center = button("Center", {280, 25, 27, 14}, "Cen", "Set Reverse Arm to Mid Gear");
    Fwd = button("Fwd", {307, 25, 28, 14}, "Fwd", "Set Reverse Arm to Normal Forward");
    // The arm starts at mid gear.
    Center->setEnabled(false);

    connect(SBRevArm, &QScrollBar::valueChanged, this, &MainForm::SBRevArmChange);
    connect(Fwd, &QPushButton::clicked, this, &MainForm::FwdClick);
    connect(Rev, &QPushButton::clicked, this, &MainForm::RevClick);
    connect(Center, &QPushButton::clicked, this, &MainForm::CenterClick);
}

// Fwd and Rev are disabled while the bar stands where they would put it. Compared in bar
// steps: the arm position itself is a sum of singles and may miss the button's position
// by a rounding bit.
void MainForm::ShowRevArmButtons(int p) {
    Fwd->setEnabled(p != NormalForwardBarPosition(model_));
    Rev->setEnabled(p != NormalReverseBarPosition(model_));
    Center->setEnabled(p != 0);
}

void MainForm::SBRevArmChange(int position) {
    SetRevArmFromBar(model_, position);
    ShowRevArmButtons(position);
}

void MainForm::FwdClick() {
    const GearState& g = model_.Gear;
    model_.Gear.RevArmPos =
        static_cast<float>(static_cast<long double>(g.RevArmCenter) + model_.Frame.RevArmCentNorm);
    // Moving the bar sets the arm again from the bar's position.
    SBRevArm->setValue(NormalForwardBarPosition(model_));
    Fwd->setEnabled(false);
    Rev->setEnabled(true);
    Center->setEnabled(true);
    model_.Display.FrontCutOffText.clear();
    model_.Display.RearCutOffText.clear();
}

void MainForm::RevClick() {
    const GearState& g = model_.Gear;
    model_.Gear.RevArmPos =
        static_cast<float>(static_cast<long double>(g.RevArmCenter) - model_.Frame.RevArmCentNorm);
    SBRevArm->setValue(NormalReverseBarPosition(model_));
    Rev->setEnabled(false);
    Fwd->setEnabled(true);
    Center->setEnabled(true);
    model_.Display.FrontCutOffText.clear();
    model_.Display.RearCutOffText.clear();
}

void MainForm::CenterClick() {
    SBRevArm->setValue(0);
    model_.Gear.RevArmPos = model_.Gear.RevArmCenter;
    Fwd->setEnabled(true);
    Rev->setEnabled(true);
    Center->setEnabled(false);
    model_.Display.FrontCutOffText.clear();
    model_.Display.RearCutOffText.clear();
}

void MainForm::FindRevArmCentClick() {
    FindMidGear(model_);
    CenterClick();
}

void MainForm::SetRevArmBarRange() {
    const int max = RevArmBarMax(model_);
    const QSignalBlocker quiet(SBRevArm);
    SBRevArm->setRange(-max, max);
}

void MainForm::ShowRevArmBar() {
    SetRevArmBarRange();
    {
        // Quietly: the bar is made to show the arm, not to move it.
        const QSignalBlocker quiet(SBRevArm);
        SBRevArm->setValue(RevArmBarPosition(model_));
    }
    // The bar's right half is forward gear in either sense.
    model_.Gear.RotationDir = SBRevArm->value() >= 0 ? Rotation::Fwd : Rotation::Rev;
    model_.Display.FrontCutOffText.clear();
    model_.Display.RearCutOffText.clear();
    ShowRevArmButtons(SBRevArm->value());
}

}  // namespace lm
