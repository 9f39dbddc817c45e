// Resetting the frame or cylinder dimensions from their editors.

#pragma once

#include "model/Model.h"

namespace lm {

// The model side of the editors' reset buttons (and of "reset all", which runs both):
// the nominal dimensions and an empty dynamic-variable queue. A completed left click
// also clears the undo history; a press of another button keeps it. The window does the
// rest (the reverse-arm bar's range, refilling its boxes).
void ResetFrameFromEditor(Model& m, bool clearUndo);
void ResetCylinderFromEditor(Model& m, bool clearUndo);

}  // namespace lm
