// The main window's four dynamic-variable bars and its UnDo button, and the menu
// switches for both.
#pragma once

#include <array>

#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

class QPushButton;
class QScrollBar;
class QWidget;

namespace lm {

class DynVarControls {
public:
    // `panels` are the window's Panel1..12 ([0] unused), made after these controls; 7, 8
    // and 9 frame the bars.
    DynVarControls(QWidget* area, Model& model, MainWindowState& state,
                   const std::array<QWidget*, 13>& panels);

    void DynamicVariablesClick();
    void SetUnDoClick();
    void UnDoDnClick();

    // After every picture: the bars' enabling and the UnDo button's place.
    void ShowTickState();
    void ShowBars();
    void ShowUndoButton();
    void HideUndoButton();

    // Where the focus goes after a bar's scroll, so its next use is a fresh entry.
    QWidget* FocusAfterScroll = nullptr;

private:
    void BarChanged(int bar, int position);
    void BarEntered(int bar);
    void BarScrollEnded(int bar);

    Model& model_;
    MainWindowState& state_;
    const std::array<QWidget*, 13>& panels_;
    // SBDynVar1..4 at [1]..[4]; [0] unused.
    std::array<QScrollBar*, 5> SBDynVar{};
    QPushButton* UnDoDn = nullptr;
};

}  // namespace lm
