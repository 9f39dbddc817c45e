// The plain text style the main window's readouts are written in.

#pragma once

#include "graphics/Canvas.h"

namespace lm {

// Readout text is black on a transparent background unless a colour is named.
inline void UsePlainText(Canvas& canvas) {
    canvas.SetTextBackground(false);
    canvas.SetFontColour(colours::Black);
}

}  // namespace lm
