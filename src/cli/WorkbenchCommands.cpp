// The valve-events, sensitivity and fit commands: the workbench's tables and fit as text.

#include "cli/WorkbenchCommands.h"

#include <cmath>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/DimsCommand.h"
#include "cli/Json.h"
#include "common/Numbers.h"
#include "files/DimensionFile.h"
#include "kinematics/GearPositions.h"
#include "workbench/Fit.h"
#include "workbench/FitReport.h"
#include "workbench/Sensitivity.h"
#include "workbench/ValveEvents.h"
#include "workbench/ValveEventsText.h"

namespace lm::cli {

namespace {


// A number to the decimals it is known to; null (empty in CSV) where there is none.
std::string Known(const std::optional<double>& v, int decimals) {
    return v && std::isfinite(*v) ? FixedText(*v, decimals) : "null";
}
std::string KnownCell(const std::optional<double>& v, int decimals) {
    return v && std::isfinite(*v) ? FixedText(*v, decimals) : "";
}
// Percent of stroke to the thousandth the exact events are known to.
constexpr int kPercentDecimals = 3;
constexpr int kLengthDecimals = 5;


std::string RowJson(const ValveEventRow& row, EventMethod method) {
    JsonObject o;
    o.Number("row", row.Row).Number("RevArmPos", row.RevArmPos);
    for (const ValveEventColumn& c : ValveEventColumns()) {
        const std::string number = ColumnNumber(c, c.Get(row, c.Index), method);
        o.Raw(c.Name, number.empty() ? "null" : number);
    }
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
            rows += (first ? "\n  " : ",\n  ") + RowJson(row, table.Method);
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
    const std::vector<std::string> constraints = ListOption(args, "constraint");
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
    for (const std::string& text : constraints) {
        FitConstraint c;
        if (std::string error = ParseFitConstraint(text, c); !error.empty()) throw UsageError("--constraint: " + error);
        p.Constraints.push_back(c);
    }
    return p;
}

std::string Pair(double a, double b) { return "[" + JsonNumber(a) + ", " + JsonNumber(b) + "]"; }
std::string Pair(const std::optional<double>& a, const std::optional<double>& b, int decimals) {
    return "[" + Known(a, decimals) + ", " + Known(b, decimals) + "]";
}

// Each goal's worst miss and each constraint's worst value, before and after.
std::string GoalsJson(const FitProblem& p, const FitResult& r) {
    std::string items = "[";
    for (std::size_t k = 0; k < p.Goals.size(); ++k) {
        JsonObject o;
        o.String("goal", FitGoalText(p.Goals[k]))
            .Raw("worstMiss", Pair(r.MeasuredBefore.GoalMiss[k], r.MeasuredAfter.GoalMiss[k], kPercentDecimals));
        items += (k ? ", " : "") + o.Text();
    }
    return items + "]";
}

std::string ConstraintsJson(const FitProblem& p, const FitResult& r) {
    std::string items = "[";
    for (std::size_t k = 0; k < p.Constraints.size(); ++k) {
        const std::optional<double>& room = r.MeasuredAfter.ConstraintRoom[k];
        JsonObject o;
        o.String("constraint", FitConstraintText(p.Constraints[k]))
            .Raw("worst", Pair(r.MeasuredBefore.ConstraintWorst[k], r.MeasuredAfter.ConstraintWorst[k],
                               IsLengthEvent(p.Constraints[k].Events.front()) ? kLengthDecimals : kPercentDecimals))
            .Bool("holds", room && *room >= 0);
        items += (k ? ", " : "") + o.Text();
    }
    return items + "]";
}

int EffectDecimals(const SensitivityEntry& e, const SensitivityOptions& o) {
    return DecimalsFor(e.Uncertainty * (e.Angle ? o.ToleranceAngle : o.ToleranceLength).value_or(1));
}

// A positive finite number, or a UsageError naming the option.
std::optional<double> PositiveOption(const Arguments& args, const std::string& name, const std::string& what) {
    const auto text = args.Last(name);
    if (!text) return std::nullopt;
    double v = 0;
    try {
        v = NumberOption(name, *text);
    } catch (const UsageError&) {
        v = 0;
    }
    if (!(v > 0)) throw UsageError("--" + name + ": expected a positive " + what + ", got '" + *text + "'");
    return v;
}

}  // namespace

void RunValveEvents(const Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"graph", "csv", "as-diagram"});
    const std::vector<char> graphs = ChosenGraphs(args);
    const EventMethod method = args.Has("as-diagram") ? EventMethod::Diagram : EventMethod::Exact;
    ValveEventsTable table;
    table.Method = method;
    for (char g : graphs) (g == 'R' ? table.Reverse : table.Forward) = ValveEventRows(m, g, method);
    if (args.Has("csv")) out << ValveEventsDelimited(table, ',');
    else out << ValveEventsJson(table, graphs) << '\n';
    WarnUnassemblableRows(table, graphs, "", std::cerr);
}

void RunSensitivity(const Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"event", "at", "csv", "step-length", "step-angle", "tolerance-length", "tolerance-angle"});
    const auto name = args.Last("event");
    if (!name) throw UsageError("sensitivity: --event NAME is required (e.g. FrontCutOff)");
    const std::optional<ValveEvent> event = ParseValveEvent(*name);
    if (!event) throw UsageError("--event: unknown event '" + *name + "' (try --help)");
    const std::string at = args.Last("at").value_or("mid");
    const std::optional<GearPosition> gear = ParseGearPosition(at);
    if (!gear) throw UsageError("--at: expected mid, fwd, rev, full-fwd or full-rev, got '" + at + "'");

    SensitivityOptions options;
    options.StepLength = PositiveOption(args, "step-length", "length").value_or(kDefaultStepLength);
    options.StepAngle = PositiveOption(args, "step-angle", "angle in degrees").value_or(kDefaultStepAngle);
    options.ToleranceLength = PositiveOption(args, "tolerance-length", "length");
    options.ToleranceAngle = PositiveOption(args, "tolerance-angle", "angle in degrees");
    if (options.ToleranceLength.has_value() != options.ToleranceAngle.has_value())
        throw UsageError("sensitivity: --tolerance-length and --tolerance-angle go together, so lengths and angles rank "
                         "on one footing");

    const SensitivityResult r = ComputeSensitivity(m, *gear, *event, options);
    if (!r.ok()) throw UsageError("sensitivity: " + r.Error);
    const bool effects = options.ToleranceLength.has_value();
    if (args.Has("csv")) {
        out << "name,slope,knifeEdge,kind,unit,step" << (effects ? ",effect,effectUnit" : "") << '\n';
        for (const SensitivityEntry& e : r.Entries) {
            out << e.Dimension->CodeName << ',' << KnownCell(e.Slope, DecimalsFor(e.Uncertainty)) << ','
                << (e.KnifeEdge ? "true" : "false") << ',' << (e.Angle ? "angle" : "length") << ','
                << SlopeUnit(*event, e.Angle) << ',' << JsonNumber(e.Step);
            if (effects) out << ',' << KnownCell(e.Effect, EffectDecimals(e, options)) << ',' << EventUnit(*event);
            out << '\n';
        }
        return;
    }
    out << '[';
    for (std::size_t i = 0; i < r.Entries.size(); ++i) {
        const SensitivityEntry& e = r.Entries[i];
        JsonObject o;
        o.String("name", e.Dimension->CodeName)
            .Raw("slope", Known(e.Slope, DecimalsFor(e.Uncertainty)))
            .Bool("knifeEdge", e.KnifeEdge)
            .String("kind", e.Angle ? "angle" : "length")
            .String("unit", SlopeUnit(*event, e.Angle))
            .Number("step", e.Step);
        if (effects) o.Raw("effect", Known(e.Effect, EffectDecimals(e, options))).String("effectUnit", EventUnit(*event));
        out << (i ? ",\n" : "\n") << o.Text();
    }
    out << "\n]\n";
}

void RunFitCommand(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"vary", "goal", "constraint", "save", "threshold"});
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
        .Raw("residual", Pair(r.ResidualBefore, r.ResidualAfter, kPercentDecimals))
        .Raw("goals", GoalsJson(problem, r))
        .Raw("constraints", ConstraintsJson(problem, r))
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
