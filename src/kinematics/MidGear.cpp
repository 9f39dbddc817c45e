// Finding mid gear and the normal positions each way, keeping the old ones on failure.

#include "kinematics/MidGear.h"

#include <cmath>

#include "kinematics/Guards.h"
#include "kinematics/LinkageSolver.h"

namespace lm {

void FindMidGear(Model& m) {
    FrameDimensions& f = m.Frame;
    GearState& g = m.Gear;
    const float savedAngle = g.DriverAngle;
    const float previousPos = g.RevArmPos;
    const Pivot& p17 = m.P(ReverseShaftCopy);

    g.DriverAngle = 90;
    g.RevArmPos = Store(static_cast<Real>(p17.X) - f.RevArmBackSet);
    SolveLinkage(m);

    const Pivot& p8 = m.P(LinkBlock);
    const Pivot& p9 = m.P(LinkCentrePivot);
    const Real dx = static_cast<Real>(p9.X) - p17.X;
    const Real dy = static_cast<Real>(p17.Y) - p8.Y;
    float span = Store(std::sqrt(dx * dx + dy * dy));
    if (span == 0) span = 0.00001f;
    if (f.LiftingArmLen == 0) f.LiftingArmLen = 0.00001f;

    const Real arm = f.LiftingArmLen;
    float c = Store((arm * arm + static_cast<Real>(span) * span -
                     static_cast<Real>(f.LiftingLinkLen) * f.LiftingLinkLen) / 2 / arm / span);
    Real alpha = std::atan(dy / dx);
    if (f.LiftingArmLen < 0) alpha -= kPi;
    if (c >= 1) c = 0.999999f;
    const Real cc = c;
    const Real psi = std::atan(cc / std::sqrt(1 - cc * cc)) + (alpha - kPi / 2);
    const float pos = Store(static_cast<Real>(p17.X) - f.RevArmBackSet + f.RevArmLen * std::sin(psi));

    const float fwd = Store(static_cast<Real>(pos) + f.RevArmCentNorm);
    const float rev = Store(static_cast<Real>(pos) - f.RevArmCentNorm);

    g.DriverAngle = savedAngle;
    // The diagram positions count too: a saved set must always open again.
    if (!std::isfinite(pos) || !std::isfinite(fwd) || !std::isfinite(rev)) {
        g.RevArmPos = previousPos;
        RaiseGearError(m);
        return;
    }
    g.RevArmPos = pos;
    g.RevArmCenter = pos;
    g.RevArmPositions[1] = pos;
    g.RevArmPositions[2] = fwd;
    g.RevArmPositions[3] = rev;
}

}  // namespace lm
