// The main window's mouse press on its drawing.

#pragma once

// The main window's mouse press on its drawing: reference points, the overlay window's
// pivot picks, the pivot display's rows and the end of a dimension highlight.

#include <functional>

#include "mainwindow/MainWindowState.h"
#include "view/ViewControls.h"
#include "model/Model.h"

namespace lm {

// The whole press, in its fixed order of steps. `openLinesWindow` is called where the
// press hands a pivot pick back to the lines-and-circles window (DrawLines1Click), in
// its place among the steps. Afterwards the window shows its reference-point zero
// buttons from state.View and DataTableBut from PivotDataOn.
void HandleMainWindowPress(Model& m, MainWindowState& state, MouseButton button, ScreenPoint at,
                           const std::function<void()>& openLinesWindow);

// The display row (1..6) whose number lies under a press, or 0; the boxes move with the
// large-font text factors.
int TrackRowAt(const Model& m, ScreenPoint at);

// "Pi&votData": switches the pivot display; switching it on also switches the reference
// points on, as it needs them.
void SetPivotDataClick(Model& m);

}  // namespace lm
