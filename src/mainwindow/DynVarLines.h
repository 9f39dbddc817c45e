// The dynamic variables' names and values beside their bars.
#pragma once

#include "graphics/Canvas.h"
#include "model/Model.h"

namespace lm {

void DrawDynVarLines(const Model& m, Canvas& canvas);

}  // namespace lm
