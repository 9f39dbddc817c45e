// One cylinder end's simulated indicator cycle, stepped phase by phase.

#pragma once

namespace lm {

// The simulated indicator cycle of one cylinder end: each driver step moves the end's
// pressure (in diagram units, 0 to 303) by one rule chosen by its phase.
enum class SteamPhase : char {
    Exhaust = '1',
    Compression = '2',
    Admission = '3',
    Expansion = '4',
};

enum class CylinderEnd { Front, Rear };

struct CylinderEndState {
    float Pressure = 0;
    float ReleasePressure = 0;  // the pressure when the exhaust last opened
    SteamPhase Phase = SteamPhase::Exhaust;
    // The position number is written on an end's curve once per admission.
    bool LabelDrawn = false;
};

// What one step sees: the piston travel now (t) and at the previous step (t0), both
// 0..640 from the front dead centre, and the end's two port openings.
struct CylinderStep {
    float Travel = 0;
    float PreviousTravel = 0;
    // In and out: admission treats a nearly shut port as 0.005 open and keeps that value.
    float SteamOpening = 0;
    float ExhaustOpening = 0;
};

// The four pressure rules, each one assignment.
void BlowDown(CylinderEndState& e);
void Compress(CylinderEndState& e, CylinderEnd end, float t, float t0);
void Admit(CylinderEndState& e, CylinderEnd end, float t, float& steamOpening);
void Expand(CylinderEndState& e, CylinderEnd end, float t, float t0);

// One phase transition of one end.
void AdvanceCylinderEnd(CylinderEndState& e, CylinderEnd end, CylinderStep& step);

}  // namespace lm
