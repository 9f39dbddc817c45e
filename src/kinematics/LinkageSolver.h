// Solving the valve gear's linkage for the current angle and reverse arm.

#pragma once

#include "model/Model.h"

namespace lm {

// Places every moving pivot for the current DriverAngle and RevArmPos. Never fails:
// impossible geometry is clamped by the guards and raises GearError. Allocates nothing.
// Returns false when the link search gave up: the pivots from the link block to the
// valve stem then keep the values of the last complete solve.
bool SolveLinkage(Model& m);

// What every complete solve records of the gear's sense (the lifting arm as solved and
// the eccentric's sign), which PlainSense reads.
void RecordSolvedSense(Model& m);

}  // namespace lm
