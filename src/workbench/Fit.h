// Fitting up to four dimensions so the valve events meet the designer's goals.

#pragma once

// Equalising: NLopt's bounded derivative-free searches for the values of up to four
// dimensions that meet the goals (BOBYQA), and keep the constraints (COBYLA, which
// takes them as they are rather than as penalties), tried on copies; applying the
// result goes through undo.

#include <functional>
#include <string>
#include <vector>

#include "model/Model.h"
#include "workbench/FitMeasure.h"
#include "workbench/FitProblem.h"

namespace lm {

inline constexpr int kFitDefaultBudget = 400;     // evaluations
inline constexpr double kFitDefaultTolerance = 0.01;  // residual, percent of stroke

struct FitProgress {
    int Evaluations = 0;
    int Budget = 0;
    double BestResidual = 0;  // NaN until a trial had every event and kept every constraint
};

struct FitOptions {
    int MaxEvaluations = kFitDefaultBudget;
    double Tolerance = kFitDefaultTolerance;
    // Called after every evaluation, on the fit's own thread; returning false cancels.
    std::function<bool(const FitProgress&)> Progress;
};

enum class FitOutcome { Converged, OutOfReach, BudgetSpent, Cancelled, Refused };

struct FitResult {
    FitOutcome Outcome = FitOutcome::Refused;
    std::string Message;        // why it did not converge, or why it was refused
    std::vector<float> Before;  // each varied dimension as the model had it
    std::vector<float> After;   // as the best trial stores it
    double ResidualBefore = 0;
    double ResidualAfter = 0;
    // Each goal and constraint at the start and at the result.
    FitMeasure MeasuredBefore;
    FitMeasure MeasuredAfter;
    int Evaluations = 0;
    bool Converged() const { return Outcome == FitOutcome::Converged; }
};

// Never changes the model: it is copied at the start, so a window may hand a copy of
// its model to a worker thread and keep turning the gear meanwhile.
FitResult RunFit(const Model& m, const FitProblem& p, const FitOptions& options = {});

// The model with the fitted values, as applying would leave it (for the "after" tables
// and for saving).
Model FittedModel(const Model& m, const FitProblem& p, const FitResult& r);

// Applies a converged fit: one undo entry per dimension that changes, then mid gear is
// found again. Any other result changes nothing and gives false.
bool ApplyFit(Model& m, const FitProblem& p, const FitResult& r);

}  // namespace lm
