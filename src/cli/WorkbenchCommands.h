// The valve-events workbench's commands.

#pragma once

// The valve-events workbench on the command line: the events table, the sensitivity of
// one event to every dimension, and the fit.

#include <ostream>

#include "cli/Arguments.h"
#include "model/Model.h"

namespace lm::cli {

// `valve-events [--graph F|R|B] [--csv]`
void RunValveEvents(const Model& m, const Arguments& args, std::ostream& out);

// `sensitivity --event NAME [--at mid|fwd|rev|full-fwd|full-rev] [--csv]`
void RunSensitivity(const Model& m, const Arguments& args, std::ostream& out);

// `fit --vary NAME[=LO:HI][,...] --goal GOAL[,...] [--save FILE.lmd]`. A fit that does not
// converge prints its result, then fails with the reason; nothing is saved.
void RunFitCommand(Model& m, const Arguments& args, std::ostream& out);

}  // namespace lm::cli
