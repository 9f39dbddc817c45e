#pragma once

#include <QImage>
#include <QMainWindow>

#include "mainwindow/MainWindowState.h"
#include "mainwindow/ViewControls.h"
#include "model/Model.h"

class QPushButton;
class QScrollBar;
class QTimer;
class QWidget;

namespace lm {

class DrawingArea;

struct MainFormOptions {
    int tickMs = 16;
    // Tests drive the ticks themselves.
    bool startTimer = true;
};

// The main window: the gear picture with the controls on top of it. The window wires its
// controls to the model and to the view and tick logic; of the gear's state it keeps only
// what its step controls chose.
class MainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit MainForm(Model& model, MainFormOptions options = {}, QWidget* parent = nullptr);
    ~MainForm() override;

    Model& model() { return model_; }
    MainWindowState& state() { return state_; }
    QTimer* timer() const { return timer_; }
    // The last finished picture: 1280 x 1024 logical pixels at the screen's ratio.
    const QImage& picture() const { return picture_; }
    bool running() const;

    // The step chosen by the user; StepAngle takes it whenever the gear runs.
    float StepAngleSetting = 10;
    // Cleared by whoever moves the step bar after setting the step itself, so that the
    // move is not interpreted.
    bool StepBarLive = true;

    // Start-up and lifecycle.
    void FormCreate();
    void FormActivate();
    void FormClose();

    // One animation tick: solve, map, advance the angle, draw.
    void Timer1Timer();

    // Run/stop, driver angle and step angle.
    void RunClick();
    void Deg00Click();
    void Deg180Click();
    void SBDrvAngChange(int position);
    void SBStepAngChange(int position);
    void Step1Click();
    void Step10Click();
    void Step45Click();

    // Pan, zoom and presets.
    void SBPanVertChange(int position);
    void SBPanHorzChange(int position);
    void SBZoomChange(int position);
    void NormVHZClick();
    void Preset0Click();
    void Preset1Click() { PresetClick(1); }
    void Preset2Click() { PresetClick(2); }
    void Preset3Click() { PresetClick(3); }
    void Preset4Click() { PresetClick(4); }
    void Preset5Click() { PresetClick(5); }
    void Preset6Click() { PresetClick(6); }
    void PresetClick(int slot);

    // Reference points.
    void RefPointsClick();
    void RefPt1Click();
    void RefPt2Click();
    void SBRef1VertChange(int position);
    void SBRef1HorzChange(int position);
    void SBRef2VertChange(int position);
    void SBRef2HorzChange(int position);
    void RefPt1ZeroClick();
    void RefPt2ZeroClick();
    // A press on the drawing at client-area pixel (x, y).
    void FormMouseDown(Qt::MouseButton button, int x, int y);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildControls();
    void CentreOnScreen();
    void ApplyStepChoice(float step, QPushButton* pressed, int barPosition);
    void DrawPicture();
    void SyncViewControls();
    void ResetRelativeBar(QScrollBar* bar);
    void RefBarChange(RefPointBar which, QScrollBar* bar, int position);

    Model& model_;
    MainWindowState state_;
    MainFormOptions options_;
    QTimer* timer_ = nullptr;
    DrawingArea* area_ = nullptr;
    QImage picture_;

    QScrollBar* SBRevArm = nullptr;
    QScrollBar* SBDrvAng = nullptr;
    QScrollBar* SBStepAng = nullptr;
    QPushButton* Run = nullptr;
    QPushButton* Deg180 = nullptr;
    QPushButton* Deg00 = nullptr;
    QPushButton* Step1 = nullptr;
    QPushButton* Step10 = nullptr;
    QPushButton* Step45 = nullptr;

    QScrollBar* SBPanVert = nullptr;
    QScrollBar* SBPanHorz = nullptr;
    QScrollBar* SBZoom = nullptr;
    QPushButton* NormVHZ = nullptr;
    QPushButton* Preset[7] = {};
    QPushButton* RefPt1 = nullptr;
    QPushButton* RefPt2 = nullptr;
    QScrollBar* SBRef1Vert = nullptr;
    QScrollBar* SBRef1Horz = nullptr;
    QScrollBar* SBRef2Vert = nullptr;
    QScrollBar* SBRef2Horz = nullptr;
    QPushButton* RefPt1Zero = nullptr;
    QPushButton* RefPt2Zero = nullptr;
    QWidget* Panel5 = nullptr;
    QWidget* Panel6 = nullptr;
    QWidget* Panel11 = nullptr;
};

}  // namespace lm
