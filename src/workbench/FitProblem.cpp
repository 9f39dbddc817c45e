// Reading a fit's variables and goals from text, checking them, and the residual.

#include "workbench/FitProblem.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

#include "common/MessageText.h"
#include "common/Numbers.h"
#include "workbench/GearTrial.h"

namespace lm {

namespace {

bool ReadSingle(std::string_view text, float& out) {
    double v = 0;
    if (!ParseStrictNumber(text, v) || std::fabs(v) > std::numeric_limits<float>::max()) return false;
    out = static_cast<float>(v);
    return true;
}

// Lengths as percent of stroke, so lead and cut-off misses weigh alike.
double LengthAsPercent(const Model& m, double length) {
    const double stroke = std::fabs(static_cast<double>(m.Frame.Stroke));
    return stroke > 0 && std::isfinite(stroke) ? length * 100 / stroke : length;
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
    if (at == std::string_view::npos) return "goal " + QuoteForMessage(text) + " names no gear position (@mid, @fwd, @rev, @full-fwd or @full-rev)";
    const std::optional<GearPosition> g = ParseGearPosition(text.substr(at + 1));
    if (!g)
        return "goal " + QuoteForMessage(text) + ": expected a gear position mid, fwd, rev, full-fwd or full-rev after '@'";
    out.At = *g;
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
    if (TakesTarget(goal.Kind)) {
        std::string target = FormatFixed(goal.Target, 1, 3);
        word += "=" + target.substr(target.find_first_not_of(' '));
    }
    return word + "@" + std::string(GearPositionName(goal.At));
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
    std::map<GearPosition, ValveEventRow> rows;
    const Model start = TrialModel(m, {});
    for (const FitGoal& goal : p.Goals) {
        auto it = rows.find(goal.At);
        if (it == rows.end()) it = rows.emplace(goal.At, ValveEventsAt(start, goal.At)).first;
        if (it->second.GearError)
            return "goal " + FitGoalText(goal) + ": the gear cannot be assembled over the whole revolution at " +
                   std::string(GearPositionWords(goal.At)) + " as it stands";
        const auto [front, rear] = GoalEvents(goal);
        for (ValveEvent e : {front, rear})
            if (!it->second.Value(e))
                return "goal " + FitGoalText(goal) + ": the " + std::string(ValveEventWords(e)) + " does not occur at " +
                       std::string(GearPositionWords(goal.At));
    }
    return {};
}

std::optional<double> FitResidual(const Model& trial, const std::vector<FitGoal>& goals) {
    std::map<GearPosition, ValveEventRow> rows;
    double sum = 0;
    for (const FitGoal& goal : goals) {
        auto it = rows.find(goal.At);
        if (it == rows.end()) it = rows.emplace(goal.At, ValveEventsAt(trial, goal.At)).first;
        // A trial that cannot be assembled is no answer, however well its numbers fit.
        if (it->second.GearError) return std::nullopt;
        const auto [frontEvent, rearEvent] = GoalEvents(goal);
        const std::optional<double> front = it->second.Value(frontEvent);
        const std::optional<double> rear = it->second.Value(rearEvent);
        if (!front || !rear) return std::nullopt;
        const auto miss = [&](double v) { return goal.Kind == FitGoalKind::CutOff || goal.Kind == FitGoalKind::EqualCutOff
                                                     ? v
                                                     : LengthAsPercent(trial, v); };
        if (goal.Kind == FitGoalKind::EqualCutOff || goal.Kind == FitGoalKind::EqualLead) {
            sum += std::pow(miss(*front - *rear), 2);
        } else {
            sum += std::pow(miss(*front - goal.Target), 2) + std::pow(miss(*rear - goal.Target), 2);
        }
    }
    const double r = std::sqrt(sum);
    if (!std::isfinite(r)) return std::nullopt;
    return r;
}

}  // namespace lm
