// The small arithmetic the solver's parts share, in extended precision.

#pragma once

#include <cmath>

#include "common/Real.h"
#include "model/Model.h"

namespace lm {

inline Real Sq(Real v) { return v * v; }

inline Real Distance(const Pivot& a, const Pivot& b) {
    const Real dx = static_cast<Real>(a.X) - b.X;
    const Real dy = static_cast<Real>(a.Y) - b.Y;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace lm
