// The main window: its controls, menus, timer and the windows it opens.

#pragma once

#include <QImage>
#include <QMainWindow>

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "mainwindow/MainWindowState.h"
#include "mainwindow/qt/ChildWindows.h"
#include "mainwindow/qt/DriveControls.h"
#include "mainwindow/qt/DynVarControls.h"
#include "mainwindow/qt/FileCommands.h"
#include "mainwindow/qt/FileDialogs.h"
#include "mainwindow/qt/MainPicture.h"
#include "mainwindow/qt/ReportCommands.h"
#include "mainwindow/qt/ReverseArmControls.h"
#include "mainwindow/qt/ViewPanel.h"
#include "model/Model.h"

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class QToolBar;
class QWidget;

namespace lm {

class PictureWidget;
class SoundOutput;
struct DiagramHost;

// The pivot data table's button, below the pivot display at the small font.
inline constexpr int kDataTableButTop = 214;

struct MainFormOptions {
    int tickMs = 16;
    // Tests drive the ticks themselves.
    bool startTimer = true;
};

// The main window: the gear picture with the controls, tool bar and menus on top of it.
// It wires its parts: the control groups (drive, reverse arm, view, dynamic variables,
// files), the tick and its picture (MainPicture), the menus and tool bar built from one
// table (MainCommandTable) and the windows it opens (ChildWindows). The commands below
// are what the table's items call.
class MainForm : public QMainWindow {
    Q_OBJECT

public:
    using TickCounts = lm::TickCounts;

    explicit MainForm(Model& model, MainFormOptions options = {}, QWidget* parent = nullptr);
    ~MainForm() override;

    Model& model() { return model_; }
    MainWindowState& state() { return state_; }
    QTimer* timer() const { return timer_; }
    // The last tick's picture, whole: 1280 x 1024 logical pixels at the screen's ratio.
    const QImage& picture() { return picture_->Whole(); }
    const TickCounts& tickCounts() const { return picture_->Counts(); }
    bool running() const { return state_.Running; }
    const ChildWindows& windows() const { return windows_; }

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
    // Ctrl+S: to the file the set came from, asking for a name only when there is none.
    void SaveDimensionsClick() { files_->SaveDimensionsClick(); }
    // A file given on the command line or dropped: opened, or imported when it is .lmp.
    void OpenFile(const QString& path) { files_->OpenFile(path); }
    void FillRecentMenu(QMenu* menu) { files_->FillRecentMenu(menu); }
    // The gear report on paper or as a PDF.
    void PrintClick() { reports_->PrintClick(); }
    void ExportReportClick() { reports_->ExportReportClick(); }
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

    // Commands that open windows: each is the one place that opens its window
    // (MainCommands.cpp).
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
    void ValveEventsClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // MainPanels.cpp
    void BuildPanels();
    void OpenAtClientSize();
    // The large-font layout moves the readouts right and down; the client area grows with it.
    void FitClientAreaToText();
    void PlaceDataTableBut();
    // MainMenus.cpp
    void BuildMenus();
    void FitMenuBar(QMenuBar* bar);
    void BuildToolBar();
    void BuildShortcuts();
    // The table's item by its name.
    QAction* Command(std::string_view name) const;
    // Each item's and tool button's enabled rule, applied to what the window shows now.
    void ShowCommandStates();
    // MainWindows.cpp
    void BuildChildWindows();
    DiagramHost DiagramHostFor(TitleIndex title);
    DimensionEditorWindow* EditorWindow(EditorId editor) const;
    // What the highlight asked of the editors during the tick, done once its picture is
    // finished: never from inside a paint.
    void CarryOutHighlightRequests();
    // DisplayOptions.cpp
    // What the tick decided for the window's own widgets: the error item, the title, the
    // dynamic bars' enabling, the UnDo button and its shortcut.
    void ShowTickState();
    // What follows the view and reference-point state outside the view controls.
    void ShowViewDependents();
    void SetScreenControlsVisible(bool visible);

    Model& model_;
    MainWindowState state_;
    MainFormOptions options_;
    QTimer* timer_ = nullptr;
    PictureWidget* area_ = nullptr;
    std::unique_ptr<MainPicture> picture_;

    std::unique_ptr<ReverseArmControls> revArm_;
    std::unique_ptr<DriveControls> drive_;
    std::unique_ptr<ViewPanel> view_;
    std::unique_ptr<DynVarControls> dynVars_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<ReportCommands> reports_;
    std::unique_ptr<SoundOutput> sound_;
    ChildWindows windows_;

    // Panel1..Panel12; [0] unused.
    std::array<QWidget*, 13> Panel{};
    QPushButton* DataTableBut = nullptr;

    // The table's items and tool buttons (null where an item has none), in table order.
    std::vector<QAction*> commandActions_;
    std::vector<QAction*> toolActions_;
    QToolBar* ToolBar1 = nullptr;
    // The geometry-error indicator on the menu bar.
    QAction* Error = nullptr;
    // Ctrl+Z: the UnDo button's command while it is enabled.
    QAction* UndoShortcut = nullptr;
    // Ctrl+S: saves to the set's own file.
    QAction* SaveShortcut = nullptr;
};

}  // namespace lm
