// The draw command: any of the program's pictures written to a file.

#pragma once

#include "cli/Arguments.h"
#include "model/Model.h"

namespace lm::cli {

// `draw --what VIEW [--graph F|R|B] --out FILE.png|FILE.svg`: the picture the program
// draws for that view.
void RunDraw(Model& m, const Arguments& args);

}  // namespace lm::cli
