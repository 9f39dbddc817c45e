// The main window's undo line: the newest change and how many can be undone.

#pragma once

#include <string>

#include "graphics/Canvas.h"
#include "model/Model.h"

namespace lm {

// The undo depth and the top entry: " 3- Stroke  6.250 to  6.000".
std::string UndoLineText(const UndoHistory& undo);

// The top undo entry, while the undo line is on.
void DrawUndoLine(const Model& m, Canvas& canvas);

}  // namespace lm
