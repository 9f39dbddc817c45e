// The display options of the SetUp menu and the on/off switches on the menu bar.
#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>

#include "mainwindow/ViewControls.h"
#include "mainwindow/qt/MainForm.h"

namespace lm {

namespace {
constexpr float kLargeTextScaleX = 1.27f;
constexpr float kLargeTextScaleY = 1.22f;
}  // namespace

void MainForm::SetScreenControlsVisible(bool visible) {
    for (int n : {1, 2, 3, 4, 9, 10, 12}) Panel[static_cast<std::size_t>(n)]->setVisible(visible);
    for (QPushButton* b : Preset) b->setVisible(visible);
    for (QWidget* w : std::initializer_list<QWidget*>{
             NormVHZ, RefPt1, RefPt2, Rev, Center, Fwd, Deg180, Run, Deg00, Step1, Step10,
             Step45, SBPanVert, SBPanHorz, SBZoom, SBRevArm, SBDrvAng, SBStepAng, ToolBar1})
        w->setVisible(visible);
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
        SyncViewControls();
        ShowDynVarControls();
        UnDoDn->hide();
        SetScreenData->setText("SetScree&nData On");
    } else {
        // The reference-point, dynamic-variable and undo controls wait for their own
        // commands.
        SetScreenControlsVisible(true);
        SyncViewControls();
        SetPanZoom->setText("Set&PanZoom On");
        SetScreenData->setText("SetScree&nData Off");
        SBRevArm->setFocus();
    }
}

void MainForm::SetPanZoomClick() {
    const PanZoomToggle next = lm::SetPanZoomClick(SetPanZoom->text().toStdString());
    SetPanZoom->setText(QString::fromUtf8(next.caption.data(),
                                          static_cast<qsizetype>(next.caption.size())));
    for (QScrollBar* b : {SBPanVert, SBPanHorz, SBZoom}) b->setVisible(next.barsShown);
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
    if (LargeFont->text() == "SetLarge&Font") {
        d.TextScaleX = kLargeTextScaleX;
        d.TextScaleY = kLargeTextScaleY;
        LargeFont->setText("SetSmall&Font");
    } else {
        d.TextScaleX = 1;
        d.TextScaleY = 1;
        LargeFont->setText("SetLarge&Font");
    }
    FitClientAreaToText();
}

void MainForm::SetPivotDataClick() {
    DisplayState& d = model_.Display;
    if (d.PivotDataOn) {
        d.PivotDataOn = false;
    } else {
        d.PivotDataOn = true;
        // The pivots are picked with the reference points.
        if (!d.RefPointsOn) lm::RefPointsClick(d);
    }
    SyncViewControls();
}

}  // namespace lm
