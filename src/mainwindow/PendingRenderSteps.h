// Steps of the main picture whose work arrives later: the pivot display, the overlay's
// prompts and shapes, and the dimension highlight. Each is called in its place by
// RenderMainWindow; replace a step here when building it.
#pragma once

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// Sets the pen to each entry's colour in turn, so the reference-point crosses take the
// last entry's colour; the entries' shapes are not drawn yet.
void DrawOverlayEntries(Model& m, MainWindowState& state, Canvas& canvas);
void DrawPivotDisplay(Model& m, MainWindowState& state, Canvas& canvas);
void DrawOverlayPrompts(Model& m, MainWindowState& state, Canvas& canvas);
void DrawDimensionHighlight(Model& m, MainWindowState& state, Canvas& canvas);

}  // namespace lm
