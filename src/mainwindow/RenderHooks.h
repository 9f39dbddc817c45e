#pragma once

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// Steps of the main window's picture that belong to the readouts, steam display, pivot
// display, overlay and highlight. Each is called in its place by RenderMainWindow; those
// not built yet do nothing.

void DrawSteamDisplay(Model& m, MainWindowState& state, Canvas& canvas);
void UpdateWindowTitles(Model& m, MainWindowState& state);
// Sets the pen to each entry's colour in turn, so the reference-point crosses take the
// last entry's colour; the entries' shapes are not drawn yet.
void DrawOverlayEntries(Model& m, MainWindowState& state, Canvas& canvas);
void DrawUndoLine(Model& m, MainWindowState& state, Canvas& canvas);
void DrawReadouts(Model& m, MainWindowState& state, Canvas& canvas);
void DrawErrorIndicator(Model& m, MainWindowState& state, Canvas& canvas);
void DrawPivotDisplay(Model& m, MainWindowState& state, Canvas& canvas);
void DrawOverlayPrompts(Model& m, MainWindowState& state, Canvas& canvas);
void DrawCutOffReadout(Model& m, MainWindowState& state, Canvas& canvas);
void DrawDynVarLines(Model& m, MainWindowState& state, Canvas& canvas);
void DrawDimensionHighlight(Model& m, MainWindowState& state, Canvas& canvas);

}  // namespace lm
