#pragma once

#include <string>

#include "model/Model.h"

namespace lm {

// The undo depth and the top entry: " 3- Stroke  6.250 to  6.000".
std::string UndoLineText(const UndoHistory& undo);

}  // namespace lm
