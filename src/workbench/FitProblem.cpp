// Reading a fit's variables, goals and constraints from text, and checking them.

#include "workbench/FitProblem.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "common/MessageText.h"
#include "common/Numbers.h"
#include "workbench/FitMeasure.h"
#include "workbench/GearTrial.h"

namespace lm {

namespace {

bool ReadSingle(std::string_view text, float& out) {
    double v = 0;
    if (!ParseStrictNumber(text, v) || std::fabs(v) > std::numeric_limits<float>::max()) return false;
    out = static_cast<float>(v);
    return true;
}

// The shortest text that reads back as the number.
std::string Shortest(double v) {
    for (int digits = 1; digits < 17; ++digits) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.*g", digits, v);
        if (std::strtod(buf, nullptr) == v) return buf;
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

constexpr std::array<std::pair<std::string_view, FitGoalKind>, 4> kGoalWords = {{
    {"equal-cutoff", FitGoalKind::EqualCutOff},
    {"equal-lead", FitGoalKind::EqualLead},
    {"cutoff", FitGoalKind::CutOff},
    {"lead", FitGoalKind::Lead},
}};

bool TakesTarget(FitGoalKind k) { return k == FitGoalKind::CutOff || k == FitGoalKind::Lead; }

}  // namespace

std::string ParseFitVariable(std::string_view text, const Model& m, FitVariable& out) {
    const auto eq = text.find('=');
    const std::string_view name = text.substr(0, eq);
    const DimensionInfo* d = FindDimension(name);
    if (!d) return "unknown dimension " + QuoteForMessage(name);
    out.Dimension = d;
    if (eq == std::string_view::npos) {
        const double v = GetDimension(m, *d);
        const double reach = std::fabs(v) * kFitDefaultReach;
        if (!(reach > 0) || !std::isfinite(reach))
            return std::string(name) + " is " + FormatFixed(v, 1, 3) + ", so it has no default bounds; give them as " +
                   std::string(name) + "=LO:HI";
        if (std::fabs(v) + reach > std::numeric_limits<float>::max())
            return std::string(name) + " is too large for default bounds; give them as " + std::string(name) + "=LO:HI";
        out.Low = static_cast<float>(v - reach);
        out.High = static_cast<float>(v + reach);
        return {};
    }
    const std::string_view bounds = text.substr(eq + 1);
    const auto colon = bounds.find(':');
    if (colon == std::string_view::npos) return "bounds of " + std::string(name) + ": expected LO:HI, got " + QuoteForMessage(bounds);
    if (!ReadSingle(bounds.substr(0, colon), out.Low) || !ReadSingle(bounds.substr(colon + 1), out.High))
        return "bounds of " + std::string(name) + ": " + QuoteForMessage(bounds) + " are not two numbers";
    if (!(out.Low < out.High))
        return "bounds of " + std::string(name) + ": the low bound must be below the high one, got " + QuoteForMessage(bounds);
    return {};
}

std::string ParseFitGoal(std::string_view text, FitGoal& out) {
    const auto at = text.rfind('@');
    if (at == std::string_view::npos)
        return "goal " + QuoteForMessage(text) + " names no gear position (@mid, @fwd, @rev, @full-fwd, @full-rev or a range such as @fwd..full-fwd)";
    std::string_view where = text.substr(at + 1);
    out.Weight = 1;
    if (const auto star = where.find('*'); star != std::string_view::npos) {
        const std::string_view weight = where.substr(star + 1);
        double w = 0;
        if (!ParseStrictNumber(weight, w) || !(w > 0) || !std::isfinite(w) || w > 1e6)
            return "goal " + QuoteForMessage(text) + ": the weight " + QuoteForMessage(weight) + " is not a positive number (up to 1e6)";
        out.Weight = w;
        where = where.substr(0, star);
    }
    if (std::string error = ParseGearSpan(where, out.Where); !error.empty()) return "goal " + QuoteForMessage(text) + ": " + error;
    const std::string_view head = text.substr(0, at);
    const auto eq = head.find('=');
    const std::string_view word = head.substr(0, eq);
    const auto known = std::find_if(kGoalWords.begin(), kGoalWords.end(), [&](const auto& w) { return w.first == word; });
    if (known == kGoalWords.end())
        return "unknown goal " + QuoteForMessage(text) + " (expected equal-cutoff@G, equal-lead@G, cutoff=PCT@G or lead=V@G)";
    out.Kind = known->second;
    if (TakesTarget(out.Kind) != (eq != std::string_view::npos))
        return "goal " + QuoteForMessage(text) + (TakesTarget(out.Kind) ? " needs a target, as " : " takes no target, as ") +
               std::string(word) + (TakesTarget(out.Kind) ? "=VALUE@G" : "@G");
    out.Target = 0;
    if (TakesTarget(out.Kind)) {
        double v = 0;
        if (!ParseStrictNumber(head.substr(eq + 1), v)) return "goal " + QuoteForMessage(text) + ": the target is not a number";
        if (out.Kind == FitGoalKind::CutOff && (v < 0 || v > 100))
            return "goal " + QuoteForMessage(text) + ": a cut-off is a percent of stroke, 0 to 100";
        if (std::fabs(v) > std::numeric_limits<float>::max()) return "goal " + QuoteForMessage(text) + ": the target is out of range";
        out.Target = v;
    }
    return {};
}

std::string FitGoalText(const FitGoal& goal) {
    std::string word;
    for (const auto& [w, kind] : kGoalWords)
        if (kind == goal.Kind) word = w;
    if (TakesTarget(goal.Kind)) word += "=" + FixedText(goal.Target, 3);
    word += "@" + GearSpanText(goal.Where);
    if (goal.Weight != 1) word += "*" + Shortest(goal.Weight);
    return word;
}

std::string ParseFitConstraint(std::string_view text, FitConstraint& out) {
    const auto at = text.rfind('@');
    if (at == std::string_view::npos)
        return "constraint " + QuoteForMessage(text) + " names no gear position (as lead>=0.01@mid or cutoff<=75@fwd..full-fwd)";
    if (text.find('*', at) != std::string_view::npos)
        return "constraint " + QuoteForMessage(text) + ": a constraint holds or does not, so it takes no weight";
    if (std::string error = ParseGearSpan(text.substr(at + 1), out.Where); !error.empty())
        return "constraint " + QuoteForMessage(text) + ": " + error;
    const std::string_view head = text.substr(0, at);
    const auto ge = head.find(">="), le = head.find("<=");
    if ((ge == std::string_view::npos) == (le == std::string_view::npos))
        return "constraint " + QuoteForMessage(text) + ": expected one of >= or <=, as lead>=0.01@mid";
    const auto op = ge != std::string_view::npos ? ge : le;
    out.Sense = ge != std::string_view::npos ? FitLimit::AtLeast : FitLimit::AtMost;
    out.Word = std::string(head.substr(0, op));
    out.Events = ParseEventWord(out.Word);
    if (out.Events.empty())
        return "constraint " + QuoteForMessage(text) + ": unknown event " + QuoteForMessage(out.Word) +
               " (lead, opening, admission, cutoff, release or compression, each may be led by front- or rear-)";
    double v = 0;
    if (!ParseStrictNumber(head.substr(op + 2), v) || std::fabs(v) > std::numeric_limits<float>::max())
        return "constraint " + QuoteForMessage(text) + ": the limit " + QuoteForMessage(head.substr(op + 2)) + " is not a number";
    out.Limit = v;
    return {};
}

std::string FitConstraintText(const FitConstraint& c) {
    return c.Word + (c.Sense == FitLimit::AtLeast ? ">=" : "<=") + Shortest(c.Limit) + "@" + GearSpanText(c.Where);
}

std::pair<ValveEvent, ValveEvent> GoalEvents(const FitGoal& goal) {
    const bool cutOff = goal.Kind == FitGoalKind::EqualCutOff || goal.Kind == FitGoalKind::CutOff;
    return cutOff ? std::pair{ValveEvent::FrontCutOff, ValveEvent::RearCutOff}
                  : std::pair{ValveEvent::FrontLead, ValveEvent::RearLead};
}

std::string CheckFitProblem(const Model& m, const FitProblem& p) {
    if (p.Vary.empty()) return "nothing to vary";
    if (p.Vary.size() > static_cast<std::size_t>(kFitMaxVariables))
        return "at most " + std::to_string(kFitMaxVariables) + " dimensions can be varied at once";
    for (std::size_t i = 0; i < p.Vary.size(); ++i) {
        const FitVariable& v = p.Vary[i];
        if (!v.Dimension) return "a varied dimension is missing";
        const std::string name(v.Dimension->CodeName);
        if (v.Dimension->DimensionNumber <= 0) return name + " cannot be varied: undo cannot record its changes";
        for (std::size_t j = 0; j < i; ++j)
            if (p.Vary[j].Dimension == v.Dimension) return name + " is named twice";
        if (!std::isfinite(v.Low) || !std::isfinite(v.High) || !(v.Low < v.High))
            return "bounds of " + name + ": the low bound must be below the high one";
    }
    if (p.Goals.empty()) return "no goal given";
    const FitMeasure start = MeasureFit(TrialModel(m, {}), p);
    return start.Problem.empty() ? std::string() : start.Problem + " as the gear stands";
}

}  // namespace lm
