// Telling the port events apart and finding when an opening crosses zero.

#include "diagrams/PortEvents.h"

#include <algorithm>

#include "common/Numbers.h"
#include "kinematics/Guards.h"
#include "kinematics/ReverseArm.h"

namespace lm {

PortOpenings PortOpenings::Of(const ValveState& v) {
    return {v.FrontSteamOpening, v.FrontExhaustOpening, v.RearSteamOpening, v.RearExhaustOpening};
}

bool IsFrontEvent(PortEvent e) {
    return e == FrontSteamOpens || e == FrontExhaustOpens || e == FrontSteamCloses ||
           e == FrontExhaustCloses;
}

bool IsOpeningEvent(PortEvent e) { return e < FrontSteamCloses; }

float OpeningFor(PortEvent e, const PortOpenings& o) {
    switch (e) {
        case FrontSteamOpens:
        case FrontSteamCloses: return o.FrontSteam;
        case FrontExhaustOpens:
        case FrontExhaustCloses: return o.FrontExhaust;
        case RearSteamOpens:
        case RearSteamCloses: return o.RearSteam;
        default: return o.RearExhaust;
    }
}

bool EventHappens(PortEvent e, float previous, float current) {
    return IsOpeningEvent(e) ? previous < 0 && current >= 0 : previous > 0 && current <= 0;
}

double EventPercent(PortEvent e, float travel) {
    return IsFrontEvent(e) ? travel / 6.4 : (640.0 - travel) / 6.4;
}

float CrossingTravel(float t, float t0, float o, float o0) {
    return Store(t - static_cast<Real>(o) * (static_cast<Real>(t0) - t) / (static_cast<Real>(o0) - o));
}

int EventColumn(PortEvent e, float crossing) {
    const Real x = IsFrontEvent(e) ? 0.84375L * crossing : 540 - 0.84375L * crossing;
    // A wild crossing (from a gear that cannot be built) stays far off the canvas
    // instead of overflowing.
    constexpr std::int32_t kFar = 1 << 24;
    return 9 + std::clamp(RoundToInt(x), -kFar, kFar);
}

Rgb EventColour(PortEvent e, char graph) {
    const bool front = IsFrontEvent(e);
    if (graph == 'R') return front ? kReverseFrontColour : kReverseRearColour;
    return front ? kForwardFrontColour : kForwardRearColour;
}

float PortRowRevArmPos(const Model& m, char graph, int row) {
    const Real c = m.Gear.RevArmCenter;
    const float d = Store(row * static_cast<Real>(m.Frame.RevArmCentMax) / 18);
    const bool towardsPlus = PlainSense(m) == (graph != 'R');
    return Store(towardsPlus ? c + d : c - d);
}

}  // namespace lm
