// The valve-events workbench's commands.

#pragma once

// The valve-events workbench on the command line: the events table, the sensitivity of
// one event to every dimension, and the fit.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Arguments.h"
#include "model/Model.h"
#include "workbench/ValveEvents.h"

namespace lm::cli {

// {"F": [rows], "R": [rows]} for the graphs given, each row with every column's key.
std::string ValveEventsJson(const ValveEventsTable& table, const std::vector<char>& graphs);

// One line on err naming the rows where the gear cannot be assembled, if any.
void WarnUnassemblableRows(const ValveEventsTable& table, const std::vector<char>& graphs, std::string_view what,
                           std::ostream& err);

// `valve-events [--graph F|R|B] [--csv] [--as-diagram]`
void RunValveEvents(const Model& m, const Arguments& args, std::ostream& out);

// `sensitivity --event NAME [--at mid|fwd|rev|full-fwd|full-rev] [--csv]`
void RunSensitivity(const Model& m, const Arguments& args, std::ostream& out);

// `fit --vary NAME[=LO:HI][,...] --goal GOAL[,...] [--save FILE.lmd]`. A fit that does not
// converge prints its result, then fails with the reason; nothing is saved.
void RunFitCommand(Model& m, const Arguments& args, std::ostream& out);

// `compare A.lmd B.lmd [--graph F|R|B] [--csv]`: both tables and B minus A, row by row.
void RunCompare(Model& m, const Arguments& args, std::ostream& out);

}  // namespace lm::cli
