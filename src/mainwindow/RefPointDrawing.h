// Drawing the two reference points and placing readout text for the large font.

#pragma once

#include "graphics/Canvas.h"
#include "model/Model.h"

namespace lm {

// The two reference points as crosses with their labels, their coordinates and their
// difference and distance. The crosses keep the pen colour already set.
void DrawReferencePoints(const Model& m, Canvas& canvas);

// A text position of the readout layout, scaled for the large font.
ScreenPoint TextPosition(const Model& m, int x, int y);

}  // namespace lm
