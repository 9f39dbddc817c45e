// The number types of the gear: quantities are stored as singles and worked in extended
// precision between, so every result rounds the way the stored values always have.
#pragma once

namespace lm {

using Real = long double;
inline constexpr Real kPi = 3.1415926535897932385L;

inline float Store(Real v) { return static_cast<float>(v); }
inline Real Rad(Real degrees) { return degrees * kPi / 180; }

}  // namespace lm
