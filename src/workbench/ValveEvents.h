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
// The events a word names: an event's name (FrontCutOff), or a pair in any case with
// dashes ignored (lead, opening or maxopening, admission, cutoff, release, compression)
// for both ends, or for one when led by front- or rear-. Empty when it names none.
std::vector<ValveEvent> ParseEventWord(std::string_view word);
// "front cut-off" and the like, for messages.
std::string_view ValveEventWords(ValveEvent e);
bool IsLengthEvent(ValveEvent e);
// "Lead", "MaxOpening", ... : the name of pair p (0..5) without its end.
std::string_view ValveEventPairName(int pair);
// "Lead", "Greatest opening", "Cut-off", ...: pair p in words, for captions.
std::string_view ValveEventPairCaption(int pair);

// Admission, cut-off, release and compression of each end: the events that happen at a
// crank angle, FrontAdmission onwards.
inline constexpr int kTimedEventCount = 8;
inline constexpr int kFirstTimedEvent = static_cast<int>(ValveEvent::FrontAdmission);
inline bool IsTimedEvent(ValveEvent e) { return static_cast<int>(e) >= kFirstTimedEvent; }

struct ValveEventRow {
    int Row = 0;
    float RevArmPos = 0;
    // Empty where the event does not occur in the revolution.
    std::array<std::optional<double>, kValveEventCount> Values{};
    // Crank degrees of each timed event from its end's dead centre, in the sense of
    // rotation, negative before it (-180 exclusive to 180); empty in the diagram's table.
    std::array<std::optional<double>, kTimedEventCount> Crank{};
    // Front then rear: how far the valve travels past the port's full opening (length
    // units, 0 where it never gets there) and the crank degrees the port is fully open;
    // empty where the port never opens, and in the diagram's table.
    std::array<std::optional<double>, 2> OverTravel{};
    std::array<std::optional<double>, 2> FullOpenDeg{};
    // The dead centres found, crank angles in degrees.
    double FrontDeadCentre = 0;
    double RearDeadCentre = 180;
    // Some solve of the revolution had to clamp impossible geometry: the gear cannot be
    // assembled over the whole revolution at this setting.
    bool GearError = false;

    std::optional<double> Value(ValveEvent e) const { return Values[static_cast<std::size_t>(e)]; }
    std::optional<double> CrankOf(ValveEvent e) const {
        if (!IsTimedEvent(e)) return std::nullopt;
        return Crank[static_cast<std::size_t>(static_cast<int>(e) - kFirstTimedEvent)];
    }
    // Front minus rear of pair p (0..5); empty where either is.
    std::optional<double> Difference(int pair) const;
};

// Lead is the steam opening at the end's own dead centre (negative while the valve
// still covers the port); the greatest opening is the largest of the sampled steam
// openings, empty when the port never opens; an event found more than once in the
// revolution is its last crossing, where the diagram's curve goes on from.
ValveEventRow ValveEventsOfRow(const PortRowSweep& row);

// Exact: every event refined on the solver (ExactEvents.h). Diagram: read off the port
// diagram's 4-degree sweep, exactly as the diagram draws it.
enum class EventMethod { Exact, Diagram };

struct ValveEventsTable {
    std::vector<ValveEventRow> Forward;
    std::vector<ValveEventRow> Reverse;
    // How the rows were found, so their text shows the digits they are known to.
    EventMethod Method = EventMethod::Exact;
};

// The table for the diagram's nineteen rows of one graph ('F' or 'R'), or of both;
// computed on copies, so the model passed in is only read.
std::vector<ValveEventRow> ValveEventRows(const Model& m, char graph, EventMethod method = EventMethod::Exact);
ValveEventsTable ComputeValveEvents(const Model& m, EventMethod method = EventMethod::Exact);

// One row at a named reverser setting, on a copy of the model.
ValveEventRow ValveEventsAt(const Model& m, GearPosition at, EventMethod method = EventMethod::Exact);

}  // namespace lm
