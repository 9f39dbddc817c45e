// The relative scroll bar's step rule: arrow and page clicks against thumb drags.

#include "common/RelativeBar.h"

#include <cstdlib>

namespace lm {

long double RelativeBarStep(RelativeBarMemory& memory, int position, const RelativeBarRule& rule) {
    const long double p = position;
    const long double divisor = rule.Divisor;
    const int before = memory.BeforeLast;
    // Later rules override earlier ones; the sign rules read a drag that reversed
    // direction against the position before last.
    long double d = 0;
    if (position > 0 && position > before) d = p / divisor;
    if (position < 0 && position > before) d = -p / divisor;
    if (position < 0 && position < before) d = p / divisor;
    if (position > 0 && position < before) d = -p / divisor;
    const long long fromLast = static_cast<long long>(position) - memory.Last;
    if (std::llabs(fromLast) == 1) d = p / divisor;
    if (std::llabs(fromLast) == rule.LargeChange) d = p / divisor;
    memory.BeforeLast = memory.Last;
    memory.Last = position;
    return d;
}

}  // namespace lm
