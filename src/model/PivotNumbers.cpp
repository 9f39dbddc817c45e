// Reading stored pivot numbers safely and finding the nearest pivot to a point.

#include "model/PivotNumbers.h"

#include <cmath>

#include "common/Numbers.h"

namespace lm {

std::optional<int> PivotSlot(float number) {
    if (!std::isfinite(number)) return std::nullopt;
    const int slot = RoundToInt(number);
    if (slot < 0 || slot >= kPivotCount) return std::nullopt;
    return slot;
}

int NearestPivot(const Model& m, PivotSearch range, float x, float y, int fallback) {
    const int last = range == PivotSearch::Display ? 23 : kPivotCount - 1;
    long double best = 10000;
    int found = fallback;
    for (int i = 1; i <= last; ++i) {
        if (i == RefPoint1 || i == RefPoint2) continue;
        const Pivot& p = m.P(i);
        const long double d = std::fabs(static_cast<long double>(y) - p.Y) +
                              std::fabs(static_cast<long double>(x) - p.X);
        if (d < best) {
            best = d;
            found = i;
        }
    }
    return found;
}

}  // namespace lm
