// The main window's drawing of the valve gear.

#pragma once

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// Outline of a circle of model radius about a model point, on the box of its mapped
// extremes.
void DrawModelCircle(Canvas& canvas, const ViewState& view, long double x, long double y,
                     long double radius);

// The valve gear, cylinder, piston and valve, from the pivots mapped by the tick and the
// outlines it computed, in the view it mapped them with.
void DrawGear(const Model& m, const MainWindowState& state, Canvas& canvas);

}  // namespace lm
