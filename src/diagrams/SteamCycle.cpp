// The indicator cycle's pressure rules for exhaust, compression, admission and expansion.

#include "diagrams/SteamCycle.h"

#include "kinematics/Guards.h"

namespace lm {

namespace {
constexpr Real kLowestPressure = 5;
constexpr Real kBoilerPressure = 303;
constexpr float kSmallestAdmission = 0.005f;
}  // namespace

void BlowDown(CylinderEndState& e) {
    e.Pressure = Store(e.Pressure - static_cast<Real>(e.ReleasePressure) / 15);
    if (e.Pressure < kLowestPressure) e.Pressure = Store(kLowestPressure);
}

void Compress(CylinderEndState& e, CylinderEnd end, float t, float t0) {
    const Real c = end == CylinderEnd::Front
                       ? static_cast<Real>(t0) / (static_cast<Real>(t) + 1) + 0.3L
                       : (640 - static_cast<Real>(t0)) / (641 - static_cast<Real>(t)) + 0.3L;
    const float cs = Store(c);
    const Real c2 = static_cast<Real>(cs) * cs;
    e.Pressure = Store(e.Pressure + c2 * c2);
}

void Admit(CylinderEndState& e, CylinderEnd end, float t, float& steamOpening) {
    if (steamOpening < kSmallestAdmission) steamOpening = kSmallestAdmission;
    const Real room = end == CylinderEnd::Front ? static_cast<Real>(t) + 45 : 685 - static_cast<Real>(t);
    e.Pressure = Store(e.Pressure + static_cast<Real>(steamOpening) * 100000 / room);
    if (e.Pressure > kBoilerPressure) e.Pressure = Store(kBoilerPressure);
}

void Expand(CylinderEndState& e, CylinderEnd end, float t, float t0) {
    // The volume of each end counts from its own cover, with 100 units of clearance.
    const Real before = end == CylinderEnd::Front ? static_cast<Real>(t0) + 100 : 740 - static_cast<Real>(t0);
    const Real after = end == CylinderEnd::Front ? static_cast<Real>(t) + 100 : 740 - static_cast<Real>(t);
    e.Pressure = Store(before * e.Pressure / after * 0.96L);
}

void AdvanceCylinderEnd(CylinderEndState& e, CylinderEnd end, CylinderStep& s) {
    const float t = s.Travel;
    const float t0 = s.PreviousTravel;
    switch (e.Phase) {
        case SteamPhase::Exhaust:
            if (s.ExhaustOpening > 0) {
                BlowDown(e);
            } else {
                Compress(e, end, t, t0);
                e.Phase = SteamPhase::Compression;
            }
            break;
        case SteamPhase::Compression: {
            if (s.SteamOpening > 0) {
                Admit(e, end, t, s.SteamOpening);
                e.Phase = SteamPhase::Admission;
            } else {
                Compress(e, end, t, t0);
            }
            const bool pastDeadCentre = end == CylinderEnd::Front ? t0 < t : t0 > t;
            if (pastDeadCentre) e.Phase = SteamPhase::Admission;
            break;
        }
        case SteamPhase::Admission:
            if (s.SteamOpening > 0) {
                Admit(e, end, t, s.SteamOpening);
            } else {
                Expand(e, end, t, t0);
                e.Phase = SteamPhase::Expansion;
            }
            e.LabelDrawn = false;
            break;
        case SteamPhase::Expansion:
            if (s.ExhaustOpening > 0) {
                e.ReleasePressure = e.Pressure;
                BlowDown(e);
                e.Phase = SteamPhase::Exhaust;
            } else {
                Expand(e, end, t, t0);
            }
            if (s.SteamOpening > 0) e.Phase = SteamPhase::Admission;
            break;
    }
}

}  // namespace lm
