// Menu commands of the main window: reset all, exit, and the commands that open the
// editors, dialogs, diagrams and help windows.
#include <QTimer>

#include <utility>

#include "diagrams/qt/DiagramWindows.h"
#include "common/qt/PictureWidget.h"
#include "diagrams/qt/SetRevArm.h"
#include "dialogs/qt/DimensionEditorWindow.h"
#include "dialogs/qt/DrivAng.h"
#include "dialogs/qt/GraphZoom.h"
#include "dialogs/qt/RefPnts.h"
#include "dialogs/qt/RevPos.h"
#include "dialogs/qt/StpAng.h"
#include "dialogs/qt/AboutBox.h"
#include "dialogs/qt/InstructionWindows.h"
#include "dialogs/qt/DataTable.h"
#include "kinematics/MidGear.h"
#include "mainwindow/SoundOutput.h"
#include "mainwindow/qt/MainForm.h"
#include "model/Defaults.h"
#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"
#include "overlay/qt/DrawLines.h"
#include "workbench/qt/ValveEventsWindow.h"

namespace lm {

namespace {
constexpr float kDefaultVerticalScale = 1.5f;
}  // namespace

void MainForm::ResetAllClick() {
    // The frame and cylinder editors' resets (the arm's travel comes back with the
    // frame), then mid gear and the normal view; the working state is emptied last.
    frameDi_->ResetClick();
    cylDimen_->ResetClick();
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

// Closing asks first when the dimension set has changed (closeEvent).
void MainForm::Exit1Click() { close(); }

void MainForm::BuildEditorWindows() {
    frameDi_ = new DimensionEditorWindow(model_, EditorId::Frame, this);
    cylDimen_ = new DimensionEditorWindow(model_, EditorId::Cylinder, this);
    for (DimensionEditorWindow* editor : {frameDi_, cylDimen_}) {
        editor->OutcomeShown = [this](const EditorOutcome& out) {
            if (out.RevArmRangeChanged) revArm_->SetBarRange();
            if (out.RevArmPositionChanged) revArm_->ShowBar();
        };
    }
}

DimensionEditorWindow* MainForm::EditorWindow(EditorId editor) const {
    switch (editor) {
        case EditorId::Frame: return frameDi_;
        case EditorId::Cylinder: return cylDimen_;
        case EditorId::None: break;
    }
    return nullptr;
}

void MainForm::CarryOutHighlightRequests() {
    HighlightState& h = model_.Highlight;
    const EditorId close = std::exchange(h.CloseRequest, EditorId::None);
    const EditorId reopen = std::exchange(h.ReopenRequest, EditorId::None);
    if (DimensionEditorWindow* editor = EditorWindow(close)) editor->CloseForHighlight();
    if (DimensionEditorWindow* editor = EditorWindow(reopen)) {
        area_->unsetCursor();
        editor->Open();
    }
}

void MainForm::FrameDimClick() { frameDi_->Open(); }
void MainForm::CylDimClick() { cylDimen_->Open(); }

void MainForm::DrawLines1Click() {
    const Pivot& p1 = model_.P(RefPoint1);
    const Pivot& p2 = model_.P(RefPoint2);
    // Nothing to draw from yet: the user hears it, the window opens all the same.
    if (p1.X == 0 && p1.Y == 0 && p2.X == 0 && p2.Y == 0 && state_.Sound != nullptr)
        state_.Sound->Beep();
    drawLines_->Open();
}

void MainForm::BuildDiagramWindows() {
    setRevArm_ = new SetRevArm(model_, this);
    sineDia_ = new SineDia(model_, DiagramHostFor(SineTitle), this);
    ovalDia_ = new OvalDia(model_, DiagramHostFor(OvalTitle), this);
    steamDia_ = new SteamDia(model_, DiagramHostFor(SteamTitle), this);
    portDia_ = new PortDia(model_, DiagramHostFor(PortTitle), this);
    dataTable_ = new DataTable(model_, [this] { return state_.StepAngleSetting; }, this);
    drawLines_ = new DrawLines(model_, state_.Sound, this);
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

void MainForm::BuildSettingDialogs() {
    revPos_ = new RevPos(model_, this);
    revPos_->MoveRevArmBar = [this](int position) { revArm_->MoveBar(position); };
    drivAng_ = new DrivAng(model_, this);
    drivAng_->ShowStopped = [this](int position) { drive_->StopAt(position); };
    stpAng_ = new StpAng(model_, state_, this);
    stpAng_->ShowStep = [this](const StpAngOutcome& out) {
        drive_->ShowTypedStep(out.StepBarPosition, out.DrvAngSmallChange, out.DrvAngLargeChange);
    };
    refPnts_ = new RefPnts(model_, state_, this);
    refPnts_->ShowRefPoints = [this] { view_->Sync(); };
    graphZoom_ = new GraphZoom(model_, this);
}

void MainForm::RevArmPosClick() { revPos_->Open(); }
void MainForm::DriverAngClick() { drivAng_->Open(); }
void MainForm::StepAng1Click() { stpAng_->Open(); }
void MainForm::RefPoints1Click() { refPnts_->Open(); }
void MainForm::SetGraphicZoomClick() { graphZoom_->Open(); }

void MainForm::DataTableButClick() {
    dataTable_->Open(QString::fromStdString(state_.Titles[DataTableTitle]));
}

void MainForm::SineDiagClick() { sineDia_->Open(); }
void MainForm::OvalDiagClick() { ovalDia_->Open(); }
void MainForm::SteamDiagClick() { steamDia_->Open(); }

void MainForm::InstructionsClick() { inst_->exec(); }
void MainForm::SpecInstrClick() { specialInst_->exec(); }
void MainForm::About1Click() { aboutBox_->exec(); }

void MainForm::FourEventsClick() {
    model_.DiagramWindows.GraphChoice = 'F';
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

}  // namespace lm
