#include "kinematics/Guards.h"

namespace lm {

void RaiseGearError(Model& m) {
    if (m.Gear.ErrorBeepOn) m.Gear.GearError = true;
}

float ClampCosine(Model& m, float c) {
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

float GuardDivisor(Model& m, float d) {
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

float GuardRoot(Model& m, float c) {
    if (c < 0) {
        c = -c;
        RaiseGearError(m);
    }
    return c;
}

}  // namespace lm
