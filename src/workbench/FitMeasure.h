// How a trial gear stands against the fit's goals and constraints.

#pragma once

// One trial's exact events in every row its goals and constraints read (each row once,
// the rows on every core), and what they say: each goal's miss in its worst row, each
// constraint's room, the residual the search minimises.

#include <optional>
#include <string>
#include <vector>

#include "model/Model.h"
#include "workbench/FitProblem.h"

namespace lm {

struct FitMeasure {
    // Each goal's miss in its worst row, percent of stroke (lengths counted as percent of
    // stroke too), before its weight; empty where an event it needs does not occur or a
    // row cannot be assembled.
    std::vector<std::optional<double>> GoalMiss;
    // Each goal's miss row by row, in the order SpanRows gives them: front minus rear
    // for the goals of equality (signed), the distance from the target otherwise; NaN
    // where the row gives none.
    std::vector<std::vector<double>> RowMiss;
    // Each constraint's worst value over its rows and events, in the events' own unit,
    // and its room to the limit in percent of stroke (negative: broken by that much);
    // empty likewise.
    std::vector<std::optional<double>> ConstraintWorst;
    std::vector<std::optional<double>> ConstraintRoom;
    // The root of the sum of squares of the weighted misses; empty where a miss is.
    std::optional<double> Residual;
    // The first thing that makes the trial no answer at all (an event missing, a row
    // that cannot be assembled, a span without rows), in words; empty when none.
    std::string Problem;

    // Every constraint holds.
    bool Feasible() const;
    // The sum of squares of the amounts by which constraints are broken (percent of
    // stroke); 0 when all hold.
    double Violation() const;
};

FitMeasure MeasureFit(const Model& trial, const FitProblem& p);

// A length as percent of the gear's stroke, so lead and cut-off weigh alike.
double LengthAsPercent(const Model& m, double length);

}  // namespace lm
