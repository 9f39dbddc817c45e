// The fit: a bounded search over trial copies of the gear for values meeting the goals.

#include "workbench/Fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <nlopt.hpp>

#include "common/Numbers.h"
#include "kinematics/Guards.h"
#include "kinematics/MidGear.h"
#include "model/DimensionEdit.h"
#include "model/UndoHistory.h"
#include "workbench/GearTrial.h"

namespace lm {

namespace {

// What a trial missing an event a goal needs costs: far worse than any real miss, so the
// search turns back, yet finite.
constexpr double kMissingEventCost = 1e8;

// A constraint kept with no more room than this (percent of stroke) is one the search
// ended against.
constexpr double kActiveRoom = 0.01;

std::vector<DimensionValue> Values(const FitProblem& p, const std::vector<float>& values) {
    std::vector<DimensionValue> v;
    for (std::size_t k = 0; k < p.Vary.size(); ++k) v.push_back({p.Vary[k].Dimension, values[k]});
    return v;
}

// The search runs on 0..1 for every dimension, so dimensions of any size are stepped
// alike. A goal over a range of rows is its worst row: a kink wherever the worst row
// changes, which stalls a quadratic model. So where there are ranges (or constraints)
// the search is COBYLA's on the dimensions and one more variable per range goal, a
// bound on that goal's miss that every row's miss must stay within, minimised: each
// row's miss is then a smooth constraint.
class Search {
public:
    Search(const Model& start, const FitProblem& p, const FitOptions& o, bool bounded)
        : start_(start), p_(p), o_(o), bounded_(bounded) {
        for (std::size_t g = 0; g < p.Goals.size(); ++g)
            if (bounded && p.Goals[g].Where.Range) rangeGoals_.push_back(g);
    }

    std::size_t Variables() const { return p_.Vary.size() + rangeGoals_.size(); }
    const std::vector<std::size_t>& RangeGoals() const { return rangeGoals_; }

    // How many constraints the search keeps: the user's, then two for each row of a
    // range goal of equality (its miss within the bound either way) or one otherwise.
    std::vector<std::size_t> RowCounts(const FitMeasure& startMeasure) const {
        std::vector<std::size_t> counts;
        for (std::size_t g : rangeGoals_) counts.push_back(startMeasure.RowMiss[g].size());
        return counts;
    }
    unsigned ConstraintCount(const std::vector<std::size_t>& rowCounts) {
        rowCounts_ = rowCounts;
        std::size_t count = p_.Constraints.size();
        for (std::size_t j = 0; j < rangeGoals_.size(); ++j) count += rowCounts[j] * (Equal(rangeGoals_[j]) ? 2 : 1);
        return static_cast<unsigned>(count);
    }

    const FitMeasure& Measure(const double* x) {
        const std::vector<double> u(x, x + p_.Vary.size());
        if (u == lastU_ && evaluations_ > 0) return last_;
        // The budget counts gears tried; moving only a bound costs none.
        if (evaluations_ >= o_.MaxEvaluations) {
            budgetSpent_ = true;
            throw nlopt::forced_stop();
        }
        std::vector<float> values(u.size());
        for (std::size_t k = 0; k < u.size(); ++k) {
            const FitVariable& v = p_.Vary[k];
            const Real at = v.Low + std::clamp(u[k], 0.0, 1.0) * (static_cast<Real>(v.High) - v.Low);
            values[k] = std::clamp(Store(at), v.Low, v.High);
        }
        last_ = MeasureFit(TrialModel(start_, Values(p_, values)), p_);
        lastU_ = u;
        ++evaluations_;
        // Only a trial that keeps every constraint is an answer.
        if (last_.Residual && last_.Feasible() && !(best_ <= *last_.Residual)) {
            best_ = *last_.Residual;
            bestValues_ = values;
            bestU_ = u;
            bestMeasure_ = last_;
        }
        if (!last_.Feasible() && last_.Residual && !(leastViolation_ <= last_.Violation())) {
            leastViolation_ = last_.Violation();
            leastViolated_ = last_;
        }
        if (best_ <= o_.Tolerance) converged_ = true;
        if (o_.Progress && !o_.Progress({evaluations_, o_.MaxEvaluations, best_})) cancelled_ = true;
        return last_;
    }

    static double Cost(const std::vector<double>& x, std::vector<double>& /*gradient*/, void* self) {
        auto* s = static_cast<Search*>(self);
        s->StopIfDone();
        const FitMeasure& m = s->Measure(x.data());
        s->StopIfDone();
        if (!s->bounded_) return m.Residual ? *m.Residual * *m.Residual : kMissingEventCost;
        // The goals at one setting by their misses, the range goals by their bounds.
        double cost = 0;
        std::size_t next = 0;
        for (std::size_t g = 0; g < s->p_.Goals.size(); ++g) {
            const double w = s->p_.Goals[g].Weight;
            if (next < s->rangeGoals_.size() && s->rangeGoals_[next] == g) {
                const double bound = x[s->p_.Vary.size() + next++];
                cost += w * w * bound * bound;
            } else if (m.GoalMiss[g]) {
                cost += w * w * *m.GoalMiss[g] * *m.GoalMiss[g];
            } else {
                return kMissingEventCost;
            }
        }
        return cost;
    }

    // Each value COBYLA keeps at or below 0: the user's constraints' room, negated, then
    // each row's miss less its goal's bound.
    static void Constraints(unsigned count, double* result, unsigned /*n*/, const double* x, double* /*gradient*/,
                            void* self) {
        auto* s = static_cast<Search*>(self);
        s->StopIfDone();
        const FitMeasure& m = s->Measure(x);
        s->StopIfDone();
        // A missing value is broken by far more than any real one, yet finitely.
        constexpr double kMissing = 1e3;
        unsigned k = 0;
        for (const std::optional<double>& room : m.ConstraintRoom) result[k++] = room ? -*room : kMissing;
        for (std::size_t j = 0; j < s->rangeGoals_.size(); ++j) {
            const std::size_t g = s->rangeGoals_[j];
            const double bound = x[s->p_.Vary.size() + j];
            for (std::size_t i = 0; i < s->rowCounts_[j]; ++i) {
                const double miss = i < m.RowMiss[g].size() ? m.RowMiss[g][i] : std::nan("");
                const bool known = std::isfinite(miss);
                result[k++] = known ? miss - bound : kMissing;
                if (s->Equal(g)) result[k++] = known ? -miss - bound : kMissing;
            }
        }
        for (; k < count; ++k) result[k] = kMissing;
    }

    void StopIfDone() const {
        if (cancelled_ || converged_) throw nlopt::forced_stop();
    }

    int evaluations_ = 0;
    double best_ = std::numeric_limits<double>::quiet_NaN();
    std::vector<float> bestValues_;
    std::vector<double> bestU_;
    FitMeasure bestMeasure_;
    double leastViolation_ = std::numeric_limits<double>::quiet_NaN();
    FitMeasure leastViolated_;
    bool cancelled_ = false;
    bool converged_ = false;
    bool budgetSpent_ = false;

private:
    bool Equal(std::size_t goal) const {
        const FitGoalKind k = p_.Goals[goal].Kind;
        return k == FitGoalKind::EqualCutOff || k == FitGoalKind::EqualLead;
    }

    const Model& start_;
    const FitProblem& p_;
    const FitOptions& o_;
    bool bounded_;
    std::vector<std::size_t> rangeGoals_;
    std::vector<std::size_t> rowCounts_;
    std::vector<double> lastU_;
    FitMeasure last_;
};

std::string Residual(double r) { return FixedText(r, 3); }

// Why a search that found answers stopped short of the goals: the bounds and constraints
// it ended against, or none.
std::string OutOfReachMessage(const FitProblem& p, const std::vector<float>& best, const FitMeasure& measured,
                              double residual) {
    std::string active;
    const auto add = [&active](const std::string& s) { active += (active.empty() ? "" : ", ") + s; };
    for (std::size_t k = 0; k < p.Vary.size(); ++k) {
        const FitVariable& v = p.Vary[k];
        // Within a ten-thousandth of the range counts as on the bound: the search
        // approaches a bound without landing on it.
        const double u = (static_cast<double>(best[k]) - v.Low) / (static_cast<double>(v.High) - v.Low);
        if (u < 1e-4 || u > 1 - 1e-4)
            add(std::string(v.Dimension->CodeName) + " at its " + (u < 0.5 ? "low" : "high") + " bound");
    }
    for (std::size_t k = 0; k < p.Constraints.size(); ++k) {
        const std::optional<double>& room = measured.ConstraintRoom[k];
        if (room && *room <= kActiveRoom) add(FitConstraintText(p.Constraints[k]) + " at its limit");
    }
    const std::string none = p.Goals.size() > 1 ? "the goals conflict: no values within the bounds meet them all"
                                                : "the goal cannot be met by these dimensions, and no bound is active";
    const std::string limits = p.Constraints.empty() ? "the bounds" : "the bounds and constraints";
    return (active.empty() ? none : "the goals cannot be met within " + limits + " (" + active + ")") +
           " (residual " + Residual(residual) + " % of stroke remains)";
}

}  // namespace

FitResult RunFit(const Model& m, const FitProblem& p, const FitOptions& options) {
    FitResult result;
    const Model start = m;
    if (std::string error = CheckFitProblem(start, p); !error.empty()) {
        result.Message = std::move(error);
        return result;
    }
    const std::size_t n = p.Vary.size();
    std::vector<double> u(n);
    for (std::size_t k = 0; k < n; ++k) {
        const FitVariable& v = p.Vary[k];
        const float now = GetDimension(start, *v.Dimension);
        result.Before.push_back(now);
        const double x = std::isfinite(now) ? std::clamp(now, v.Low, v.High) : v.Low;
        u[k] = std::clamp((x - v.Low) / (static_cast<double>(v.High) - v.Low), 0.0, 1.0);
    }
    result.MeasuredBefore = MeasureFit(TrialModel(start, {}), p);
    result.ResidualBefore = result.MeasuredBefore.Residual.value_or(std::nan(""));

    const bool bounded = !p.Constraints.empty() ||
                         std::any_of(p.Goals.begin(), p.Goals.end(), [](const FitGoal& g) { return g.Where.Range; });
    Search search(start, p, options, bounded);
    // The start is a point the fit has evaluated: it never returns one worse. (Mapped
    // through the 0..1 scale a start may not come back bit for bit, so it is kept as is.)
    const bool startWithinBounds = std::all_of(p.Vary.begin(), p.Vary.end(), [&](const FitVariable& v) {
        const float now = GetDimension(start, *v.Dimension);
        return now >= v.Low && now <= v.High;
    });
    if (startWithinBounds && std::isfinite(result.ResidualBefore) && result.MeasuredBefore.Feasible()) {
        search.best_ = result.ResidualBefore;
        search.bestValues_ = result.Before;
        search.bestU_ = u;
        search.bestMeasure_ = result.MeasuredBefore;
        search.converged_ = search.best_ <= options.Tolerance;
    }
    // A search that settles short of the goals starts again from its best point with a
    // smaller first step: the events' kinks can stall a quadratic model.
    constexpr int kStarts = 3;
    const int budget = std::max(1, options.MaxEvaluations);
    // A tenth of the range, but no more than a tenth of the values' own size: bounds of
    // 0:1e30 would otherwise put every first trial beyond any gear.
    double firstStep = 0.1;
    for (std::size_t k = 0; k < n; ++k) {
        const double range = static_cast<double>(p.Vary[k].High) - p.Vary[k].Low;
        const double size = std::max(std::fabs(static_cast<double>(result.Before[k])), 1e-3);
        if (std::isfinite(size) && range > 0) firstStep = std::min(firstStep, std::max(0.1 * size / range, 1e-9));
    }
    const std::size_t variables = search.Variables();
    const unsigned constraints = search.ConstraintCount(search.RowCounts(result.MeasuredBefore));
    try {
        for (int round = 0; round < kStarts && search.evaluations_ < budget && !search.converged_;
             ++round, firstStep /= 4) {
            if (!search.bestU_.empty()) u = search.bestU_;
            // Each range goal's bound starts at its worst row's miss, so the start keeps
            // the rows' constraints.
            const FitMeasure& from = search.bestU_.empty() ? result.MeasuredBefore : search.bestMeasure_;
            std::vector<double> x = u, low(variables, 0.0), high(variables, 1.0), steps(variables, firstStep);
            for (std::size_t g : search.RangeGoals()) {
                const double worst = std::min(from.GoalMiss[g].value_or(10.0), 1e6);
                x.push_back(worst);
                high[x.size() - 1] = std::max(100.0, 2 * worst);
                steps[x.size() - 1] = std::max(0.25 * worst, 1e-3);
            }
            // BOBYQA wants two dimensions at least; one is searched by the simplex method.
            const nlopt::algorithm algorithm =
                bounded ? nlopt::LN_COBYLA : n >= 2 ? nlopt::LN_BOBYQA : nlopt::LN_NELDERMEAD;
            nlopt::opt opt(algorithm, static_cast<unsigned>(variables));
            opt.set_lower_bounds(low);
            opt.set_upper_bounds(high);
            opt.set_min_objective(&Search::Cost, &search);
            if (constraints > 0)
                opt.add_inequality_mconstraint(&Search::Constraints, &search, std::vector<double>(constraints, 0.0));
            // The search's own count of gears tried stops it; NLopt counts the bounds' moves too.
            opt.set_maxeval(20 * budget);
            opt.set_xtol_abs(1e-7);  // below what a stored single can tell apart
            // COBYLA's steps shrink slowly once it is there: a round ends when a step
            // gains less than a thousandth.
            if (bounded) opt.set_ftol_rel(1e-3);
            opt.set_initial_step(steps);
            double cost = 0;
            try {
                opt.optimize(x, cost);
            } catch (const nlopt::roundoff_limited&) {
                // As close as the arithmetic allows: the next round starts smaller.
            }
            if (search.evaluations_ >= budget) break;
        }
    } catch (const nlopt::forced_stop&) {
        // Cancelled, or converged: the search's own flags say which.
    } catch (const std::exception& e) {
        if (!search.converged_ && !search.cancelled_) {
            result.Message = std::string("the search failed: ") + e.what();
            return result;
        }
    }

    result.Evaluations = search.evaluations_;
    const bool cancelled = search.cancelled_ && !search.converged_;
    if (search.bestValues_.empty()) {
        result.Outcome = cancelled ? FitOutcome::Cancelled : FitOutcome::OutOfReach;
        result.After = result.Before;
        result.ResidualAfter = std::nan("");
        result.MeasuredAfter = result.MeasuredBefore;
        if (cancelled) {
            result.Message = "cancelled";
        } else if (!p.Constraints.empty() && std::isfinite(search.leastViolation_)) {
            std::string broken;
            for (std::size_t k = 0; k < p.Constraints.size(); ++k) {
                const std::optional<double>& room = search.leastViolated_.ConstraintRoom[k];
                if (room && *room < 0)
                    broken += (broken.empty() ? "" : ", ") + FitConstraintText(p.Constraints[k]) + " broken by " +
                              Residual(-*room) + " % of stroke";
            }
            result.Message = "no trial within the bounds kept every constraint (the nearest: " + broken + ")";
        } else {
            result.Message = "no trial within the bounds had every event the goals and constraints need";
        }
        return result;
    }
    // The values as the model stores them (angles wrapped and the like).
    const Model fitted = TrialModel(start, Values(p, search.bestValues_));
    for (const FitVariable& v : p.Vary) result.After.push_back(GetDimension(fitted, *v.Dimension));
    result.ResidualAfter = search.best_;
    result.MeasuredAfter = search.bestMeasure_;

    if (search.best_ <= options.Tolerance) {
        result.Outcome = FitOutcome::Converged;
    } else if (cancelled) {
        result.Outcome = FitOutcome::Cancelled;
        result.Message = "cancelled";
    } else if (search.budgetSpent_ || search.evaluations_ >= budget) {
        result.Outcome = FitOutcome::BudgetSpent;
        result.Message = "did not converge within " + std::to_string(result.Evaluations) +
                         " evaluations (residual " + Residual(search.best_) + " % of stroke)";
    } else {
        result.Outcome = FitOutcome::OutOfReach;
        result.Message = OutOfReachMessage(p, search.bestValues_, search.bestMeasure_, search.best_);
    }
    return result;
}

Model FittedModel(const Model& m, const FitProblem& p, const FitResult& r) {
    if (r.After.size() != p.Vary.size()) return m;
    return TrialModel(m, Values(p, r.After));
}

bool ApplyFit(Model& m, const FitProblem& p, const FitResult& r) {
    if (!r.Converged() || r.After.size() != p.Vary.size()) return false;
    const bool typed = m.Dyn.DimTyped;
    for (std::size_t k = 0; k < p.Vary.size(); ++k) {
        const DimensionInfo& d = *p.Vary[k].Dimension;
        const float before = GetDimension(m, d);
        ApplyEditedDimension(m, d, r.After[k]);
        const float after = GetDimension(m, d);
        if (after == before) continue;
        m.Dyn.DimTyped = true;
        PushUndo(m);
        m.Undo.Entries[1] = UndoEntry{d.DimensionNumber, before, after, std::string(d.DynVarName)};
    }
    m.Dyn.DimTyped = typed;
    FindMidGear(m);
    return true;
}

}  // namespace lm
