// Menu commands of the main window: reset all, exit, and the commands that open the
// editors, dialogs, diagrams and help windows.
#include <QTimer>

#include "diagrams/qt/DiagramWindows.h"
#include "diagrams/qt/SetRevArm.h"
#include "kinematics/MidGear.h"
#include "mainwindow/SoundOutput.h"
#include "mainwindow/qt/MainForm.h"
#include "model/Defaults.h"
#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"
#include "workbench/qt/ValveEventsWindow.h"

namespace lm {

namespace {
constexpr float kDefaultVerticalScale = 1.5f;
}  // namespace

void MainForm::ResetAllClick() {
    // The frame and cylinder editors' resets (the arm's travel comes back with the
    // frame), then mid gear and the normal view; the working state is emptied last.
    ResetFrameDimensions(model_);
    revArm_->SetBarRange();
    ResetCylinderDimensions(model_);
    FindMidGear(model_);
    CenterClick();
    NormVHZClick();
    model_.DataSetName = "Nominal";
    model_.Diagram.VerticalScale = kDefaultVerticalScale;
    model_.Display.DynVarsShown = false;
    dynVars_->ShowBars();
    ResetDynQueue(model_);
    ClearUndo(model_);
    model_.Display.UndoLineShown = false;
    dynVars_->ShowUndoButton();
}

void MainForm::Exit1Click() { close(); }

void MainForm::DrawLines1Click() {
    const Pivot& p1 = model_.P(RefPoint1);
    const Pivot& p2 = model_.P(RefPoint2);
    // Nothing to draw from yet: the user hears it, the window opens all the same.
    if (p1.X == 0 && p1.Y == 0 && p2.X == 0 && p2.Y == 0 && state_.Sound != nullptr)
        state_.Sound->Beep();
    // The lines and circles window opens here once it exists.
}

void MainForm::BuildDiagramWindows() {
    setRevArm_ = new SetRevArm(model_, this);
    sineDia_ = new SineDia(model_, DiagramHostFor(SineTitle), this);
    ovalDia_ = new OvalDia(model_, DiagramHostFor(OvalTitle), this);
    steamDia_ = new SteamDia(model_, DiagramHostFor(SteamTitle), this);
    portDia_ = new PortDia(model_, DiagramHostFor(PortTitle), this);
}

DiagramHost MainForm::DiagramHostFor(TitleIndex title) {
    DiagramHost host;
    host.SetMainTimerEnabled = [this](bool enabled) {
        if (enabled)
            timer_->start();
        else
            timer_->stop();
    };
    host.ShowMainControls = [this] {
        dynVars_->ShowBars();
        dynVars_->ShowUndoButton();
    };
    host.Title = [this, title] { return state_.Titles[title]; };
    host.ShowSetRevArm = [this] { setRevArm_->Open(); };
    return host;
}

void MainForm::SineDiagClick() { sineDia_->Open(); }
void MainForm::OvalDiagClick() { ovalDia_->Open(); }
void MainForm::SteamDiagClick() { steamDia_->Open(); }

void MainForm::FourEventsClick() {
    model_.Diagram.GraphChoice = 'F';
    portDia_->Open();
}

void MainForm::ValveEventsClick() {
    if (valveEvents_ == nullptr) {
        ValveEventsHost host;
        host.ModelChanged = [this] {
            revArm_->ShowBar();
            dynVars_->ShowUndoButton();
        };
        valveEvents_ = new ValveEventsWindow(model_, std::move(host), this);
    }
    valveEvents_->Open();
}

// The windows below arrive with their own work; each command is the one place that will
// show its window modally.
void MainForm::RevArmPosClick() {}
void MainForm::DriverAngClick() {}
void MainForm::StepAng1Click() {}
void MainForm::RefPoints1Click() {}
void MainForm::FrameDimClick() {}
void MainForm::CylDimClick() {}
void MainForm::SetGraphicZoomClick() {}
void MainForm::InstructionsClick() {}
void MainForm::SpecInstrClick() {}
void MainForm::About1Click() {}
void MainForm::DataTableButClick() {}

}  // namespace lm
