// Lead, lap and exhaust clearance worked out independently, to check the diagrams' blocks.

#pragma once

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "../kinematics/IndependentGear.h"
#include "model/Model.h"

namespace lm::testing {

// Lead, lap and exhaust clearance at mid gear worked out from the valve's own geometry
// and an independent solution of the gear: the valve's displacement is the joint's X
// plus (ValveCtrToJoint - CylCtrToDriver); a lead is how far the valve overruns the
// steam lap at its extreme; laps and clearances are measured from the middle of the
// valve's travel (or from the valve's centre when the front port is wider than the
// ring distance).
struct ExpectedBlock {
    double frontLead, rearLead, frontLap, rearLap, frontExCl, rearExCl;
};

inline ExpectedBlock ExpectedMidGearBlock(const Model& m, float armPosition, const std::vector<double>& angles) {
    const CylinderRecord& c = m.Cyl;
    const double offset = double(c.ValveCtrToJoint) - c.CylCtrToDriver;
    double lo = 1e300, hi = -1e300;
    for (double a : angles) {
        const double v = test::SolveIndependently(m, a, armPosition).p[ValveStemJoint].x + offset;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    const double steamLap = double(c.ValveBoreCtrToPort) - c.ValveCtrToRing;
    const double frontExhaust = steamLap + c.ValvePortWidthFront - c.ValveEndWidthFront;
    const double rearExhaust = steamLap + c.ValvePortWidthRear - c.ValveEndWidthRear;
    const double middle = c.ValvePortWidthFront > c.ValveCtrToRing ? offset : (lo + hi) / 2;
    return {hi - steamLap,          -lo - steamLap,           steamLap - middle,
            steamLap + middle,      frontExhaust - middle,    rearExhaust + middle};
}

inline std::vector<double> SineAngles() {
    std::vector<double> a;
    for (int k = 7; k <= 73; ++k) a.push_back(std::fmod(8.0 * k + 272, 360.0));
    return a;
}

inline std::vector<double> OvalAngles() {
    std::vector<double> a;
    for (int k = 7; k <= 52; ++k) a.push_back(std::fmod(88.0 - 8 * k + 720, 360.0));
    return a;
}

}  // namespace lm::testing
