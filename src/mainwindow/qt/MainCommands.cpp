// Menu commands of the main window: reset all, exit, and the commands that open the
// editors, dialogs, diagrams and help windows (made in MainWindows.cpp).
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
#include "common/SoundOutput.h"
#include "mainwindow/qt/MainForm.h"
#include "model/Defaults.h"
#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"
#include "overlay/qt/DrawLines.h"
#include "workbench/qt/ValveEventsWindow.h"

namespace lm {

void MainForm::ResetAllClick() {
    // The frame and cylinder editors' resets (the arm's travel comes back with the
    // frame), then mid gear and the normal view; the working state is emptied last.
    windows_.FrameEditor->ResetClick();
    windows_.CylinderEditor->ResetClick();
    FindMidGear(model_);
    CenterClick();
    NormVHZClick();
    ResetNameAndVerticalScale(model_);
    // The nominal set is no file's: Ctrl+S asks for a name again.
    files_->ForgetFile();
    model_.Display.DynVarsShown = false;
    dynVars_->ShowBars();
    ResetDynQueue(model_);
    ClearUndo(model_);
    model_.Display.UndoLineShown = false;
    dynVars_->ShowUndoButton();
}

// Closing asks first when the dimension set has changed (closeEvent).
void MainForm::Exit1Click() { close(); }

void MainForm::FrameDimClick() { windows_.FrameEditor->Open(); }
void MainForm::CylDimClick() { windows_.CylinderEditor->Open(); }

void MainForm::DrawLines1Click() {
    const Pivot& p1 = model_.P(RefPoint1);
    const Pivot& p2 = model_.P(RefPoint2);
    // Nothing to draw from yet: the user hears it, the window opens all the same.
    if (p1.X == 0 && p1.Y == 0 && p2.X == 0 && p2.Y == 0 && state_.Sound != nullptr)
        state_.Sound->Beep();
    windows_.LinesAndCircles->Open();
}

void MainForm::RevArmPosClick() { windows_.RevArmDialog->Open(); }
void MainForm::DriverAngClick() { windows_.DriverAngleDialog->Open(); }
void MainForm::StepAng1Click() { windows_.StepAngleDialog->Open(); }
void MainForm::RefPoints1Click() { windows_.RefPointsDialog->Open(); }
void MainForm::SetGraphicZoomClick() { windows_.GraphicZoomDialog->Open(); }

void MainForm::DataTableButClick() {
    windows_.PivotTable->Open(QString::fromStdString(state_.Titles[DataTableTitle]));
}

void MainForm::SineDiagClick() { windows_.Sine->Open(); }
void MainForm::OvalDiagClick() { windows_.Oval->Open(); }
void MainForm::SteamDiagClick() { windows_.Steam->Open(); }

void MainForm::InstructionsClick() { windows_.Instructions->exec(); }
void MainForm::SpecInstrClick() { windows_.SpecialInstructions->exec(); }
void MainForm::About1Click() { windows_.About->exec(); }

void MainForm::FourEventsClick() {
    model_.DiagramWindows.GraphChoice = 'F';
    windows_.Port->Open();
}

void MainForm::ValveEventsClick() {
    if (windows_.ValveEvents == nullptr) {
        ValveEventsHost host;
        host.ModelChanged = [this] {
            revArm_->ShowBar();
            dynVars_->ShowUndoButton();
        };
        windows_.ValveEvents = new ValveEventsWindow(model_, std::move(host), this);
    }
    windows_.ValveEvents->Open();
}

}  // namespace lm
