#pragma once

#include <cmath>

#include "model/Model.h"

namespace lm {

// Gear quantities are stored as singles and worked in extended precision between.
using Real = long double;
inline constexpr Real kPi = 3.1415926535897932385L;

inline float Store(Real v) { return static_cast<float>(v); }
inline Real Rad(Real degrees) { return degrees * kPi / 180; }

// Raises GearError, but only while error announcing is on.
void RaiseGearError(Model& m);

// The three guards every impossible intermediate value passes through. Each returns the
// corrected single and raises GearError where the value had to be changed.
float ClampCosine(Model& m, float c);
float GuardDivisor(Model& m, float d);
float GuardRoot(Model& m, float c);

// acos by way of the one-argument arctangent, as the gear has always been solved.
inline Real AcosByAtan(Real c) { return kPi / 2 - std::atan(c / std::sqrt(1 - c * c)); }

}  // namespace lm
