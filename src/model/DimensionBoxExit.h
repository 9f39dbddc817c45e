// What leaving a dimension editor's box does to the model.

#pragma once

#include <string_view>

#include "model/DimensionTable.h"

namespace lm {

// What leaving a dimension box of the frame or cylinder editor does: store the value
// (angles wrapped, twin pivots, Y4, centring limits), make the dimension the newest
// dynamic variable, and, when the user typed in the box (DimTyped), record the change as
// one undo entry; DimTyped is then cleared. This runs on every exit, typed or not: that
// is how the user picks dynamic variables. The two centring dimensions (no
// DimensionNumber) are only stored: they never register, record undo or touch DimTyped.
void LeaveDimensionBox(Model& m, const DimensionInfo& d, float value);

// The same with the box's text, read as a typed number (0 for nothing readable).
void LeaveDimensionBoxWithText(Model& m, const DimensionInfo& d, std::string_view text);

}  // namespace lm
