// The port events (steam and exhaust opening and closing at each end) and their colours.

#pragma once

#include "diagrams/Diagrams.h"
#include "graphics/Canvas.h"
#include "model/Model.h"

namespace lm {

// The valve events as the port open/close diagram finds them: a port opens when its
// opening goes from below 0 to 0 or more within a step, and closes when it goes from
// above 0 to 0 or less.

inline constexpr Rgb kForwardFrontColour{0, 128, 128};  // teal
inline constexpr Rgb kForwardRearColour{255, 0, 0};     // red
inline constexpr Rgb kReverseFrontColour{0, 128, 0};    // green
inline constexpr Rgb kReverseRearColour{128, 0, 0};     // maroon

// The four openings of one solved step.
struct PortOpenings {
    float FrontSteam = 0, FrontExhaust = 0, RearSteam = 0, RearExhaust = 0;
    static PortOpenings Of(const ValveState& v);
};

bool IsFrontEvent(PortEvent e);
bool IsOpeningEvent(PortEvent e);
float OpeningFor(PortEvent e, const PortOpenings& o);

// Whether the event happens between the previous and the current opening. NaN never does.
bool EventHappens(PortEvent e, float previous, float current);

// A crossing as percent of stroke: front events from the front dead centre, rear events
// from the rear one.
double EventPercent(PortEvent e, float travel);

// The piston travel at which the opening crosses zero, linear within the step.
float CrossingTravel(float travel, float previousTravel, float opening, float previousOpening);

// Front events are placed by the travel from the front dead centre, rear events by the
// travel from the rear one, both on the same 0..100 percent scale.
int EventColumn(PortEvent e, float crossing);
Rgb EventColour(PortEvent e, char graph);

// The line of row i (0 the centre line, 18 full gear).
inline constexpr int PortRowY(int row) { return 343 - 16 * row; }

// The reverse-arm position of row i: from mid gear towards full forward (graph 'F') or
// full reverse ('R') gear, in the sense the gear's geometry gives.
float PortRowRevArmPos(const Model& m, char graph, int row);

}  // namespace lm
