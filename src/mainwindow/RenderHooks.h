#pragma once

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// Steps of the main window's picture that belong to the readouts, steam display, pivot
// display, overlay and highlight. Each is called in its place by RenderMainWindow; those
// not built yet do nothing.

// Dots for the steam in both cylinder ends, their legend and the exhaust beats.
void DrawSteamDisplay(Model& m, MainWindowState& state, Canvas& canvas);
// The six window titles into state.Titles, from the set's name and the clock.
void UpdateWindowTitles(Model& m, MainWindowState& state);
// The lines and circles, fixed or travelling with their pivots; the pen keeps the last
// entry's colour, which the reference-point crosses then take.
void DrawOverlayEntries(Model& m, MainWindowState& state, Canvas& canvas);
// The top undo entry; also decides whether UnDoDn shows, and where.
void DrawUndoLine(Model& m, MainWindowState& state, Canvas& canvas);
void DrawReadouts(Model& m, MainWindowState& state, Canvas& canvas);
// Counts the ticks of a raised GearError: the Error item, its sound, the clearing.
void DrawErrorIndicator(Model& m, MainWindowState& state, Canvas& canvas);
void DrawPivotDisplay(Model& m, MainWindowState& state, Canvas& canvas);
void DrawOverlayPrompts(Model& m, MainWindowState& state, Canvas& canvas);
// Finds the cut-off of each end from this tick and the last, and shows it for a while.
void DrawCutOffReadout(Model& m, MainWindowState& state, Canvas& canvas);
// The dynamic variables' names and values; also which bars are enabled.
void DrawDynVarLines(Model& m, MainWindowState& state, Canvas& canvas);
void DrawDimensionHighlight(Model& m, MainWindowState& state, Canvas& canvas);

}  // namespace lm
