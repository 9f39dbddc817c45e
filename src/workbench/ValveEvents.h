// The valve-events table a designer reads: lead, opening, admission, cut-off, release
// and compression at each end, row by row.

#pragma once

// The valve-events table: each reverse-arm row of the port diagram's sweep turned into
// what a designer reads off it for both cylinder ends.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "diagrams/PortSweep.h"
#include "kinematics/GearPositions.h"
#include "model/Model.h"

namespace lm {

// Front and rear of each event in turn. Lead and greatest opening are lengths; the
// others percent of stroke, front events from the front dead centre and rear events
// from the rear one.
enum class ValveEvent {
    FrontLead, RearLead,
    FrontMaxOpening, RearMaxOpening,
    FrontAdmission, RearAdmission,
    FrontCutOff, RearCutOff,
    FrontRelease, RearRelease,
    FrontCompression, RearCompression,
};
inline constexpr int kValveEventCount = 12;
inline constexpr int kValveEventPairCount = kValveEventCount / 2;

std::string_view ValveEventName(ValveEvent e);
std::optional<ValveEvent> ParseValveEvent(std::string_view name);
// "front cut-off" and the like, for messages.
std::string_view ValveEventWords(ValveEvent e);
bool IsLengthEvent(ValveEvent e);
// "Lead", "MaxOpening", ... : the name of pair p (0..5) without its end.
std::string_view ValveEventPairName(int pair);

struct ValveEventRow {
    int Row = 0;
    float RevArmPos = 0;
    // Empty where the event does not occur in the revolution.
    std::array<std::optional<double>, kValveEventCount> Values{};

    std::optional<double> Value(ValveEvent e) const { return Values[static_cast<std::size_t>(e)]; }
    // Front minus rear of pair p (0..5); empty where either is.
    std::optional<double> Difference(int pair) const;
};

// Lead is the steam opening at the end's own dead centre (negative while the valve
// still covers the port); the greatest opening is the largest of the sampled steam
// openings, empty when the port never opens; an event found more than once in the
// revolution is its last crossing, where the diagram's curve goes on from.
ValveEventRow ValveEventsOfRow(const PortRowSweep& row);

struct ValveEventsTable {
    std::vector<ValveEventRow> Forward;
    std::vector<ValveEventRow> Reverse;
};

// The table for the diagram's nineteen rows of one graph ('F' or 'R'), or of both;
// computed on copies, so the model passed in is only read.
std::vector<ValveEventRow> ValveEventRows(const Model& m, char graph);
ValveEventsTable ComputeValveEvents(const Model& m);

// One row at a named reverser setting, on a copy of the model.
ValveEventRow ValveEventsAt(const Model& m, GearPosition at);

}  // namespace lm
