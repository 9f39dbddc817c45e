// The main window's live table of tracked pivots.

#pragma once

// The live table of the six tracked pivots on the main window's drawing.

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// Six rows of vertical and horizontal position, the pair distances, and each tracked
// pivot's row number beside it on the drawing. Only while PivotDataOn; the render calls
// it while the screen data are shown.
void DrawPivotDisplay(const Model& m, const MainWindowState& state, Canvas& canvas);

}  // namespace lm
