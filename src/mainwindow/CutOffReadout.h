// The cut-off readout: found from this tick and the last, and shown for a while.
#pragma once

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// The tick's step: a port that closed since the last tick sets its end's value and how
// long it is held; a held value counts down while the gear turns at a small enough step.
void StepCutOffReadout(Model& m, MainWindowState& state);

// The two labels, and each value while the step holds it on screen.
void DrawCutOffReadout(const Model& m, const MainWindowState& state, Canvas& canvas);

}  // namespace lm
