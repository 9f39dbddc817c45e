// The drive controls of the main window: run/stop, the driver angle and the step angle
// the driver turns by each tick.
#pragma once

#include <initializer_list>

#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

class QPushButton;
class QScrollBar;
class QWidget;

namespace lm {

class DriveControls {
public:
    DriveControls(QWidget* area, Model& model, MainWindowState& state);

    void RunClick();
    void Deg00Click();
    void Deg180Click();
    void AngleBarChanged(int position);
    void StepBarChanged(int position);
    void Step1Click();
    void Step10Click();
    void Step45Click();
    // A typed driver angle: the gear stops there, as Run would stop it.
    void StopAt(int angleBarPosition);
    // A typed step: the step bar shows it without taking the move as a new choice, and the
    // angle bar's arrows and page step by it.
    void ShowTypedStep(int stepBarPosition, int angleSmallChange, int angleLargeChange);
    // Coming back to the window from a dialog must not leave a stopped gear without its
    // angle bar.
    void WindowActivated();

    void SetScreenVisible(bool visible);

private:
    void Stop(float angle, int barPosition);
    void ApplyStepChoice(float step, QPushButton* pressed, int barPosition);
    void ShowRunning();

    Model& model_;
    MainWindowState& state_;
    QScrollBar* SBDrvAng = nullptr;
    QScrollBar* SBStepAng = nullptr;
    QPushButton* Run = nullptr;
    QPushButton* Deg180 = nullptr;
    QPushButton* Deg00 = nullptr;
    QPushButton* Step1 = nullptr;
    QPushButton* Step10 = nullptr;
    QPushButton* Step45 = nullptr;
};

}  // namespace lm
