// The commands that solve the gear at one driver angle or over a range of angles.

#pragma once

#include <ostream>

#include "cli/Arguments.h"
#include "model/Model.h"

namespace lm::cli {

// `solve`: one solve at the chosen angle, as one JSON object.
void RunSolve(Model& m, const Arguments& args, std::ostream& out);

// `sweep --step S [--from A] [--to B] [--csv]`: the same for every angle A, A+S, ... <= B.
void RunSweep(Model& m, const Arguments& args, std::ostream& out);

}  // namespace lm::cli
