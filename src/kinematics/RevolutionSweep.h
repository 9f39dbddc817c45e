// One revolution of the driver, solved step by step.

#pragma once

#include <cstddef>
#include <functional>

#include "model/Model.h"

namespace lm {

// The angle step a revolution is swept with: a step that is not a finite number of at
// least 0.01 (the step dialog's floor) is taken as 0.01, so the sweep always ends.
float TableStep(float stepSetting);

// Solves the linkage at 0, step, 2 step, ... (summed in single precision) while not above
// 360, calling `row` after each solve. DriverAngle and StepAngle are put back afterwards;
// the pivots stay as solved for the last row.
void SweepRevolution(Model& m, float stepSetting, const std::function<void()>& row);

// How many rows that sweep has, without solving anything.
std::size_t RevolutionRowCount(float stepSetting);

}  // namespace lm
