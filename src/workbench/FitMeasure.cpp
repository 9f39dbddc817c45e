// A trial gear's events in the rows its goals and constraints read, and their misses.

#include "workbench/FitMeasure.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <map>
#include <utility>

#include <tbb/parallel_for.h>

#include "workbench/ExactEvents.h"

namespace lm {

namespace {

using RowKey = std::pair<char, std::uint32_t>;

RowKey KeyOf(const SpanRow& r) { return {r.Graph, std::bit_cast<std::uint32_t>(r.RevArmPos)}; }

std::string RowWords(const GearSpan& span, const SpanRow& r) {
    if (r.Row < 0) return "at " + GearSpanWords(span);
    return "in row " + std::string(1, r.Graph) + std::to_string(r.Row);
}

}  // namespace

double LengthAsPercent(const Model& m, double length) {
    const double stroke = std::fabs(static_cast<double>(m.Frame.Stroke));
    return stroke > 0 && std::isfinite(stroke) ? length * 100 / stroke : length;
}

bool FitMeasure::Feasible() const {
    return std::all_of(ConstraintRoom.begin(), ConstraintRoom.end(),
                       [](const std::optional<double>& r) { return r && *r >= 0; });
}

double FitMeasure::Violation() const {
    double sum = 0;
    for (const std::optional<double>& r : ConstraintRoom) {
        // An event a constraint needs that does not occur breaks it by far more than any
        // value could, yet finitely, so the search turns back.
        const double broken = r ? std::max(0.0, -*r) : 1e3;
        sum += broken * broken;
    }
    return sum;
}

FitMeasure MeasureFit(const Model& trial, const FitProblem& p) {
    // Every row once, however many goals read it.
    std::vector<std::vector<SpanRow>> goalRows, constraintRows;
    std::map<RowKey, std::size_t> index;
    std::vector<SpanRow> unique;
    const auto collect = [&](const GearSpan& span) {
        std::vector<SpanRow> rows = SpanRows(trial, span);
        for (const SpanRow& r : rows)
            if (index.emplace(KeyOf(r), unique.size()).second) unique.push_back(r);
        return rows;
    };
    for (const FitGoal& g : p.Goals) goalRows.push_back(collect(g.Where));
    for (const FitConstraint& c : p.Constraints) constraintRows.push_back(collect(c.Where));
    std::vector<ValveEventRow> events(unique.size());
    tbb::parallel_for(std::size_t{0}, unique.size(), [&](std::size_t i) {
        events[i] = ExactEventsOfRow(trial, unique[i].Graph, unique[i].RevArmPos, std::max(0, unique[i].Row));
    });
    const auto rowOf = [&](const SpanRow& r) -> const ValveEventRow& { return events[index.at(KeyOf(r))]; };

    FitMeasure out;
    // The first span without rows, row that cannot be assembled or event missing.
    const auto usable = [&](const GearSpan& span, const std::vector<SpanRow>& rows, std::string_view what,
                            std::initializer_list<ValveEvent> needs) {
        if (rows.empty()) {
            if (out.Problem.empty()) out.Problem = std::string(what) + ": " + GearSpanWords(span) + " hold no row of the table";
            return false;
        }
        for (const SpanRow& r : rows) {
            const ValveEventRow& row = rowOf(r);
            // A trial that cannot be assembled is no answer, however well its numbers fit.
            if (row.GearError) {
                if (out.Problem.empty())
                    out.Problem = std::string(what) + ": the gear cannot be assembled over the whole revolution " +
                                  RowWords(span, r);
                return false;
            }
            for (ValveEvent e : needs)
                if (!row.Value(e)) {
                    if (out.Problem.empty())
                        out.Problem = std::string(what) + ": the " + std::string(ValveEventWords(e)) +
                                      " does not occur " + RowWords(span, r);
                    return false;
                }
        }
        return true;
    };

    double sum = 0;
    bool complete = true;
    for (std::size_t k = 0; k < p.Goals.size(); ++k) {
        const FitGoal& g = p.Goals[k];
        const auto [frontEvent, rearEvent] = GoalEvents(g);
        const bool cutOff = frontEvent == ValveEvent::FrontCutOff;
        const bool equal = g.Kind == FitGoalKind::EqualCutOff || g.Kind == FitGoalKind::EqualLead;
        const auto percent = [&](double v) { return cutOff ? v : LengthAsPercent(trial, v); };
        std::vector<double>& misses = out.RowMiss.emplace_back();
        for (const SpanRow& r : goalRows[k]) {
            const ValveEventRow& row = rowOf(r);
            const std::optional<double> front = row.Value(frontEvent), rear = row.Value(rearEvent);
            double miss = std::nan("");
            if (front && rear && !row.GearError)
                miss = equal ? percent(*front - *rear) : std::hypot(percent(*front - g.Target), percent(*rear - g.Target));
            misses.push_back(miss);
        }
        if (!usable(g.Where, goalRows[k], "goal " + FitGoalText(g), {frontEvent, rearEvent})) {
            out.GoalMiss.emplace_back();
            complete = false;
            continue;
        }
        double worst = 0;
        for (double miss : misses) worst = std::max(worst, std::isfinite(miss) ? std::fabs(miss) : HUGE_VAL);
        out.GoalMiss.emplace_back(worst);
        sum += (g.Weight * worst) * (g.Weight * worst);
    }
    for (std::size_t k = 0; k < p.Constraints.size(); ++k) {
        const FitConstraint& c = p.Constraints[k];
        bool ok = !c.Events.empty() && usable(c.Where, constraintRows[k], "constraint " + FitConstraintText(c), {});
        std::optional<double> worst;
        for (std::size_t r = 0; ok && r < constraintRows[k].size(); ++r)
            for (ValveEvent e : c.Events) {
                const std::optional<double> v = rowOf(constraintRows[k][r]).Value(e);
                if (!v) {
                    if (out.Problem.empty())
                        out.Problem = "constraint " + FitConstraintText(c) + ": the " + std::string(ValveEventWords(e)) +
                                      " does not occur " + RowWords(c.Where, constraintRows[k][r]);
                    ok = false;
                    break;
                }
                if (!worst || (c.Sense == FitLimit::AtLeast ? *v < *worst : *v > *worst)) worst = *v;
            }
        if (!ok || !worst || !std::isfinite(*worst)) {
            out.ConstraintWorst.emplace_back();
            out.ConstraintRoom.emplace_back();
            continue;
        }
        const double room = c.Sense == FitLimit::AtLeast ? *worst - c.Limit : c.Limit - *worst;
        out.ConstraintWorst.emplace_back(worst);
        out.ConstraintRoom.emplace_back(IsLengthEvent(c.Events.front()) ? LengthAsPercent(trial, room) : room);
    }
    const double r = std::sqrt(sum);
    if (complete && std::isfinite(r)) out.Residual = r;
    return out;
}

}  // namespace lm
