// The reverse-arm bar and its Fwd, Cen, Rev and find-mid-gear buttons.

#include "mainwindow/qt/ReverseArmControls.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

#include "common/qt/HorizontalBar.h"
#include "common/qt/PushButton.h"
#include "kinematics/MidGear.h"
#include "kinematics/ReverseArm.h"

namespace lm {

ReverseArmControls::ReverseArmControls(QWidget* area, Model& model) : model_(model) {
    // One bar step is 0.001 length unit of arm travel from mid gear; the range is set at
    // start-up from the geometry.
    SBRevArm = MakeHorizontalBar(area, "SBRevArm", {336, 26, 121, 12}, -100, 100, 1, 20,
                                 "Set Reverse Arm Between Max & Min");
    auto button = [area](const char* name, QRect geometry, const char* caption,
                         const char* hint) {
        return MakePushButton(area, name, geometry, caption, hint);
    };
    Rev = button("Rev", {252, 25, 28, 14}, "Rev", "Set Reverse Arm to Normal Reverse");
    Center = button("Center", {280, 25, 27, 14}, "Cen", "Set Reverse Arm to Mid Gear");
    Fwd = button("Fwd", {307, 25, 28, 14}, "Fwd", "Set Reverse Arm to Normal Forward");
    // The arm starts at mid gear.
    Center->setEnabled(false);

    QObject::connect(SBRevArm, &QScrollBar::valueChanged, area, [this](int p) { BarChanged(p); });
    QObject::connect(Fwd, &QPushButton::clicked, area, [this] { FwdClick(); });
    QObject::connect(Rev, &QPushButton::clicked, area, [this] { RevClick(); });
    QObject::connect(Center, &QPushButton::clicked, area, [this] { CenterClick(); });
}

void ReverseArmControls::ShowMidGear() {
    SetBarRange();
    const QSignalBlocker quiet(SBRevArm);
    SBRevArm->setValue(0);
}

void ReverseArmControls::SetScreenVisible(bool visible) {
    for (QWidget* w : {static_cast<QWidget*>(SBRevArm), static_cast<QWidget*>(Rev),
                       static_cast<QWidget*>(Center), static_cast<QWidget*>(Fwd)})
        w->setVisible(visible);
}

void ReverseArmControls::ArmJumped() {
    model_.Display.FrontCutOffText.clear();
    model_.Display.RearCutOffText.clear();
}

// Fwd and Rev are disabled while the bar stands where they would put it. Compared in bar
// steps: the arm position itself is a sum of singles and may miss the button's position
// by a rounding bit.
void ReverseArmControls::ShowButtons(int p) {
    Fwd->setEnabled(p != NormalForwardBarPosition(model_));
    Rev->setEnabled(p != NormalReverseBarPosition(model_));
    Center->setEnabled(p != 0);
}

void ReverseArmControls::BarChanged(int position) {
    SetRevArmFromBar(model_, position);
    ShowButtons(position);
}

void ReverseArmControls::MoveBar(int position) {
    const int p = std::clamp(position, SBRevArm->minimum(), SBRevArm->maximum());
    if (SBRevArm->value() == p)
        BarChanged(p);
    else
        SBRevArm->setValue(p);
}

void ReverseArmControls::FwdClick() {
    const GearState& g = model_.Gear;
    model_.Gear.RevArmPos =
        static_cast<float>(static_cast<long double>(g.RevArmCenter) + model_.Frame.RevArmCentNorm);
    // Moving the bar sets the arm again from the bar's position.
    SBRevArm->setValue(NormalForwardBarPosition(model_));
    Fwd->setEnabled(false);
    Rev->setEnabled(true);
    Center->setEnabled(true);
    ArmJumped();
}

void ReverseArmControls::RevClick() {
    const GearState& g = model_.Gear;
    model_.Gear.RevArmPos =
        static_cast<float>(static_cast<long double>(g.RevArmCenter) - model_.Frame.RevArmCentNorm);
    SBRevArm->setValue(NormalReverseBarPosition(model_));
    Rev->setEnabled(false);
    Fwd->setEnabled(true);
    Center->setEnabled(true);
    ArmJumped();
}

void ReverseArmControls::CenterClick() {
    SBRevArm->setValue(0);
    model_.Gear.RevArmPos = model_.Gear.RevArmCenter;
    Fwd->setEnabled(true);
    Rev->setEnabled(true);
    Center->setEnabled(false);
    ArmJumped();
}

void ReverseArmControls::FindRevArmCentClick() {
    FindMidGear(model_);
    CenterClick();
}

void ReverseArmControls::SetBarRange() {
    const int max = RevArmBarMax(model_);
    const QSignalBlocker quiet(SBRevArm);
    SBRevArm->setRange(-max, max);
}

void ReverseArmControls::ShowBar() {
    SetBarRange();
    {
        // Quietly: the bar is made to show the arm, not to move it.
        const QSignalBlocker quiet(SBRevArm);
        SBRevArm->setValue(RevArmBarPosition(model_));
    }
    // The bar's right half is forward gear in either sense.
    model_.Gear.RotationDir = SBRevArm->value() >= 0 ? Rotation::Fwd : Rotation::Rev;
    ArmJumped();
    ShowButtons(SBRevArm->value());
}

}  // namespace lm
