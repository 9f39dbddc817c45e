// The cut-off readout: found from this tick and the last, and shown for a while.
#pragma once

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

void DrawCutOffReadout(Model& m, MainWindowState& state, Canvas& canvas);

}  // namespace lm
