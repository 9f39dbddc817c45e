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

std::vector<DimensionValue> Values(const FitProblem& p, const std::vector<float>& values) {
    std::vector<DimensionValue> v;
    for (std::size_t k = 0; k < p.Vary.size(); ++k) v.push_back({p.Vary[k].Dimension, values[k]});
    return v;
}

// The search runs on 0..1 for every dimension, so dimensions of any size are stepped alike.
class Search {
public:
    Search(const Model& start, const FitProblem& p, const FitOptions& o) : start_(start), p_(p), o_(o) {}

    double Cost(const std::vector<double>& u) {
        std::vector<float> values(u.size());
        for (std::size_t k = 0; k < u.size(); ++k) {
            const FitVariable& v = p_.Vary[k];
            const Real x = v.Low + std::clamp(u[k], 0.0, 1.0) * (static_cast<Real>(v.High) - v.Low);
            values[k] = std::clamp(Store(x), v.Low, v.High);
        }
        const std::optional<double> r = FitResidual(TrialModel(start_, Values(p_, values)), p_.Goals);
        ++evaluations_;
        if (r && !(best_ <= *r)) {
            best_ = *r;
            bestValues_ = values;
            bestU_ = u;
        }
        if (o_.Progress && !o_.Progress({evaluations_, o_.MaxEvaluations, best_})) cancelled_ = true;
        return r ? *r * *r : kMissingEventCost;
    }

    static double Call(const std::vector<double>& u, std::vector<double>& /*gradient*/, void* self) {
        auto* s = static_cast<Search*>(self);
        if (s->cancelled_) throw nlopt::forced_stop();
        const double cost = s->Cost(u);
        if (s->cancelled_) throw nlopt::forced_stop();
        return cost;
    }

    int evaluations_ = 0;
    double best_ = std::numeric_limits<double>::quiet_NaN();
    std::vector<float> bestValues_;
    std::vector<double> bestU_;
    bool cancelled_ = false;

private:
    const Model& start_;
    const FitProblem& p_;
    const FitOptions& o_;
};

std::string Residual(double r) {
    const std::string t = FormatFixed(r, 1, 3);
    return t.substr(t.find_first_not_of(' '));
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
    result.ResidualBefore = FitResidual(TrialModel(start, {}), p.Goals).value_or(std::nan(""));

    Search search(start, p, options);
    // The start is a point the fit has evaluated: it never returns one worse. (Mapped
    // through the 0..1 scale a start may not come back bit for bit, so it is kept as is.)
    const bool startWithinBounds = std::all_of(p.Vary.begin(), p.Vary.end(), [&](const FitVariable& v) {
        const float now = GetDimension(start, *v.Dimension);
        return now >= v.Low && now <= v.High;
    });
    if (startWithinBounds && std::isfinite(result.ResidualBefore)) {
        search.best_ = result.ResidualBefore;
        search.bestValues_ = result.Before;
        search.bestU_ = u;
    }
    const double tolerance = options.Tolerance;
    bool cancelled = false;
    nlopt::result stop = nlopt::FAILURE;
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
    try {
        for (int start = 0; start < kStarts && search.evaluations_ < budget; ++start, firstStep /= 4) {
            if (!search.bestU_.empty()) u = search.bestU_;
            // BOBYQA wants two dimensions at least; one is searched by the simplex method.
            nlopt::opt opt(n >= 2 ? nlopt::LN_BOBYQA : nlopt::LN_NELDERMEAD, static_cast<unsigned>(n));
            opt.set_lower_bounds(std::vector<double>(n, 0.0));
            opt.set_upper_bounds(std::vector<double>(n, 1.0));
            opt.set_min_objective(&Search::Call, &search);
            opt.set_stopval(tolerance * tolerance);
            opt.set_maxeval(budget - search.evaluations_);
            opt.set_xtol_abs(1e-7);  // below what a stored single can tell apart
            opt.set_initial_step(firstStep);
            double cost = 0;
            try {
                stop = opt.optimize(u, cost);
            } catch (const nlopt::roundoff_limited&) {
                stop = nlopt::XTOL_REACHED;  // as close as the arithmetic allows
            }
            if (search.best_ <= tolerance || stop == nlopt::MAXEVAL_REACHED) break;
        }
    } catch (const nlopt::forced_stop&) {
        cancelled = true;
    } catch (const std::exception& e) {
        result.Message = std::string("the search failed: ") + e.what();
        return result;
    }

    result.Evaluations = search.evaluations_;
    if (search.bestValues_.empty()) {
        result.Outcome = cancelled ? FitOutcome::Cancelled : FitOutcome::OutOfReach;
        result.Message = cancelled ? "cancelled" : "no trial within the bounds had every event the goals need";
        result.After = result.Before;
        result.ResidualAfter = std::nan("");
        return result;
    }
    // The values as the model stores them (angles wrapped and the like).
    const Model fitted = TrialModel(start, Values(p, search.bestValues_));
    for (const FitVariable& v : p.Vary) result.After.push_back(GetDimension(fitted, *v.Dimension));
    result.ResidualAfter = search.best_;

    if (search.best_ <= tolerance) {
        result.Outcome = FitOutcome::Converged;
    } else if (cancelled) {
        result.Outcome = FitOutcome::Cancelled;
        result.Message = "cancelled";
    } else if (stop == nlopt::MAXEVAL_REACHED) {
        result.Outcome = FitOutcome::BudgetSpent;
        result.Message = "did not converge within " + std::to_string(result.Evaluations) +
                         " evaluations (residual " + Residual(search.best_) + " % of stroke)";
    } else {
        result.Outcome = FitOutcome::OutOfReach;
        std::string active;
        for (std::size_t k = 0; k < n; ++k) {
            const FitVariable& v = p.Vary[k];
            // Within a ten-thousandth of the range counts as on the bound: the search
            // approaches a bound without landing on it.
            const double u = (static_cast<double>(search.bestValues_[k]) - v.Low) /
                             (static_cast<double>(v.High) - v.Low);
            if (u < 1e-4 || u > 1 - 1e-4)
                active += std::string(active.empty() ? "" : ", ") + std::string(v.Dimension->CodeName) + " at its " +
                          (u < 0.5 ? "low" : "high") + " bound";
        }
        const std::string none = p.Goals.size() > 1 ? "the goals conflict: no values within the bounds meet them all"
                                                    : "the goal cannot be met by these dimensions, and no bound is active";
        result.Message = (active.empty() ? none
                                         : "the goals cannot be met within the bounds (" + active + ")") +
                         " (residual " + Residual(search.best_) + " % of stroke remains)";
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
