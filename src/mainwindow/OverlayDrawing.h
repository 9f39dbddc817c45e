// The lines-and-circles overlay on the main window.

#pragma once

// The lines-and-circles overlay as the main window draws it every tick, and the red
// prompts while a pivot pick is pending.

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// Entries 1..20 in order, fixed or travelling with their pivots. The pen is set to every
// entry's colour, empty ones included, so the reference-point crosses drawn later take
// the last entry's colour. An entry whose type, reference or pivot numbers name nothing
// draws nothing.
void DrawOverlayEntries(const Model& m, const MainWindowState& state, Canvas& canvas);

// "STOP MOTION AND SELECT PIVOT 1" and its companions while a pick is pending.
void DrawOverlayPrompts(const Model& m, const MainWindowState& state, Canvas& canvas);

}  // namespace lm
