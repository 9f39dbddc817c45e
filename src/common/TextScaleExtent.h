// The large-font layout: its text scale and how a window's extent grows with it.
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

}  // namespace lm
