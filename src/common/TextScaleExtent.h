#pragma once

#include <algorithm>

#include "common/Numbers.h"

namespace lm {

// A window's width or height grown with the large-font text layout, whose text
// positions are multiplied by the text scale: text laid out near the right or bottom edge
// of the normal window stays inside the larger one. Never smaller than the normal size.
inline int TextScaleExtent(int normal, float textScale) {
    return std::max(normal, static_cast<int>(RoundToInt(static_cast<long double>(normal) * textScale)));
}

}  // namespace lm
