// The pivots command: the pivot data table without a window.

#pragma once

#include <ostream>

#include "cli/Arguments.h"
#include "model/Model.h"

namespace lm::cli {

// `pivots --track N[,N...] [--step S] [--csv]`: the pivot data table's rows for the given
// pivots over one revolution, as JSON or CSV.
void RunPivots(Model& m, const Arguments& args, std::ostream& out);

}  // namespace lm::cli
