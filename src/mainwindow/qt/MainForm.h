// The main window: its controls, menus, timer and the windows it opens.

#pragma once

#include <QImage>
#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

#include "common/qt/PictureChanges.h"
#include "graphics/qt/TextLayouts.h"
#include "mainwindow/IdleTicks.h"
#include "mainwindow/MainWindowState.h"
#include "mainwindow/qt/DriveControls.h"
#include "mainwindow/qt/DynVarControls.h"
#include "mainwindow/qt/FileCommands.h"
#include "mainwindow/qt/FileDialogs.h"
#include "mainwindow/qt/ReverseArmControls.h"
#include "mainwindow/qt/ViewPanel.h"
#include "model/Model.h"

class QAction;
class QMenuBar;
class QPushButton;
class QTimer;
class QToolBar;
class QWidget;

namespace lm {

class AboutBox;
class DiagramWindow;
class DimensionEditorWindow;
class DrivAng;
class GraphZoom;
class RefPnts;
class RevPos;
class StpAng;
class Inst;
class DataTable;
class DrawLines;
class PictureWidget;
class SetRevArm;
class SoundOutput;
class SpecialInst;
class ValveEventsWindow;
struct DiagramHost;

// The pivot data table's button, below the pivot display at the small font.
inline constexpr int kDataTableButTop = 214;

struct MainFormOptions {
    int tickMs = 16;
    // Tests drive the ticks themselves.
    bool startTimer = true;
};

// The main window: the gear picture with the controls, tool bar and menus on top of it.
// It builds the window and wires the control groups (drive, reverse arm, view, dynamic
// variables, files) to the menus and the tick; each group works on the Model and on
// MainWindowState. The commands below are what the menus and the tool bar call.
class MainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit MainForm(Model& model, MainFormOptions options = {}, QWidget* parent = nullptr);
    ~MainForm() override;

    Model& model() { return model_; }
    MainWindowState& state() { return state_; }
    QTimer* timer() const { return timer_; }
    // The last tick's picture, whole: 1280 x 1024 logical pixels at the screen's ratio.
    // A tick draws only the part the window shows; asking for the picture draws the whole
    // as that tick drew its part.
    const QImage& picture();
    // Ticks that solved and drew; a stopped gear with nothing changed does neither.
    struct TickCounts {
        long long solved = 0;
        long long drawn = 0;
    };
    const TickCounts& tickCounts() const { return tickCounts_; }
    bool running() const { return state_.Running; }

    // One animation tick: solve, map, advance the angle, draw, show.
    void Timer1Timer();

    // Drive, reverse arm, view and dynamic variables: handled by their groups.
    void RunClick() { drive_->RunClick(); }
    void FwdClick() { revArm_->FwdClick(); }
    void RevClick() { revArm_->RevClick(); }
    void CenterClick() { revArm_->CenterClick(); }
    void FindRevArmCentClick() { revArm_->FindRevArmCentClick(); }
    void NormVHZClick() { view_->NormVHZClick(); }
    void RefPointsClick() { view_->RefPointsClick(); }
    void DynamicVariablesClick() { dynVars_->DynamicVariablesClick(); }
    void SetUnDoClick() { dynVars_->SetUnDoClick(); }
    void UnDoDnClick() { dynVars_->UnDoDnClick(); }

    // File commands. The dialogs and the error box; tests replace them.
    FileCommandHooks FileHooks;
    void OpenDimensionsClick() { files_->OpenDimensionsClick(); }
    void OpenDosVersionDimClick() { files_->OpenDosVersionDimClick(); }
    void SaveAsDimensionsClick() { files_->SaveAsDimensionsClick(); }
    void Exit1Click();

    // Display options of the SetUp menu and the switches on the menu bar.
    void SetScreenDataClick();
    void SetSteamClick();
    void SetBeepOnErrorClick();
    void SetLineWidthClick();
    void LargeFontClick();
    void SetPanZoomClick();
    void SetPivotDataClick();
    void ResetAllClick();

    // The reverse-arm positions of the diagrams and the four diagram windows, made once.
    SetRevArm* RevArmPositionsWindow() const { return setRevArm_; }
    DiagramWindow* SineDiaWindow() const { return sineDia_; }
    DiagramWindow* OvalDiaWindow() const { return ovalDia_; }
    DiagramWindow* SteamDiaWindow() const { return steamDia_; }
    DiagramWindow* PortDiaWindow() const { return portDia_; }
    // The frame and cylinder dimension editors, made once.
    DimensionEditorWindow* FrameDiWindow() const { return frameDi_; }
    DimensionEditorWindow* CylDimenWindow() const { return cylDimen_; }
    // The pivot data table and the lines and circles window, made once.
    DataTable* DataTableWindow() const { return dataTable_; }
    DrawLines* DrawLinesWindow() const { return drawLines_; }

    // Commands that open windows: each is the one place that opens its window
    // (MainCommands.cpp). Those without a window yet do nothing.
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
    // The valve-events window: not modal, made at its first opening.
    void ValveEventsClick();
    ValveEventsWindow* ValveEventsWin() const { return valveEvents_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildPanels();
    void BuildMenus();
    void FitMenuBar(QMenuBar* bar);
    void BuildToolBar();
    void BuildShortcuts();
    void BuildDiagramWindows();
    void BuildEditorWindows();
    DimensionEditorWindow* EditorWindow(EditorId editor) const;
    // What the highlight asked of the editors during the tick, done once its picture is
    // finished: never from inside a paint.
    void CarryOutHighlightRequests();
    void BuildSettingDialogs();
    DiagramHost DiagramHostFor(TitleIndex title);
    // What the tick decided for the window's own widgets: the error item, the title, the
    // dynamic bars' enabling, the UnDo button and its shortcut.
    void ShowTickState();
    // What follows the view and reference-point state outside the view controls.
    void ShowViewDependents();
    void SetScreenControlsVisible(bool visible);
    void OpenAtClientSize();
    // The large-font layout moves the readouts right and down; the client area grows with it.
    void FitClientAreaToText();
    void PlaceDataTableBut();
    void DrawPicture();
    // The part of the picture the client area shows, in the picture's logical pixels.
    QRect ShownPart() const;
    TickSurroundings Surroundings() const;
    // Draws the top-left `size` of the last tick's picture again, from what that tick drew
    // from, into `image`, at the shown image's ratio.
    void DrawAgain(QImage& image, QSize size);

    Model& model_;
    MainWindowState state_;
    MainFormOptions options_;
    QTimer* timer_ = nullptr;
    PictureWidget* area_ = nullptr;
    // What the window shows: the top-left part of the picture, no larger than the client
    // area, so a tick fills, draws and copies no more memory than it must.
    QImage shown_;
    // What the window showed before the last drawing.
    QImage shownBefore_;
    // The whole picture, drawn when asked for and kept until the next tick.
    QImage whole_;
    // What the last drawing started from (the render changes the state it reads), to
    // draw the same picture again larger.
    struct DrawnFrom {
        Model model;
        MainWindowState state;
    };
    std::optional<DrawnFrom> drawnFrom_;
    IdleTicks idle_;
    PictureChanges changes_;
    // The readouts' texts, laid out once for all ticks.
    TextLayouts textLayouts_;
    TickCounts tickCounts_;

    std::unique_ptr<ReverseArmControls> revArm_;
    std::unique_ptr<DriveControls> drive_;
    std::unique_ptr<ViewPanel> view_;
    std::unique_ptr<DynVarControls> dynVars_;
    std::unique_ptr<FileCommands> files_;

    // Panel1..Panel12; [0] unused.
    std::array<QWidget*, 13> Panel{};
    QPushButton* DataTableBut = nullptr;

    std::unique_ptr<SoundOutput> sound_;

    SetRevArm* setRevArm_ = nullptr;
    DiagramWindow* sineDia_ = nullptr;
    DiagramWindow* ovalDia_ = nullptr;
    DiagramWindow* steamDia_ = nullptr;
    DiagramWindow* portDia_ = nullptr;
    DimensionEditorWindow* frameDi_ = nullptr;
    DimensionEditorWindow* cylDimen_ = nullptr;

    RevPos* revPos_ = nullptr;
    DrivAng* drivAng_ = nullptr;
    StpAng* stpAng_ = nullptr;
    RefPnts* refPnts_ = nullptr;
    GraphZoom* graphZoom_ = nullptr;
    SpecialInst* specialInst_ = nullptr;
    Inst* inst_ = nullptr;
    AboutBox* aboutBox_ = nullptr;
    DataTable* dataTable_ = nullptr;
    DrawLines* drawLines_ = nullptr;
    ValveEventsWindow* valveEvents_ = nullptr;

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
    QAction* ValveEvents = nullptr;
    QAction* Instructions = nullptr;
    QAction* SpecInstr = nullptr;
    QAction* About1 = nullptr;
    QAction* Error = nullptr;
    // Ctrl+Z: the UnDo button's command while it is enabled.
    QAction* UndoShortcut = nullptr;

    QToolBar* ToolBar1 = nullptr;
    // The tool button "Draw Lines and Circles", enabled with DrawLines1.
    QAction* DrawLinesTool = nullptr;
};

}  // namespace lm
