// The linkage solver: pivot positions for one driver angle and reverse-arm position.

#include "kinematics/LinkageSolver.h"

#include <cmath>

#include "kinematics/Guards.h"
#include "kinematics/LinkSearch.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/SolverArithmetic.h"

namespace lm {

void RecordSolvedSense(Model& m) {
    m.Gear.LiftingArmLenSolved = m.Frame.LiftingArmLen;
    const float ang = m.Frame.EccAngFwd;
    m.Gear.EccSign = ((ang > 90 && ang < 180) || (ang > 270 && ang < 360)) ? -1.0f : 1.0f;
}

bool SolveLinkage(Model& m) {
    const FrameDimensions& f = m.Frame;
    GearState& g = m.Gear;
    const Pivot& p1 = m.P(DriverAxle);
    Pivot& p2 = m.P(CrankPin);
    Pivot& p3 = m.P(Crosshead);
    Pivot& p4 = m.P(ValveStemJoint);
    Pivot& p5 = m.P(RockerUpperEnd);
    const Pivot& p7 = m.P(RockerPivot);
    Pivot& p8 = m.P(LinkBlock);
    const Pivot& p9 = m.P(LinkCentrePivot);
    const Pivot& p10 = m.P(FwdRodPin);
    const Pivot& p11 = m.P(RevRodPin);
    Pivot& p12 = m.P(FwdEccentric);
    Pivot& p13 = m.P(RevEccentric);
    const Pivot& p14 = m.P(LinkArcCentre);
    Pivot& p15 = m.P(LiftingArmEnd);
    const Pivot& p17 = m.P(ReverseShaftCopy);
    Pivot& p18 = m.P(ReverseArmEnd);
    Pivot& p21 = m.P(FwdSheavePoint);
    Pivot& p22 = m.P(RevSheavePoint);
    Pivot& p23 = m.P(RockerLinePoint);

    const Real theta = Rad(g.DriverAngle);
    const Real r = static_cast<Real>(f.Stroke) / 2;
    const Real e = static_cast<Real>(f.EccCircleDia) / 2;
    float c = 0;
    float d = 0;

    p4.Y = Store(static_cast<Real>(p3.Y) + m.Cyl.ValveCLToCylCL);
    p18.X = g.RevArmPos;

    p2.X = Store(p1.X + r * std::cos(theta));
    p2.Y = Store(p1.Y - r * std::sin(theta));
    p12.X = Store(p1.X + e * std::cos(Rad(f.EccAngFwd) - theta));
    p12.Y = Store(p1.Y + e * std::sin(Rad(f.EccAngFwd) - theta));
    p13.X = Store(p1.X + e * std::cos(-theta - Rad(f.EccAngRev)));
    p13.Y = Store(p1.Y + e * std::sin(-theta - Rad(f.EccAngRev)));

    c = GuardRoot(m, Store(Sq(f.MainRodLen) - Sq(static_cast<Real>(p2.Y) - p3.Y)));
    p3.X = Store(p2.X + std::sqrt(static_cast<Real>(c)));

    c = GuardRoot(m, Store(Sq(f.RevArmLen) + Sq(f.RevArmBackSet) -
                           Sq(static_cast<Real>(p17.X) - p18.X)));
    p18.Y = Store(p17.Y + std::sqrt(static_cast<Real>(c)));

    d = GuardDivisor(m, Store(static_cast<Real>(p17.Y) - p18.Y));
    const Real a = std::atan((static_cast<Real>(p18.X) - p17.X) / d);
    d = GuardDivisor(m, f.RevArmLen);
    const Real phi = a - std::atan(f.RevArmBackSet / static_cast<Real>(d));

    p15.X = Store(p17.X + f.LiftingArmLen * std::cos(phi));
    p15.Y = Store(p17.Y + f.LiftingArmLen * std::sin(phi));

    if (!SearchLinkHeight(m)) return false;

    if (Distance(p9, p15) - 0.002L > f.LiftingLinkLen) RaiseGearError(m);

    // Link block on the arc, at rocker-arm distance from the rocker pivot.
    const float span = Store(Distance(p14, p7));
    d = GuardDivisor(m, f.LinkRadius);
    c = Store((Sq(f.LinkRadius) + Sq(span) - Sq(f.RockerLowerLen)) / 2 / d / span);
    d = GuardDivisor(m, Store(static_cast<Real>(p7.X) - p14.X));
    Real gamma = std::atan((static_cast<Real>(p7.Y) - p14.Y) / d);
    c = ClampCosine(m, c);
    gamma = AcosByAtan(c) - gamma;
    p8.X = Store(p14.X + f.LinkRadius * std::cos(gamma));
    p8.Y = Store(p14.Y - f.LinkRadius * std::sin(gamma));

    d = GuardDivisor(m, f.RockerLowerLen);
    p23.X = Store(p7.X + (static_cast<Real>(p7.X) - p8.X) * f.RockerUpperLen / d);
    p23.Y = Store(p7.Y + f.RockerUpperLen * (static_cast<Real>(p7.Y) - p8.Y) / d);

    d = GuardDivisor(m, Store(static_cast<Real>(p23.Y) - p7.Y));
    const Real delta = std::atan((static_cast<Real>(p7.X) - p23.X) / d);
    p5.X = Store(p23.X - f.RockerUpperBackSet * std::cos(delta));
    p5.Y = Store(p23.Y - f.RockerUpperBackSet * std::sin(delta));

    c = GuardRoot(m, Store(Sq(f.ValveConRodLen) - Sq(static_cast<Real>(p5.Y) - p4.Y)));
    p4.X = Store(p5.X + std::sqrt(static_cast<Real>(c)));

    const Real halfSheave = static_cast<Real>(f.EccDia) / 2;
    d = GuardDivisor(m, f.EccRodFwd);
    p21.X = Store(p12.X + halfSheave);
    p21.Y = Store(p12.Y - (halfSheave / d) * (static_cast<Real>(p12.Y) - p10.Y));
    d = GuardDivisor(m, f.EccRodRev);
    p22.X = Store(p13.X + halfSheave);
    p22.Y = Store(p13.Y - (halfSheave / d) * (static_cast<Real>(p13.Y) - p11.Y));

    RecordSolvedSense(m);
    ComputePortEdges(m);
    return true;
}

}  // namespace lm
