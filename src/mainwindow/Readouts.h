// The readouts along the top right of the main window: arm, angle, piston, valve, ports
// and link angle.
#pragma once

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

void DrawReadouts(const Model& m, const MainWindowState& state, Canvas& canvas);

}  // namespace lm
