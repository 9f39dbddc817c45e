// Setting up the gear from the options every command takes (--open, --set, --angle, ...).

#pragma once

#include "cli/Arguments.h"
#include "model/Model.h"

namespace lm::cli {

// Brings the model to the state the gear options describe, in their fixed order: start-up
// state, files, dimensions, reverse arm, driver angle. Throws UsageError on bad input.
void ApplyGearOptions(Model& m, const Arguments& args);

}  // namespace lm::cli
