// The reverse-arm bar: its sense, range and the arm positions it stands for.

#include "kinematics/ReverseArm.h"

#include <algorithm>

#include "common/Numbers.h"
#include "kinematics/Guards.h"

namespace lm {

bool PlainSense(const Model& m) {
    const float a = m.Gear.LiftingArmLenSolved;
    const float s = m.Gear.EccSign;
    return (a > 0 && s > 0) || (a < 0 && s < 0);
}

int RevArmBarMax(const Model& m) {
    // A travel read from a file may be negative or huge: the bar never gets an inverted
    // range, nor one whose negation does not fit.
    return std::max(0, RoundToInt(static_cast<Real>(m.Frame.RevArmCentMax) * 1000));
}

void SetRevArmFromBar(Model& m, int p) {
    GearState& g = m.Gear;
    const Real step = static_cast<Real>(p) / 1000;
    if (PlainSense(m)) {
        g.RevArmPos = Store(g.RevArmCenter + step);
        g.RotationDir = g.RevArmPos >= g.RevArmCenter ? Rotation::Fwd : Rotation::Rev;
    } else {
        g.RevArmPos = Store(g.RevArmCenter - step);
        g.RotationDir = g.RevArmPos > g.RevArmCenter ? Rotation::Rev : Rotation::Fwd;
    }
    m.Display.FrontCutOffText.clear();
    m.Display.RearCutOffText.clear();
}

int RevArmBarPosition(const Model& m) {
    const Real offset = static_cast<Real>(m.Gear.RevArmPos) - m.Gear.RevArmCenter;
    return RoundToInt((PlainSense(m) ? offset : -offset) * 1000);
}

namespace {
int NormalBarPosition(const Model& m, int barEnd) {
    const Real maxTravel = m.Frame.RevArmCentMax;
    if (maxTravel == 0) return 0;
    return RoundToInt(static_cast<Real>(m.Frame.RevArmCentNorm) * barEnd / maxTravel);
}
}  // namespace

int NormalForwardBarPosition(const Model& m) { return NormalBarPosition(m, RevArmBarMax(m)); }
int NormalReverseBarPosition(const Model& m) { return NormalBarPosition(m, -RevArmBarMax(m)); }

}  // namespace lm
