// The main window's animation tick: solve, map, outline, advance.

#pragma once

#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// One timer tick up to the picture: solve the gear for the current angle, map it to the
// screen (the view it used is kept for the picture), compute the cylinder and piston
// outlines, then advance the driver angle. The picture (RenderMainWindow) follows, so it
// shows the gear of the angle before the advance and the readout of the angle after it.
void AnimationTick(Model& m, MainWindowState& state);

// DriverAngle moves by StepAngle in the sense of RotationDir and is brought back once
// into 0..360.1; 360 itself is shown before it wraps.
void AdvanceDriverAngle(GearState& g);

}  // namespace lm
