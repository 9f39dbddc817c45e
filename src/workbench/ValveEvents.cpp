// The valve events' names and the table built from the port sweep's rows.

#include "workbench/ValveEvents.h"

#include <cctype>
#include <cmath>
#include <string>

#include "diagrams/PortEvents.h"
#include "workbench/ExactEvents.h"

namespace lm {

namespace {

struct EventNames {
    std::string_view Name;
    std::string_view Words;
};

constexpr std::array<EventNames, kValveEventCount> kNames = {{
    {"FrontLead", "front lead"},
    {"RearLead", "rear lead"},
    {"FrontMaxOpening", "front greatest opening"},
    {"RearMaxOpening", "rear greatest opening"},
    {"FrontAdmission", "front admission"},
    {"RearAdmission", "rear admission"},
    {"FrontCutOff", "front cut-off"},
    {"RearCutOff", "rear cut-off"},
    {"FrontRelease", "front release"},
    {"RearRelease", "rear release"},
    {"FrontCompression", "front compression"},
    {"RearCompression", "rear compression"},
}};

constexpr std::array<std::string_view, kValveEventPairCount> kPairNames = {
    "Lead", "MaxOpening", "Admission", "CutOff", "Release", "Compression"};
constexpr std::array<std::string_view, kValveEventPairCount> kPairCaptions = {
    "Lead", "Greatest opening", "Admission", "Cut-off", "Release", "Compression"};

std::optional<double> Finite(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

// The table's event each crossing of the sweep gives.
ValveEvent TableEvent(PortEvent e) {
    switch (e) {
        case FrontSteamOpens: return ValveEvent::FrontAdmission;
        case FrontExhaustOpens: return ValveEvent::FrontRelease;
        case RearSteamOpens: return ValveEvent::RearAdmission;
        case RearExhaustOpens: return ValveEvent::RearRelease;
        case FrontSteamCloses: return ValveEvent::FrontCutOff;
        case FrontExhaustCloses: return ValveEvent::FrontCompression;
        case RearSteamCloses: return ValveEvent::RearCutOff;
        default: return ValveEvent::RearCompression;
    }
}

std::optional<double> Opening(float greatest) {
    if (!(greatest > 0)) return std::nullopt;
    return Finite(greatest);
}

}  // namespace

std::string_view ValveEventName(ValveEvent e) { return kNames[static_cast<std::size_t>(e)].Name; }
std::string_view ValveEventWords(ValveEvent e) { return kNames[static_cast<std::size_t>(e)].Words; }

std::optional<ValveEvent> ParseValveEvent(std::string_view name) {
    for (std::size_t k = 0; k < kNames.size(); ++k)
        if (kNames[k].Name == name) return static_cast<ValveEvent>(k);
    return std::nullopt;
}

std::vector<ValveEvent> ParseEventWord(std::string_view word) {
    std::string plain;
    for (char c : word)
        if (c != '-' && c != '_') plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto lower = [](std::string_view name) {
        std::string s;
        for (char c : name) s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    for (int p = 0; p < kValveEventPairCount; ++p) {
        const std::string pair = lower(ValveEventPairName(p));
        const auto front = static_cast<ValveEvent>(2 * p), rear = static_cast<ValveEvent>(2 * p + 1);
        const bool opening = p == 1;
        for (const std::string& name : {pair, std::string(opening ? "opening" : "")}) {
            if (name.empty()) continue;
            if (plain == name) return {front, rear};
            if (plain == "front" + name) return {front};
            if (plain == "rear" + name) return {rear};
        }
    }
    return {};
}

bool IsLengthEvent(ValveEvent e) { return static_cast<int>(e) < 4; }

std::string_view ValveEventPairName(int pair) { return kPairNames[static_cast<std::size_t>(pair)]; }
std::string_view ValveEventPairCaption(int pair) { return kPairCaptions[static_cast<std::size_t>(pair)]; }

std::optional<double> ValveEventRow::Difference(int pair) const {
    const auto& front = Values[static_cast<std::size_t>(2 * pair)];
    const auto& rear = Values[static_cast<std::size_t>(2 * pair + 1)];
    if (!front || !rear) return std::nullopt;
    return *front - *rear;
}

ValveEventRow ValveEventsOfRow(const PortRowSweep& row) {
    ValveEventRow r;
    r.Row = row.Row;
    r.RevArmPos = row.RevArmPos;
    r.GearError = row.GearError;
    const auto set = [&r](ValveEvent e, std::optional<double> v) { r.Values[static_cast<std::size_t>(e)] = v; };
    set(ValveEvent::FrontLead, Finite(row.FrontSteamAtDeadCentre));
    set(ValveEvent::RearLead, Finite(row.RearSteamAtDeadCentre));
    set(ValveEvent::FrontMaxOpening, Opening(row.FrontSteamMax));
    set(ValveEvent::RearMaxOpening, Opening(row.RearSteamMax));
    for (const PortCrossing& c : row.Crossings) set(TableEvent(c.Event), Finite(EventPercent(c.Event, c.Travel)));
    return r;
}

std::vector<ValveEventRow> ValveEventRows(const Model& m, char graph, EventMethod method) {
    if (method == EventMethod::Exact) return ExactEventRows(m, graph);
    Model copy = m;
    copy.Gear.ErrorBeepOn = true;
    copy.Gear.GearError = false;
    std::vector<ValveEventRow> rows;
    for (const PortRowSweep& swept : SweepPortRows(copy, graph == 'R' ? 'R' : 'F'))
        rows.push_back(ValveEventsOfRow(swept));
    return rows;
}

ValveEventsTable ComputeValveEvents(const Model& m, EventMethod method) {
    return {ValveEventRows(m, 'F', method), ValveEventRows(m, 'R', method), method};
}

ValveEventRow ValveEventsAt(const Model& m, GearPosition at, EventMethod method) {
    Model copy = m;
    MoveToGearPosition(copy, at);
    if (method == EventMethod::Exact) return ExactEventsOfRow(copy, GraphFor(at), copy.Gear.RevArmPos);
    return ValveEventsOfRow(SweepPortRow(copy, GraphFor(at), copy.Gear.RevArmPos));
}

}  // namespace lm
