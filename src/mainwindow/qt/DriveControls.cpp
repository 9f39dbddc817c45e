// The drive controls: Run/Stop, 0 and 180 degrees, the driver-angle and step-angle bars
// and the step buttons.

#include "mainwindow/qt/DriveControls.h"

#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

#include "common/Numbers.h"
#include "common/qt/HorizontalBar.h"
#include "common/qt/PushButton.h"
#include "mainwindow/StepAngleBands.h"

namespace lm {

DriveControls::DriveControls(QWidget* area, Model& model, MainWindowState& state)
    : model_(model), state_(state) {
    SBDrvAng = MakeHorizontalBar(area, "SBDrvAng", {336, 40, 121, 12}, -4000, 40000, 1000, 4500,
                                 "Set Driver Angle From 0 to 360 Deg");
    SBDrvAng->setValue(1);
    SBStepAng = MakeHorizontalBar(area, "SBStepAng", {336, 54, 121, 12}, kStepBarMin, kStepBarMax,
                                  920, 2760, "Set Driver Step Angle to Predefined Values");
    SBStepAng->setValue(kStepBarPos10);
    Run = MakePushButton(area, "Run", {277, 39, 36, 14}, "Stop", "Start / Stop Driver Rotation");
    Deg180 = MakePushButton(area, "Deg180", {252, 39, 25, 14}, "180", "Set Driver Angle to 180 Deg");
    Deg00 = MakePushButton(area, "Deg00", {313, 39, 22, 14}, "0.0", "Set Driver to 0 Deg");
    Step1 = MakePushButton(area, "Step1", {252, 53, 25, 14}, "1.0", "Set Driver Step Angle to 1 Deg");
    Step10 = MakePushButton(area, "Step10", {277, 53, 29, 14}, "10.0",
                            "Set Driver Step Angle to 10 Deg");
    Step45 = MakePushButton(area, "Step45", {306, 53, 29, 14}, "45.0",
                            "Set Driver Step Angle to 45 Deg");
    // The gear runs at start with the step 10 chosen.
    SBDrvAng->setEnabled(false);
    Step10->setEnabled(false);

    QObject::connect(Run, &QPushButton::clicked, area, [this] { RunClick(); });
    QObject::connect(Deg00, &QPushButton::clicked, area, [this] { Deg00Click(); });
    QObject::connect(Deg180, &QPushButton::clicked, area, [this] { Deg180Click(); });
    QObject::connect(SBDrvAng, &QScrollBar::valueChanged, area, [this](int p) { AngleBarChanged(p); });
    QObject::connect(SBStepAng, &QScrollBar::valueChanged, area, [this](int p) { StepBarChanged(p); });
    QObject::connect(Step1, &QPushButton::clicked, area, [this] { Step1Click(); });
    QObject::connect(Step10, &QPushButton::clicked, area, [this] { Step10Click(); });
    QObject::connect(Step45, &QPushButton::clicked, area, [this] { Step45Click(); });
}

void DriveControls::ShowRunning() {
    Run->setText(state_.Running ? "Stop" : "Run");
    SBDrvAng->setEnabled(!state_.Running);
}

void DriveControls::RunClick() {
    if (state_.Running) {
        const int position = RoundToInt(static_cast<long double>(model_.Gear.DriverAngle) * 100);
        // The stopped angle is always the bar's, to the hundredth, even when the bar
        // already stands there and so reports no change.
        if (SBDrvAng->value() == std::clamp(position, SBDrvAng->minimum(), SBDrvAng->maximum()))
            AngleBarChanged(SBDrvAng->value());
        else
            SBDrvAng->setValue(position);
        model_.Gear.StepAngle = 0;
        state_.Running = false;
    } else {
        model_.Gear.StepAngle = state_.StepAngleSetting;
        state_.Running = true;
    }
    ShowRunning();
    Deg00->setEnabled(true);
    Deg180->setEnabled(true);
}

void DriveControls::Stop(float angle, int barPosition) {
    model_.Gear.DriverAngle = angle;
    SBDrvAng->setValue(barPosition);
    model_.Gear.StepAngle = 0;
    state_.Running = false;
    ShowRunning();
}

void DriveControls::Deg00Click() {
    Stop(0, 0);
    Deg00->setEnabled(false);
    Deg180->setEnabled(true);
}

void DriveControls::Deg180Click() {
    Stop(180, 18000);
    Deg180->setEnabled(false);
    Deg00->setEnabled(true);
}

void DriveControls::AngleBarChanged(int position) {
    model_.Gear.DriverAngle = static_cast<float>(position / 100.0L);
    Deg180->setEnabled(true);
    Deg00->setEnabled(true);
}

void DriveControls::StepBarChanged(int position) {
    if (!state_.StepBarLive) {
        state_.StepBarLive = true;
    } else {
        const StepBand& band = StepBandAt(position);
        SBDrvAng->setSingleStep(band.smallChange);
        SBDrvAng->setPageStep(band.largeChange);
        state_.StepAngleSetting = band.step;
        if (state_.Running) model_.Gear.StepAngle = state_.StepAngleSetting;
    }
    Step10->setEnabled(state_.StepAngleSetting != 10);
    Step45->setEnabled(state_.StepAngleSetting != 45);
    Step1->setEnabled(state_.StepAngleSetting != 1);
}

void DriveControls::ApplyStepChoice(float step, QPushButton* pressed, int barPosition) {
    pressed->setEnabled(false);
    state_.StepAngleSetting = step;
    if (state_.Running) model_.Gear.StepAngle = state_.StepAngleSetting;
    // The bar sets the driver-angle bar's steps and the buttons' enabling; make sure it
    // does so even when it already stands at the position.
    if (SBStepAng->value() == barPosition)
        StepBarChanged(barPosition);
    else
        SBStepAng->setValue(barPosition);
}

void DriveControls::Step1Click() { ApplyStepChoice(1, Step1, kStepBarPos1); }
void DriveControls::Step10Click() { ApplyStepChoice(10, Step10, kStepBarPos10); }
void DriveControls::Step45Click() { ApplyStepChoice(45, Step45, kStepBarPos45); }

void DriveControls::StopAt(int angleBarPosition) {
    state_.Running = false;
    model_.Gear.StepAngle = 0;
    const int p = std::clamp(angleBarPosition, SBDrvAng->minimum(), SBDrvAng->maximum());
    if (SBDrvAng->value() == p)
        AngleBarChanged(p);
    else
        SBDrvAng->setValue(p);
    ShowRunning();
    Deg00->setEnabled(true);
    Deg180->setEnabled(true);
}

void DriveControls::ShowTypedStep(int stepBarPosition, int angleSmallChange, int angleLargeChange) {
    SBDrvAng->setSingleStep(angleSmallChange);
    SBDrvAng->setPageStep(angleLargeChange);
    // The flag is cleared only for a move that will report itself; where the bar already
    // stands, its handler is run directly, so the flag never stays cleared.
    state_.StepBarLive = false;
    const int p = std::clamp(stepBarPosition, SBStepAng->minimum(), SBStepAng->maximum());
    if (SBStepAng->value() == p)
        StepBarChanged(p);
    else
        SBStepAng->setValue(p);
}

void DriveControls::WindowActivated() { SBDrvAng->setEnabled(!state_.Running); }

void DriveControls::SetScreenVisible(bool visible) {
    for (QWidget* w : std::initializer_list<QWidget*>{Deg180, Run, Deg00, Step1, Step10, Step45,
                                                      SBDrvAng, SBStepAng})
        w->setVisible(visible);
}

}  // namespace lm
