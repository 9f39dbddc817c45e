// The pen colour an overlay line or circle is drawn with.

#pragma once

#include "graphics/Canvas.h"

namespace lm {

// An overlay entry's stored colour word (red in the low byte, then green, then blue) as a
// pen colour. An empty entry (-1), any other negative or unreadable value draws black.
Rgb OverlayPenColour(float colour);

}  // namespace lm
