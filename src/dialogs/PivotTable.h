// The pivot data table, shared by its window and the command line.

#pragma once

// The pivot data table: the tracked pivots' positions over one revolution of the driver,
// as the text the table window shows and the command line prints.

#include <functional>
#include <string>
#include <string_view>

#include "model/Model.h"

namespace lm {

// The angle step the table sweeps with: a step that is not a finite number of at least
// 0.01 (the step dialog's floor) is taken as 0.01, so the sweep always ends.
float TableStep(float stepSetting);

// Solves the linkage at 0, step, 2 step, ... (summed in single precision) while not above
// 360, calling `row` after each solve. DriverAngle and StepAngle are put back afterwards;
// the pivots stay as solved for the last row.
void SweepRevolution(Model& m, float stepSetting, const std::function<void()>& row);

// The whole table text: four header lines, then one line per angle, each ended by '\n'.
// `date` and `time` are the system's short date and long time. A row whose pivot number
// names no slot of the pivot table prints blanks in its columns.
std::string PivotTableText(Model& m, float stepSetting, std::string_view date, std::string_view time);

}  // namespace lm
