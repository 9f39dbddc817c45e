// The guards that keep the solver's impossible intermediate values finite.

#pragma once

#include <cmath>

#include "common/Real.h"
#include "model/Model.h"

namespace lm {

// Raises GearError, but only while error announcing is on.
inline void RaiseGearError(Model& m) {
    if (m.Gear.ErrorBeepOn) m.Gear.GearError = true;
}

// The three guards every impossible intermediate value passes through. Each returns the
// corrected single and raises GearError where the value had to be changed. Inline: the
// link search calls them a few hundred times per solve.
inline float ClampCosine(Model& m, float c) {
    constexpr float kLimit = 0.999999f;
    if (c > kLimit) {
        c = kLimit;
        if (m.Gear.SolverStep < 0.01L) RaiseGearError(m);
    }
    if (c < -kLimit) {
        c = -kLimit;
        if (m.Gear.SolverStep < 0.01L) RaiseGearError(m);
    }
    return c;
}

inline float GuardDivisor(Model& m, float d) {
    constexpr Real kMin = 0.00001L;
    if (d >= 0 && d < kMin) {
        d = static_cast<float>(kMin);
        RaiseGearError(m);
    } else if (d < 0 && d > -kMin) {
        d = static_cast<float>(-kMin);
        RaiseGearError(m);
    }
    return d;
}

inline float GuardRoot(Model& m, float c) {
    if (c < 0) {
        c = -c;
        RaiseGearError(m);
    }
    return c;
}

// acos by way of the one-argument arctangent, as the gear has always been solved.
inline Real AcosByAtan(Real c) { return kPi / 2 - std::atan(c / std::sqrt(1 - c * c)); }

}  // namespace lm
