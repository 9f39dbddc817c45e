// The pivot data table, shared by its window and the command line.

#pragma once

// The pivot data table: the tracked pivots' positions over one revolution of the driver,
// as the text the table window shows and the command line prints.

#include <string>
#include <string_view>

#include "kinematics/RevolutionSweep.h"
#include "model/Model.h"

namespace lm {

// Its first line: the set's name, the date and the time.
std::string PivotTableFirstLine(const Model& m, std::string_view date, std::string_view time);

// The whole table text: four header lines, then one line per angle, each ended by '\n'.
// `date` and `time` are the system's short date and long time. A row whose pivot number
// names no slot of the pivot table prints blanks in its columns.
std::string PivotTableText(Model& m, float stepSetting, std::string_view date, std::string_view time);

}  // namespace lm
