// One animation tick's work before the picture, and the driver angle's advance and wrap.

#include "mainwindow/AnimationTick.h"

#include <cmath>

#include "common/Numbers.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/PistonAndPorts.h"
#include "view/ViewMapping.h"

namespace lm {

void AdvanceDriverAngle(GearState& g) {
    const long double step = g.StepAngle;
    const long double angle = g.DriverAngle;
    g.DriverAngle = static_cast<float>(g.RotationDir == Rotation::Fwd ? angle + step : angle - step);
    // Compared as a single so that an angle of exactly 360.1 stays unwrapped.
    if (g.DriverAngle > 360.1f) g.DriverAngle = static_cast<float>(g.DriverAngle - 360.0L);
    if (g.DriverAngle < 0) g.DriverAngle = static_cast<float>(g.DriverAngle + 360.0L);
    // One turn per tick cannot bring back an angle that came from far outside (a broken
    // value); such an angle would never return to range, so it is wrapped at once.
    if (!std::isfinite(g.DriverAngle)) g.DriverAngle = 0;
    else if (g.DriverAngle < 0 || g.DriverAngle > 360.1f) g.DriverAngle = WrapDegrees(g.DriverAngle);
}

void AnimationTick(Model& m, MainWindowState& state) {
    SolveLinkage(m);
    SolvePistonAndPorts(m);
    m.P(RockerPivotCopy).X = m.P(RockerPivot).X;
    m.P(RockerPivotCopy).Y = m.P(RockerPivot).Y;
    MapPivots(m);
    state.Picture.View = m.View;
    state.Cylinder = ComputeCylinderOutline(m);
    state.Piston = ComputePistonOutline(m);
    AdvanceDriverAngle(m.Gear);
}

}  // namespace lm
