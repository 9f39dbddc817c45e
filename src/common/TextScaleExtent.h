// The large-font layout: its text scale, and how a window's extent, its text size and
// its controls' places grow with it.
#pragma once

#include <algorithm>

#include "common/Numbers.h"

namespace lm {

// The text scale of the large-font layout; the normal layout's is 1.
constexpr float kLargeTextScaleX = 1.27f;
constexpr float kLargeTextScaleY = 1.22f;

// A window's width or height grown with the large-font text layout, whose text
// positions are multiplied by the text scale: text laid out near the right or bottom edge
// of the normal window stays inside the larger one. Never smaller than the normal size.
inline int TextScaleExtent(int normal, float textScale) {
    return std::max(normal, static_cast<int>(RoundToInt(static_cast<long double>(normal) * textScale)));
}

// A font size of the normal layout at the given text scale: the layout factors make room
// for larger text, so text at scaled positions grows by the height factor. Never
// smaller than normal, never more than four times it (nor NaN).
inline int TextScaleFontPixels(int normalPixels, float textScaleY) {
    const int scaled = RoundToInt(static_cast<long double>(normalPixels) * textScaleY);
    return std::clamp(scaled, normalPixels, 4 * normalPixels);
}

// One edge of a control placed by pixel, at the given text scale. Both edges of a
// control are scaled, not its size, so controls that abut stay abutting.
inline int TextScaleEdge(int normalEdge, float textScale) {
    return RoundToInt(static_cast<long double>(normalEdge) * textScale);
}

}  // namespace lm
