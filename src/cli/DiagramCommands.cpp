// The events, steam and leadlap commands: the diagrams' numbers as JSON or CSV.

#include "cli/DiagramCommands.h"

#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Json.h"
#include "diagrams/Diagrams.h"
#include "diagrams/PortEvents.h"
#include "graphics/NullCanvas.h"
#include "kinematics/RevArmPositionSet.h"

namespace lm::cli {

namespace {

constexpr std::array<const char*, kPortEventCount> kEventKeys = {
    "FrontSteamOpens",  "FrontExhaustOpens",  "RearSteamOpens",  "RearExhaustOpens",
    "FrontSteamCloses", "FrontExhaustCloses", "RearSteamCloses", "RearExhaustCloses",
};

std::vector<PortRowReport> PortRows(Model& m, char graph) {
    std::vector<PortRowReport> rows;
    NullCanvas canvas;
    DrawPortDiagram(m, canvas, graph, false, &rows);
    return rows;
}

std::string RowJson(const PortRowReport& row) {
    JsonObject o;
    o.Number("row", row.Row).Number("RevArmPos", row.RevArmPos);
    for (int e = 0; e < kPortEventCount; ++e) {
        std::string list = "[";
        const auto& crossings = row.Crossings[static_cast<std::size_t>(e)];
        for (std::size_t i = 0; i < crossings.size(); ++i)
            list += (i ? ", " : "") + JsonNumber(EventPercent(static_cast<PortEvent>(e), crossings[i]));
        o.Raw(kEventKeys[static_cast<std::size_t>(e)], list + "]");
    }
    return o.Text();
}

std::vector<char> ChosenGraphs(const Arguments& args) {
    const auto g = args.Last("graph");
    if (!g) return {'F', 'R'};
    if (*g == "F" || *g == "R") return {(*g)[0]};
    throw UsageError("--graph: expected F or R, got '" + *g + "'");
}

// Positions as typed into the position window's boxes: clamped into the arm's travel,
// position 1 never 0, and a 0 ends the run.
void ReplacePositions(Model& m, const std::string& list) {
    std::vector<float> values;
    std::stringstream ss(list);
    std::string item;
    while (std::getline(ss, item, ',')) {
        const double v = NumberOption("positions", item);
        values.push_back(static_cast<float>(v));
    }
    if (values.empty() || values.size() > static_cast<std::size_t>(kRevArmPositionCount))
        throw UsageError("--positions: expected 1 to 9 comma-separated positions");
    m.Gear.RevArmPositions.fill(0);
    for (std::size_t k = 0; k < values.size(); ++k)
        StoreEditedRevArmPosition(m, static_cast<int>(k) + 1, values[k]);
}

// A missing cut-off and one that could not be worked out are different findings: JSON
// gives both as null with a reason beside, CSV leaves the first empty and writes the
// second as nan or inf.
constexpr const char* kNoCutOff = "no cut-off";
constexpr const char* kNotFinite = "not finite";

std::string CutOffCsv(const std::optional<float>& v) {
    if (!v) return {};
    if (std::isnan(*v)) return "nan";
    if (std::isinf(*v)) return *v > 0 ? "inf" : "-inf";
    return JsonNumber(*v);
}

void CutOffJson(JsonObject& o, const std::string& key, const std::optional<float>& v) {
    if (v && std::isfinite(*v)) {
        o.Number(key, *v);
        return;
    }
    o.Raw(key, "null").String(key + "Reason", v ? kNotFinite : kNoCutOff);
}

}  // namespace

void RunEvents(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"graph", "csv"});
    const std::vector<char> graphs = ChosenGraphs(args);
    if (args.Has("csv")) {
        out << "graph,row,RevArmPos,event,percent\n";
        for (char g : graphs)
            for (const PortRowReport& row : PortRows(m, g))
                for (int e = 0; e < kPortEventCount; ++e)
                    for (float t : row.Crossings[static_cast<std::size_t>(e)])
                        out << g << ',' << row.Row << ',' << JsonNumber(row.RevArmPos) << ','
                            << kEventKeys[static_cast<std::size_t>(e)] << ','
                            << JsonNumber(EventPercent(static_cast<PortEvent>(e), t)) << '\n';
        return;
    }
    JsonObject o;
    for (char g : graphs) {
        std::string rows = "[";
        bool first = true;
        for (const PortRowReport& row : PortRows(m, g)) {
            rows += (first ? "\n  " : ",\n  ") + RowJson(row);
            first = false;
        }
        o.Raw(std::string(1, g), rows + "]");
    }
    out << o.Text() << '\n';
}

void RunSteam(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"positions", "csv"});
    if (auto list = args.Last("positions")) ReplacePositions(m, *list);
    ApplyRevArmRunRule(m);  // as the position window does before every diagram
    std::vector<SteamPositionReport> report;
    NullCanvas canvas;
    DrawSteamDiagram(m, canvas, &report);
    if (args.Has("csv")) {
        out << "position,RevArmPos,FrontCutOff,RearCutOff\n";
        for (const SteamPositionReport& r : report)
            out << r.Position << ',' << JsonNumber(r.RevArmPos) << ','
                << CutOffCsv(r.FrontCutOff) << ',' << CutOffCsv(r.RearCutOff) << '\n';
        return;
    }
    out << '[';
    for (std::size_t i = 0; i < report.size(); ++i) {
        const SteamPositionReport& r = report[i];
        JsonObject o;
        o.Number("position", r.Position).Number("RevArmPos", r.RevArmPos);
        CutOffJson(o, "FrontCutOff", r.FrontCutOff);
        CutOffJson(o, "RearCutOff", r.RearCutOff);
        out << (i ? ",\n" : "\n") << o.Text();
    }
    out << (report.empty() ? "]\n" : "\n]\n");
}

void RunLeadLap(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {});
    const std::optional<MidGearBlock> b = MidGearLeadAndLap(m);
    JsonObject o;
    if (!b) {
        for (const char* k : {"FrontLead", "RearLead", "FrontLap", "RearLap", "FrontExCl", "RearExCl"})
            o.Raw(k, "null");
    } else {
        o.Number("FrontLead", b->FrontLead).Number("RearLead", b->RearLead);
        o.Number("FrontLap", b->FrontLap).Number("RearLap", b->RearLap);
        o.Number("FrontExCl", b->FrontExCl).Number("RearExCl", b->RearExCl);
    }
    out << o.Text() << '\n';
}

}  // namespace lm::cli
