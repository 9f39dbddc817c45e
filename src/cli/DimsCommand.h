// The dims command: the gear's dimensions, optionally saved to a dimension file.

#pragma once

#include <ostream>

#include "cli/Arguments.h"
#include "model/Model.h"

namespace lm::cli {

// `dims [--save FILE]`: the working set by code name, optionally saved as a .lmd file.
void RunDims(Model& m, const Arguments& args, std::ostream& out);

}  // namespace lm::cli
