// The reverse-arm positions the diagrams draw, and how edited values are kept sound.

#pragma once

#include "model/Model.h"

namespace lm {

// The diagrams' reverse-arm positions are a run of non-zero values from position 1: the
// first 0 ends it and every later position becomes 0. Recounts RevArmPosCount; with
// position 1 at 0 the count keeps its previous value.
void ApplyRevArmRunRule(Model& m);

// An edited position is kept within the arm's full travel about mid gear; 0 passes.
float ClampRevArmPosition(const Model& m, float value);

// What leaving position k's box stores (k = 1..9): position 1 is never 0.
void StoreEditedRevArmPosition(Model& m, int k, float value);

// What leaving the vertical-scale box stores: never below 0.1.
void StoreEditedVerticalScale(Model& m, float value);

}  // namespace lm
