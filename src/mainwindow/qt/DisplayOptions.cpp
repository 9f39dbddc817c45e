// The display options of the SetUp menu and the on/off switches on the menu bar.
#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>

#include "common/Numbers.h"
#include "common/TextScaleExtent.h"
#include "mainwindow/PressHandler.h"
#include "mainwindow/ViewControls.h"
#include "mainwindow/qt/MainForm.h"

namespace lm {

void MainForm::SetScreenControlsVisible(bool visible) {
    for (int n : {1, 2, 3, 4, 9, 10, 12}) Panel[static_cast<std::size_t>(n)]->setVisible(visible);
    view_->SetScreenVisible(visible);
    revArm_->SetScreenVisible(visible);
    drive_->SetScreenVisible(visible);
    ToolBar1->setVisible(visible);
    for (QAction* a : {DriverAng, FindRevArmCent, DynamicVariables, RefPoints, SetUnDo,
                       SetPivotData})
        a->setEnabled(visible);
    RefPoints1->setVisible(visible);
    SetPanZoom->setEnabled(!visible);
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
        SetScreenData->setText("SetScree&nData On");
    } else {
        // The reference-point, dynamic-variable and undo controls wait for their own
        // commands.
        SetScreenControlsVisible(true);
        view_->Sync();
        SetPanZoom->setText("Set&PanZoom On");
        SetScreenData->setText("SetScree&nData Off");
        revArm_->Bar()->setFocus();
    }
}

void MainForm::SetPanZoomClick() {
    const PanZoomToggle next = lm::SetPanZoomClick(SetPanZoom->text().toStdString());
    SetPanZoom->setText(QString::fromUtf8(next.caption.data(),
                                          static_cast<qsizetype>(next.caption.size())));
    view_->ShowPanZoomBars(next.barsShown);
}

void MainForm::SetSteamClick() {
    bool& on = model_.Display.SteamDisplayOn;
    on = !on;
    SetSteam->setText(on ? "SetS&teamDisp Off" : "SetS&teamDisp On");
}

void MainForm::SetBeepOnErrorClick() {
    bool& on = model_.Gear.ErrorBeepOn;
    on = !on;
    SetBeepOnError->setText(on ? "Set&ErrorBeep Off" : "Set&ErrorBeep On");
}

void MainForm::SetLineWidthClick() {
    int& width = model_.Display.LineWidth;
    if (width == 1) {
        width = 2;
        SetLineWidth->setText("Set&LineWidth 1");
    } else {
        width = 1;
        SetLineWidth->setText("Set&LineWidth 2");
    }
}

void MainForm::LargeFontClick() {
    DisplayState& d = model_.Display;
    const bool large = d.TextScaleX == 1 && d.TextScaleY == 1;
    d.TextScaleX = large ? kLargeTextScaleX : 1;
    d.TextScaleY = large ? kLargeTextScaleY : 1;
    LargeFont->setText(large ? "SetSmall&Font" : "SetLarge&Font");
    FitClientAreaToText();
    PlaceDataTableBut();
}

void MainForm::PlaceDataTableBut() {
    // Under the pivot display's six rows, which move down with the large font.
    DataTableBut->move(2, RoundToInt(kDataTableButTop * static_cast<long double>(model_.Display.TextScaleY)));
}

void MainForm::SetPivotDataClick() {
    lm::SetPivotDataClick(model_);
    view_->Sync();
}

}  // namespace lm
