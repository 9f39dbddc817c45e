// The solve and sweep commands: the solved gear's quantities at one or many driver angles.

#include "cli/SolveCommands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "cli/Json.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/PistonAndPorts.h"

namespace lm::cli {

namespace {

struct Field {
    const char* key;
    float (*get)(const Model&);
};

#define FIELD(key, expr) Field{key, [](const Model& m) -> float { return expr; }}

// The reals of one solved state, in output order (GearError and the pivots follow).
constexpr std::array<Field, 25> kFields = {{
    FIELD("DriverAngle", m.Gear.DriverAngle),
    FIELD("RevArmPos", m.Gear.RevArmPos),
    FIELD("RevArmCenter", m.Gear.RevArmCenter),
    FIELD("PistonPos", m.Valve.PistonPos),
    FIELD("ValveDisplacement", m.Valve.ValveDisplacement),
    FIELD("FrontSteamOpening", m.Valve.FrontSteamOpening),
    FIELD("FrontExhaustOpening", m.Valve.FrontExhaustOpening),
    FIELD("RearSteamOpening", m.Valve.RearSteamOpening),
    FIELD("RearExhaustOpening", m.Valve.RearExhaustOpening),
    FIELD("FrontSteamEdge", m.Valve.FrontSteamEdge),
    FIELD("FrontSteamFull", m.Valve.FrontSteamFull),
    FIELD("FrontExhaustEdge", m.Valve.FrontExhaustEdge),
    FIELD("RearSteamEdge", m.Valve.RearSteamEdge),
    FIELD("RearSteamFull", m.Valve.RearSteamFull),
    FIELD("RearExhaustEdge", m.Valve.RearExhaustEdge),
    FIELD("FrontLeadTerm", m.Valve.FrontLeadTerm),
    FIELD("RearLeadTerm", m.Valve.RearLeadTerm),
    FIELD("FrontLapTerm", m.Valve.FrontLapTerm),
    FIELD("RearLapTerm", m.Valve.RearLapTerm),
    FIELD("FrontExClTerm", m.Valve.FrontExClTerm),
    FIELD("RearExClTerm", m.Valve.RearExClTerm),
    FIELD("LinkAngle", m.Gear.LinkAngle),
    FIELD("LiftLinkSpan", m.Gear.LiftLinkSpan),
    FIELD("EccSign", m.Gear.EccSign),
    FIELD("LiftingArmLenSolved", m.Gear.LiftingArmLenSolved),
}};
constexpr std::size_t kFieldsBeforeGearError = 3;

#undef FIELD

void SolveAt(Model& m, float angle) {
    m.Gear.DriverAngle = angle;
    m.Gear.GearError = false;
    SolveLinkage(m);
    SolvePistonAndPorts(m);
}

std::string SolvedJson(const Model& m) {
    JsonObject o;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (i == kFieldsBeforeGearError) o.Bool("GearError", m.Gear.GearError);
        o.Number(kFields[i].key, kFields[i].get(m));
    }
    // Appended piece by piece: chains of string + trip g++ 12's -Wrestrict at -O3.
    std::string pivots = "[";
    for (int n = 0; n < kPivotCount; ++n) {
        if (n) pivots += ", ";
        pivots += '[';
        pivots += JsonNumber(m.P(n).X);
        pivots += ", ";
        pivots += JsonNumber(m.P(n).Y);
        pivots += ']';
    }
    pivots += ']';
    o.Raw("pivots", pivots);
    return o.Text();
}

std::string CsvHeader() {
    std::string h;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (i == kFieldsBeforeGearError) h += "GearError,";
        h += kFields[i].key;
        h += ',';
    }
    for (int n = 0; n < kPivotCount; ++n) {
        h += 'X';
        h += std::to_string(n);
        h += ",Y";
        h += std::to_string(n);
        if (n + 1 < kPivotCount) h += ',';
    }
    return h;
}

std::string CsvRow(const Model& m) {
    std::string row;
    // A CSV cell for a value JSON would show as null is left empty.
    const auto cell = [](double v) {
        const std::string t = JsonNumber(v);
        return t == "null" ? std::string() : t;
    };
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (i == kFieldsBeforeGearError) row += m.Gear.GearError ? "true," : "false,";
        row += cell(kFields[i].get(m));
        row += ',';
    }
    for (int n = 0; n < kPivotCount; ++n) {
        row += cell(m.P(n).X);
        row += ',';
        row += cell(m.P(n).Y);
        if (n + 1 < kPivotCount) row += ',';
    }
    return row;
}

}  // namespace

void RunSolve(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {});
    SolveAt(m, m.Gear.DriverAngle);
    out << SolvedJson(m) << '\n';
}

void RunSweep(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"step", "from", "to", "csv"});
    const auto stepText = args.Last("step");
    if (!stepText) throw UsageError("sweep needs --step S");
    const double step = NumberOption("step", *stepText);
    // The ends as typed, but only where an angle can be held as a single.
    const auto end = [&](const char* name, double fallback) {
        const auto text = args.Last(name);
        if (!text) return fallback;
        SingleOption(name, *text);
        return NumberOption(name, *text);
    };
    const double from = end("from", 0.0);
    const double to = end("to", 360.0);
    if (!(step > 0)) throw UsageError("--step must be greater than 0");
    // The count is fixed before the first angle: a step too small to move the angle on
    // must not keep the sweep going. The allowance keeps an end the steps reach exactly
    // (0.7 in steps of 0.1) from being lost to rounding.
    const double span = to >= from ? std::floor((to - from) / step + 1e-9) : -1;
    if (span + 1 > static_cast<double>(kMostPrintedRows))
        throw UsageError("--step " + *stepText + " gives more than " + std::to_string(kMostPrintedRows) + " angles");
    const long count = static_cast<long>(span) + 1;

    const bool csv = args.Has("csv");
    if (csv) out << CsvHeader() << '\n';
    else out << '[';
    bool first = true;
    for (long i = 0; i < count && out; ++i) {
        // Rounding never carries the last angle past the end the user gave.
        const double angle = std::min(from + static_cast<double>(i) * step, to);
        SolveAt(m, static_cast<float>(angle));
        if (csv) {
            out << CsvRow(m) << '\n';
        } else {
            out << (first ? "\n" : ",\n") << SolvedJson(m);
        }
        first = false;
    }
    if (!csv) out << (first ? "]\n" : "\n]\n");
}

}  // namespace lm::cli
