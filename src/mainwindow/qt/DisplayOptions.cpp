// The display options of the SetUp menu, the on/off switches on the menu bar, and what
// the window shows of the tick's and the view's state.
#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>

#include "common/Numbers.h"
#include "common/TextScaleExtent.h"
#include "common/qt/PictureWidget.h"
#include "dialogs/qt/DataTable.h"
#include "mainwindow/PressHandler.h"
#include "mainwindow/WindowControlState.h"
#include "view/ViewControls.h"
#include "mainwindow/qt/MainForm.h"

namespace lm {

void MainForm::SetScreenControlsVisible(bool visible) {
    for (int n : {1, 2, 3, 4, 9, 10, 12}) Panel[static_cast<std::size_t>(n)]->setVisible(visible);
    view_->SetScreenVisible(visible);
    revArm_->SetScreenVisible(visible);
    drive_->SetScreenVisible(visible);
    ToolBar1->setVisible(visible);
    ShowCommandStates();
}

void MainForm::SetScreenDataClick() {
    DisplayState& d = model_.Display;
    d.ScreenDataOn = !d.ScreenDataOn;
    if (!d.ScreenDataOn) {
        // The picture alone: every control goes, and with them what they were showing.
        d.DynVarsShown = false;
        d.RefPointsOn = false;
        d.UndoLineShown = false;
        d.PivotDataOn = false;
        SetScreenControlsVisible(false);
        view_->Sync();
        dynVars_->ShowBars();
        dynVars_->HideUndoButton();
        Command("SetScreenData")->setText("SetScree&nData On");
    } else {
        // The reference-point, dynamic-variable and undo controls wait for their own
        // commands.
        SetScreenControlsVisible(true);
        view_->Sync();
        // The pan and zoom bars came back with the screen data.
        state_.View.PanZoomBarsShown = false;
        Command("SetPanZoom")->setText("Set&PanZoom On");
        Command("SetScreenData")->setText("SetScree&nData Off");
        revArm_->Bar()->setFocus();
    }
}

void MainForm::SetPanZoomClick() {
    bool& shown = state_.View.PanZoomBarsShown;
    shown = !shown;
    Command("SetPanZoom")->setText(shown ? "SetP&anZoom Off" : "SetP&anZoom On");
    view_->ShowPanZoomBars(shown);
}

void MainForm::SetSteamClick() {
    bool& on = model_.Display.SteamDisplayOn;
    on = !on;
    Command("SetSteam")->setText(on ? "SetS&teamDisp Off" : "SetS&teamDisp On");
}

void MainForm::SetBeepOnErrorClick() {
    bool& on = model_.Gear.ErrorBeepOn;
    on = !on;
    Command("SetBeepOnError")->setText(on ? "Set&ErrorBeep Off" : "Set&ErrorBeep On");
}

void MainForm::SetLineWidthClick() {
    int& width = model_.Display.LineWidth;
    if (width == 1) {
        width = 2;
        Command("SetLineWidth")->setText("Set&LineWidth 1");
    } else {
        width = 1;
        Command("SetLineWidth")->setText("Set&LineWidth 2");
    }
}

void MainForm::LargeFontClick() {
    DisplayState& d = model_.Display;
    const bool large = d.TextScaleX == 1 && d.TextScaleY == 1;
    d.TextScaleX = large ? kLargeTextScaleX : 1;
    d.TextScaleY = large ? kLargeTextScaleY : 1;
    Command("LargeFont")->setText(large ? "SetSmall&Font" : "SetLarge&Font");
    FitClientAreaToText();
    PlaceDataTableBut();
}

void MainForm::SetPivotDataClick() {
    lm::SetPivotDataClick(model_);
    view_->Sync();
}

void MainForm::ShowTickState() {
    Error->setVisible(state_.ErrorItemVisible);
    const std::string& title = state_.Titles[MainTitle];
    if (!title.empty() && windowTitle().toStdString() != title)
        setWindowTitle(QString::fromStdString(title));
    dynVars_->ShowTickState();
    UndoShortcut->setEnabled(model_.Undo.ButtonsEnabled);
    if (RefPointBarsShown(model_, state_) != Panel[5]->isVisibleTo(area_)) view_->Sync();
    windows_.PivotTable->ShowTitle(QString::fromStdString(state_.Titles[DataTableTitle]));
}

void MainForm::ShowViewDependents() {
    const DisplayState& d = model_.Display;
    for (int n : {5, 6, 11}) Panel[static_cast<std::size_t>(n)]->setVisible(RefPointBarsShown(model_, state_));
    ShowCommandStates();
    DataTableBut->setVisible(d.PivotDataOn);
}

}  // namespace lm
