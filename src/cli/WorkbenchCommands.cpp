// The valve-events, sensitivity and fit commands: the workbench's tables and fit as text.

#include "cli/WorkbenchCommands.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/DimsCommand.h"
#include "cli/Json.h"
#include "files/DimensionFile.h"
#include "kinematics/GearPositions.h"
#include "workbench/Fit.h"
#include "workbench/FitReport.h"
#include "workbench/Sensitivity.h"
#include "workbench/ValveEvents.h"
#include "workbench/ValveEventsText.h"

namespace lm::cli {

namespace {

std::string Optional(const std::optional<double>& v) { return v ? JsonNumber(*v) : "null"; }
std::string CsvCell(const std::optional<double>& v) { return v ? JsonNumber(*v) : ""; }


std::string RowJson(const ValveEventRow& row) {
    JsonObject o;
    o.Number("row", row.Row).Number("RevArmPos", row.RevArmPos);
    for (const ValveEventColumn& c : ValveEventColumns()) o.Raw(c.Name, Optional(c.Get(row, c.Index)));
    o.Bool("GearError", row.GearError);
    return o.Text();
}

const std::vector<ValveEventRow>& RowsOf(const ValveEventsTable& t, char graph) {
    return graph == 'R' ? t.Reverse : t.Forward;
}

}  // namespace

std::string ValveEventsJson(const ValveEventsTable& table, const std::vector<char>& graphs) {
    JsonObject o;
    for (char g : graphs) {
        std::string rows = "[";
        bool first = true;
        for (const ValveEventRow& row : RowsOf(table, g)) {
            rows += (first ? "\n  " : ",\n  ") + RowJson(row);
            first = false;
        }
        o.Raw(std::string(1, g), rows + "]");
    }
    return o.Text();
}

void WarnUnassemblableRows(const ValveEventsTable& table, const std::vector<char>& graphs, std::string_view what,
                           std::ostream& err) {
    std::string rows;
    int count = 0;
    for (char g : graphs)
        for (const ValveEventRow& row : RowsOf(table, g))
            if (row.GearError) {
                rows += (count++ ? ", " : "") + std::string(1, g) + std::to_string(row.Row);
                }
    if (count)
        err << "linkmotion-cli: warning: " << what << "the gear cannot be assembled over the whole revolution in "
            << count << (count == 1 ? " row (" : " rows (") << rows << "), marked GearError\n";
}

namespace {

std::vector<char> ChosenGraphs(const Arguments& args) {
    const auto g = args.Last("graph");
    if (!g || *g == "B") return {'F', 'R'};
    if (*g == "F" || *g == "R") return {(*g)[0]};
    throw UsageError("--graph: expected F, R or B, got '" + *g + "'");
}

FitProblem ReadFitProblem(const Model& m, const Arguments& args) {
    FitProblem p;
    const std::vector<std::string> vary = ListOption(args, "vary");
    const std::vector<std::string> goals = ListOption(args, "goal");
    if (vary.empty()) throw UsageError("fit: --vary NAME[=LO:HI][,...] is required");
    if (goals.empty()) throw UsageError("fit: --goal GOAL[,...] is required");
    for (const std::string& text : vary) {
        FitVariable v;
        if (std::string error = ParseFitVariable(text, m, v); !error.empty()) throw UsageError("--vary: " + error);
        p.Vary.push_back(v);
    }
    for (const std::string& text : goals) {
        FitGoal g;
        if (std::string error = ParseFitGoal(text, g); !error.empty()) throw UsageError("--goal: " + error);
        p.Goals.push_back(g);
    }
    return p;
}

std::string Pair(double a, double b) { return "[" + JsonNumber(a) + ", " + JsonNumber(b) + "]"; }

}  // namespace

void RunValveEvents(const Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"graph", "csv", "as-diagram"});
    const std::vector<char> graphs = ChosenGraphs(args);
    const EventMethod method = args.Has("as-diagram") ? EventMethod::Diagram : EventMethod::Exact;
    ValveEventsTable table;
    for (char g : graphs) (g == 'R' ? table.Reverse : table.Forward) = ValveEventRows(m, g, method);
    if (args.Has("csv")) out << ValveEventsDelimited(table, ',');
    else out << ValveEventsJson(table, graphs) << '\n';
    WarnUnassemblableRows(table, graphs, "", std::cerr);
}

void RunSensitivity(const Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"event", "at", "csv"});
    const auto name = args.Last("event");
    if (!name) throw UsageError("sensitivity: --event NAME is required (e.g. FrontCutOff)");
    const std::optional<ValveEvent> event = ParseValveEvent(*name);
    if (!event) throw UsageError("--event: unknown event '" + *name + "' (try --help)");
    const std::string at = args.Last("at").value_or("mid");
    const std::optional<GearPosition> gear = ParseGearPosition(at);
    if (!gear) throw UsageError("--at: expected mid, fwd, rev, full-fwd or full-rev, got '" + at + "'");

    const SensitivityResult r = ComputeSensitivity(m, *gear, *event);
    if (!r.ok()) throw UsageError("sensitivity: " + r.Error);
    if (args.Has("csv")) {
        out << "name,slope,knifeEdge\n";
        for (const SensitivityEntry& e : r.Entries)
            out << e.Dimension->CodeName << ',' << CsvCell(e.Slope) << ',' << (e.KnifeEdge ? "true" : "false") << '\n';
        return;
    }
    out << '[';
    for (std::size_t i = 0; i < r.Entries.size(); ++i) {
        const SensitivityEntry& e = r.Entries[i];
        JsonObject o;
        o.String("name", e.Dimension->CodeName).Raw("slope", Optional(e.Slope)).Bool("knifeEdge", e.KnifeEdge);
        out << (i ? ",\n" : "\n") << o.Text();
    }
    out << "\n]\n";
}

void RunFitCommand(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"vary", "goal", "save", "threshold"});
    const FitProblem problem = ReadFitProblem(m, args);
    FitOptions options;
    if (auto t = args.Last("threshold")) {
        options.Tolerance = NumberOption("threshold", *t);
        if (!(options.Tolerance > 0)) throw UsageError("--threshold: expected a positive percent of stroke, got '" + *t + "'");
    }
    const auto path = args.Last("save");
    if (path && !HasDimensionFileExtension(*path)) throw UsageError("--save: '" + *path + "' does not end in .lmd");
    const FitResult r = RunFit(m, problem, options);
    if (r.Outcome == FitOutcome::Refused) throw UsageError("fit: " + r.Message);

    JsonObject vary;
    for (std::size_t k = 0; k < problem.Vary.size(); ++k)
        vary.Raw(problem.Vary[k].Dimension->CodeName, Pair(r.Before[k], r.After[k]));
    const ValveEventsTable before = ComputeValveEvents(m);
    const ValveEventsTable after = ComputeValveEvents(FittedModel(m, problem, r));
    const std::optional<UnaskedChange> unasked = LargestUnaskedChange(m, problem, before, after);
    JsonObject change;
    if (unasked)
        change.String("graph", std::string(1, unasked->Graph))
            .Number("row", unasked->Row)
            .String("event", unasked->Column)
            .Number("change", unasked->Change);
    JsonObject o;
    o.Raw("vary", vary.Text())
        .Raw("residual", Pair(r.ResidualBefore, r.ResidualAfter))
        .Bool("converged", r.Converged())
        .Raw("before", ValveEventsJson(before, {'F', 'R'}))
        .Raw("after", ValveEventsJson(after, {'F', 'R'}))
        .Raw("largestUnaskedChange", unasked ? change.Text() : "null");
    out << o.Text() << '\n';
    WarnUnassemblableRows(after, {'F', 'R'}, "after the fit, ", std::cerr);
    if (!r.Converged()) {
        out.flush();
        throw UsageError("fit: " + r.Message + (path ? "; nothing saved" : ""));
    }
    if (path) {
        ApplyFit(m, problem, r);
        const FileResult saved = SaveDimensionFile(m, *path);
        if (!saved.ok()) throw UsageError(saved.error);
    }
}

void RunCompare(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"csv", "graph"}, 2);
    const std::vector<char> graphs = ChosenGraphs(args);
    // Each file on a copy of the gear as the gear options left it: the files are only read.
    const auto tableOf = [&](const std::string& path) {
        Model g = m;
        const FileResult opened = OpenDimensionFile(g, path);
        if (!opened.ok()) throw UsageError(opened.error);
        ValveEventsTable t;
        for (char c : graphs) (c == 'R' ? t.Reverse : t.Forward) = ValveEventRows(g, c);
        return t;
    };
    const ValveEventsTable a = tableOf(args.operands[0]);
    const ValveEventsTable b = tableOf(args.operands[1]);
    const ValveEventsTable diff{ValveEventRowDifferences(a.Forward, b.Forward),
                                ValveEventRowDifferences(a.Reverse, b.Reverse)};
    if (args.Has("csv")) {
        for (const auto& [name, t] : {std::pair{"A", &a}, std::pair{"B", &b}, std::pair{"diff", &diff}}) {
            std::string text = ValveEventsDelimited(*t, ',');
            // One header: each line starts with the table it belongs to.
            std::string lines;
            std::size_t at = 0;
            for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
                if (at == 0) {
                    if (std::string(name) == "A") lines += "table," + text.substr(0, end + 1);
                    continue;
                }
                lines += std::string(name) + "," + text.substr(at, end + 1 - at);
            }
            out << lines;
        }
    } else {
        JsonObject o;
        o.Raw("A", ValveEventsJson(a, graphs)).Raw("B", ValveEventsJson(b, graphs)).Raw("diff", ValveEventsJson(diff, graphs));
        out << o.Text() << '\n';
    }
    WarnUnassemblableRows(a, graphs, "in " + args.operands[0] + ", ", std::cerr);
    WarnUnassemblableRows(b, graphs, "in " + args.operands[1] + ", ", std::cerr);
}

}  // namespace lm::cli
