// The dims command: the gear's dimensions, optionally saved to a dimension file.

#pragma once

#include <ostream>

#include "cli/Arguments.h"
#include <string>

#include "model/Model.h"

namespace lm::cli {

// Whether a name may be written as dimension data: it ends in .lmd (any case), so a
// mistyped name never turns a picture or a document into one.
bool HasDimensionFileExtension(const std::string& path);

// `dims [--save FILE]`: the working set by code name, optionally saved as a .lmd file.
void RunDims(Model& m, const Arguments& args, std::ostream& out);

}  // namespace lm::cli
