// The windows the main window opens: made once, in the start-up order, and wired to the
// main window's controls.

#include <QTimer>

#include <utility>

#include "common/qt/PictureWidget.h"
#include "common/qt/SettingsStore.h"
#include "diagrams/qt/DiagramWindows.h"
#include "diagrams/qt/SetRevArm.h"
#include "dialogs/qt/AboutBox.h"
#include "dialogs/qt/DataTable.h"
#include "dialogs/qt/DimensionEditorWindow.h"
#include "dialogs/qt/DrivAng.h"
#include "dialogs/qt/GraphZoom.h"
#include "dialogs/qt/InstructionWindows.h"
#include "dialogs/qt/RefPnts.h"
#include "dialogs/qt/RevPos.h"
#include "dialogs/qt/StpAng.h"
#include "mainwindow/qt/MainForm.h"
#include "overlay/qt/DrawLines.h"
#include "workbench/qt/ValveEventsWindow.h"

namespace lm {

std::vector<QWidget*> ChildWindows::All() const {
    std::vector<QWidget*> all{SpecialInstructions, RevArmPositions, Sine, Oval, Steam, Port,
                              PivotTable, LinesAndCircles, FrameEditor, CylinderEditor,
                              RevArmDialog, DriverAngleDialog, StepAngleDialog, RefPointsDialog,
                              GraphicZoomDialog, Instructions, About, ValveEvents};
    std::erase(all, nullptr);
    return all;
}

void MainForm::BuildChildWindows() {
    // A help text that cannot be read is reported and start-up goes on.
    ChildWindows& w = windows_;
    w.SpecialInstructions = new SpecialInst(this);
    w.SpecialInstructions->LoadAtStartUp();

    w.RevArmPositions = new SetRevArm(model_, this);
    w.Sine = new SineDia(model_, DiagramHostFor(SineTitle), this);
    w.Oval = new OvalDia(model_, DiagramHostFor(OvalTitle), this);
    w.Steam = new SteamDia(model_, DiagramHostFor(SteamTitle), this);
    w.Port = new PortDia(model_, DiagramHostFor(PortTitle), this);
    // The diagrams come back where the user last put them.
    for (QWidget* diagram : {static_cast<QWidget*>(w.Sine), static_cast<QWidget*>(w.Oval),
                             static_cast<QWidget*>(w.Steam), static_cast<QWidget*>(w.Port)})
        RememberGeometry(diagram);
    w.PivotTable = new DataTable(model_, [this] { return state_.StepAngleSetting; }, this);
    w.LinesAndCircles = new DrawLines(model_, state_.Sound, this);

    w.FrameEditor = new DimensionEditorWindow(model_, EditorId::Frame, this);
    w.CylinderEditor = new DimensionEditorWindow(model_, EditorId::Cylinder, this);
    for (DimensionEditorWindow* editor : {w.FrameEditor, w.CylinderEditor}) {
        editor->OutcomeShown = [this](const EditorOutcome& out) {
            if (out.RevArmRangeChanged) revArm_->SetBarRange();
            if (out.RevArmPositionChanged) revArm_->ShowBar();
        };
    }

    w.RevArmDialog = new RevPos(model_, this);
    w.RevArmDialog->MoveRevArmBar = [this](int position) { revArm_->MoveBar(position); };
    w.DriverAngleDialog = new DrivAng(model_, this);
    w.DriverAngleDialog->ShowStopped = [this](int position) { drive_->StopAt(position); };
    w.StepAngleDialog = new StpAng(model_, state_.StepAngleSetting, this);
    w.StepAngleDialog->ShowStep = [this](const StpAngOutcome& out) {
        drive_->ShowTypedStep(out.StepBarPosition, out.DrvAngSmallChange, out.DrvAngLargeChange);
    };
    w.RefPointsDialog = new RefPnts(model_, state_.View, this);
    w.RefPointsDialog->ShowRefPoints = [this] { view_->Sync(); };
    w.GraphicZoomDialog = new GraphZoom(model_, this);

    w.Instructions = new Inst(this);
    w.Instructions->LoadAtStartUp();
    w.About = new AboutBox(this);
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
    host.ShowSetRevArm = [this] { windows_.RevArmPositions->Open(); };
    return host;
}

DimensionEditorWindow* MainForm::EditorWindow(EditorId editor) const {
    switch (editor) {
        case EditorId::Frame: return windows_.FrameEditor;
        case EditorId::Cylinder: return windows_.CylinderEditor;
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

}  // namespace lm
