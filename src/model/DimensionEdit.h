// Storing an edited dimension and keeping the reverse-arm centring limits in order.

#pragma once

#include "model/DimensionTable.h"

namespace lm {

// What leaving an editor box does to the model once the number is read: the value is
// stored with its side effects (angles into 0..360, twin pivots, the valve stem height,
// the reverse-arm centring limits). Dynamic-variable registration and undo are the
// caller's.
void ApplyEditedDimension(Model& m, const DimensionInfo& d, float value);

// Keeps RevArmCentNorm <= RevArmCentMax after either was edited.
void ApplyCentringLimits(Model& m, bool normEdited);

// Clamps v into [lo, hi] in the order a user sees: first the lower limit, then the upper.
float ClampLowThenHigh(float v, float lo, float hi);

}  // namespace lm
