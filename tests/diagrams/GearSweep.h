// An independent sweep of the gear for checking the diagrams' numbers.

#pragma once

#include <vector>

#include "kinematics/LinkageSolver.h"
#include "kinematics/PistonAndPorts.h"
#include "model/Model.h"

namespace lm::testing {

// The gear solved at one arm position for a run of driver angles, on a copy of the
// model: what the diagrams' numbers are checked against.
struct SweepPoint {
    float angle, travel, frontSteam, frontExhaust, rearSteam, rearExhaust;
};

inline std::vector<SweepPoint> SweepGear(Model m, float revArmPos, float firstAngle, float step, int count) {
    std::vector<SweepPoint> out;
    m.Gear.RevArmPos = revArmPos;
    for (int k = 0; k < count; ++k) {
        double a = firstAngle + step * k;
        while (a >= 360) a -= 360;
        while (a < 0) a += 360;
        m.Gear.DriverAngle = static_cast<float>(a);
        SolveLinkage(m);
        SolvePistonAndPorts(m);
        const ValveState& v = m.Valve;
        out.push_back({static_cast<float>(a), v.PistonPos, v.FrontSteamOpening, v.FrontExhaustOpening,
                       v.RearSteamOpening, v.RearExhaustOpening});
    }
    return out;
}

// Linear zero crossings of one opening along a sweep: the travel where it turns
// non-negative (opens) or non-positive (closes).
inline std::vector<double> ZeroCrossings(const std::vector<SweepPoint>& s, float SweepPoint::*opening, bool opens) {
    std::vector<double> out;
    for (std::size_t k = 1; k < s.size(); ++k) {
        const double o0 = s[k - 1].*opening, o = s[k].*opening;
        const bool happens = opens ? (o0 < 0 && o >= 0) : (o0 > 0 && o <= 0);
        if (!happens) continue;
        const double f = o0 / (o0 - o);  // fraction of the step before the crossing
        out.push_back(s[k - 1].travel + f * (s[k].travel - s[k - 1].travel));
    }
    return out;
}

}  // namespace lm::testing
