// The inside-admission valve's port edges and openings and the piston's travel.

#include "kinematics/PistonAndPorts.h"

#include <cmath>

#include "kinematics/Guards.h"

namespace lm {

namespace {
// The valve's letters: O R P Q S T U E as the port geometry is usually written.
struct ValveGeometry {
    Real O, R, P, Q, S, T, U, E;
    explicit ValveGeometry(const CylinderRecord& c)
        : O(c.ValveBoreCtrToPort), R(c.ValveCtrToRing), P(c.ValvePortWidthRear),
          Q(c.ValvePortWidthFront), S(c.ValveEndWidthRear), T(c.ValveEndWidthFront),
          U(c.ValveCtrToJoint), E(c.CylCtrToDriver) {}
};
}  // namespace

void ComputePortEdges(Model& m) {
    const ValveGeometry v(m.Cyl);
    ValveState& s = m.Valve;
    const Real x4 = m.P(ValveStemJoint).X;
    const Real c = v.U - v.E;
    const Real lap = v.O - v.R;
    s.FrontSteamEdge = Store(lap);
    s.FrontSteamFull = Store(lap + v.Q);
    s.FrontExhaustEdge = Store(lap + v.Q - v.T);
    s.RearSteamEdge = Store(lap);
    s.RearSteamFull = Store(v.O + v.P - v.R);
    s.RearExhaustEdge = Store(v.O + v.P - v.R - v.S);
    s.ValveDisplacement = Store(x4 + v.U - v.E);
    s.FrontLeadTerm = Store(c - lap);
    s.RearLeadTerm = Store(v.E - v.U - v.O + v.R);
    s.FrontLapTerm = Store(lap - c);
    s.RearLapTerm = Store(lap + c);
    s.FrontExClTerm = Store((v.O + v.Q - v.R - v.T) - c);
    s.RearExClTerm = Store((v.O + v.P - v.R - v.S) + c);
}

void SolvePistonAndPorts(Model& m) {
    const FrameDimensions& f = m.Frame;
    const Real theta = Rad(m.Gear.DriverAngle);
    const float d = GuardDivisor(m, f.Stroke);
    const Real throw_ = std::sin(theta) * f.Stroke / 2;
    const float c = GuardRoot(m, Store(static_cast<Real>(f.MainRodLen) * f.MainRodLen - throw_ * throw_));
    m.Valve.PistonPos = Store(320 - 320 * (std::cos(theta) + 2 * std::sqrt(static_cast<Real>(c)) / d -
                                           2 * static_cast<Real>(f.MainRodLen) / d));

    const ValveGeometry v(m.Cyl);
    const Real x4 = m.P(ValveStemJoint).X;
    ValveState& s = m.Valve;
    s.FrontSteamOpening = Store(x4 + v.U + v.R - v.E - v.O);
    s.FrontExhaustOpening = Store(v.E + v.O + v.Q - x4 - v.U - v.R - v.T);
    s.RearSteamOpening = Store(v.E + v.R - x4 - v.U - v.O);
    s.RearExhaustOpening = Store(v.U + x4 + v.O - v.E + v.P - v.R - v.S);
}

}  // namespace lm
