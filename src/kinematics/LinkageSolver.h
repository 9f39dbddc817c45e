#pragma once

#include "model/Model.h"

namespace lm {

// Places every moving pivot for the current DriverAngle and RevArmPos. Never fails:
// impossible geometry is clamped by the guards and raises GearError. Allocates nothing.
void SolveLinkage(Model& m);

// The largest number of link-search rounds before the solve is abandoned.
inline constexpr int kMaxLinkSearchRounds = 1000;

}  // namespace lm
