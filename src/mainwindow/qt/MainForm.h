#pragma once

#include <QImage>
#include <QMainWindow>

#include <array>
#include <memory>

#include "mainwindow/MainWindowState.h"
#include "mainwindow/ViewControls.h"
#include "mainwindow/qt/FileDialogs.h"
#include "model/Model.h"

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolBar;
class QWidget;

namespace lm {

class DiagramWindow;
class DrawingArea;
class SetRevArm;
struct DiagramHost;

struct MainFormOptions {
    int tickMs = 16;
    // Tests drive the ticks themselves.
    bool startTimer = true;
};

// The main window: the gear picture with the controls, tool bar and menus on top of it.
// The window wires its controls to the model, to the view and tick logic and to the file
// commands; its own state lives in MainWindowState. The handlers are spread over a few
// files by the controls they serve.
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

    // Reverse arm.
    void SBRevArmChange(int position);
    void FwdClick();
    void RevClick();
    void CenterClick();
    void FindRevArmCentClick();

    // File commands.
    void OpenDimensionsClick();
    void OpenDosVersionDimClick();
    void SaveAsDimensionsClick();
    void Exit1Click();
    // The dialogs and the error box; tests replace them.
    FileCommandHooks FileHooks;

    // Display options.
    void SetScreenDataClick();
    void SetSteamClick();
    void SetBeepOnErrorClick();
    void SetLineWidthClick();
    void LargeFontClick();
    void SetPanZoomClick();
    void SetPivotDataClick();

    void ResetAllClick();

    // Dynamic variables and undo. Bar k is SBDynVar<k>, 1..4.
    void DynamicVariablesClick();
    void SetUnDoClick();
    void SBDynVarChange(int bar, int position);
    void SBDynVarEnter(int bar);
    void SBDynVarScroll(int bar);
    void SBDynVar1Change(int position) { SBDynVarChange(1, position); }
    void SBDynVar2Change(int position) { SBDynVarChange(2, position); }
    void SBDynVar3Change(int position) { SBDynVarChange(3, position); }
    void SBDynVar4Change(int position) { SBDynVarChange(4, position); }
    void UnDoDnClick();

    // The reverse-arm positions of the diagrams and the four diagram windows, made once.
    SetRevArm* RevArmPositionsWindow() const { return setRevArm_; }
    DiagramWindow* SineDiaWindow() const { return sineDia_; }
    DiagramWindow* OvalDiaWindow() const { return ovalDia_; }
    DiagramWindow* SteamDiaWindow() const { return steamDia_; }
    DiagramWindow* PortDiaWindow() const { return portDia_; }

    // Commands that open windows: each is the one place that opens its window.
    void RevArmPosClick();
    void DriverAngClick();
    void StepAng1Click();
    void RefPoints1Click();
    void FrameDimClick();
    void CylDimClick();
    void SetGraphicZoomClick();
    void DrawLines1Click();
    void SineDiagClick();
    void OvalDiagClick();
    void SteamDiagClick();
    void FourEventsClick();
    void InstructionsClick();
    void SpecInstrClick();
    void About1Click();
    void DataTableButClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildControls();
    void BuildReverseArmControls();
    void BuildDynVarControls();
    void BuildPanels();
    void BuildMenus();
    void FitMenuBar(QMenuBar* bar);
    void BuildToolBar();
    void BuildDiagramWindows();
    DiagramHost DiagramHostFor(TitleIndex title);
    // What the render decided for the window's own widgets: the error item, the title,
    // the dynamic bars' enabling, the UnDo button.
    void ShowRenderState();
    void ShowRevArmButtons(int barPosition);
    // The bar's range from the arm's full-gear travel, set quietly.
    void SetRevArmBarRange();
    // The bar's range and position for the arm as it stands, without moving the arm.
    void ShowRevArmBar();
    void ShowDynVarControls();
    void ShowUndoButton();
    void SetScreenControlsVisible(bool visible);
    void RunFileCommand(const QString& path, bool olderFormat);
    void CentreOnScreen();
    // The large-font layout moves the readouts right and down; the client area grows with it.
    void FitClientAreaToText();
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
    // Panel1..Panel12; [0] unused.
    std::array<QWidget*, 13> Panel{};

    QPushButton* Rev = nullptr;
    QPushButton* Center = nullptr;
    QPushButton* Fwd = nullptr;

    // SBDynVar1..4 at [1]..[4]; [0] unused.
    std::array<QScrollBar*, 5> SBDynVar{};
    QPushButton* UnDoDn = nullptr;
    QPushButton* DataTableBut = nullptr;

    std::unique_ptr<SoundOutput> sound_;

    SetRevArm* setRevArm_ = nullptr;
    DiagramWindow* sineDia_ = nullptr;
    DiagramWindow* ovalDia_ = nullptr;
    DiagramWindow* steamDia_ = nullptr;
    DiagramWindow* portDia_ = nullptr;

    // The menu bar's items, by the names they are known by.
    QAction* OpenDimensions = nullptr;
    QAction* OpenDosVersionDim = nullptr;
    QAction* SaveAsDimensions = nullptr;
    QAction* Exit1 = nullptr;
    QAction* RevArmPos = nullptr;
    QAction* DriverAng = nullptr;
    QAction* StepAng1 = nullptr;
    QAction* RefPoints1 = nullptr;
    QAction* LargeFont = nullptr;
    QAction* FindRevArmCent = nullptr;
    QAction* SetSteam = nullptr;
    QAction* SetBeepOnError = nullptr;
    QAction* SetLineWidth = nullptr;
    QAction* SetScreenData = nullptr;
    QAction* SetPanZoom = nullptr;
    QAction* FrameDim = nullptr;
    QAction* CylDim = nullptr;
    QAction* SetGraphicZoom = nullptr;
    QAction* ResetAll = nullptr;
    QAction* RefPoints = nullptr;
    QAction* DrawLines1 = nullptr;
    QAction* SetPivotData = nullptr;
    QAction* DynamicVariables = nullptr;
    QAction* SetUnDo = nullptr;
    QAction* SineDiag = nullptr;
    QAction* OvalDiag = nullptr;
    QAction* SteamDiag = nullptr;
    QAction* FourEvents = nullptr;
    QAction* Instructions = nullptr;
    QAction* SpecInstr = nullptr;
    QAction* About1 = nullptr;
    QAction* Error = nullptr;

    QToolBar* ToolBar1 = nullptr;
    // The tool button "Draw Lines and Circles", enabled with DrawLines1.
    QAction* DrawLinesTool = nullptr;
};

}  // namespace lm
