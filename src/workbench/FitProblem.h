// The fit's variables, bounds and goals.

#pragma once

// What the fit is asked to do: which dimensions it may vary, within which bounds, and
// the goals it must meet, parsed from the words a user types.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kinematics/GearPositions.h"
#include "model/DimensionTable.h"
#include "model/Model.h"
#include "workbench/ValveEvents.h"

namespace lm {

inline constexpr int kFitMaxVariables = 4;
// Bounds left unsaid are this fraction of the dimension's value either side of it.
inline constexpr double kFitDefaultReach = 0.10;

struct FitVariable {
    const DimensionInfo* Dimension = nullptr;
    float Low = 0;
    float High = 0;
};

enum class FitGoalKind {
    EqualCutOff,  // front cut-off = rear cut-off
    EqualLead,    // front lead = rear lead
    CutOff,       // both cut-offs = Target percent of stroke
    Lead,         // both leads = Target length units
};

struct FitGoal {
    FitGoalKind Kind = FitGoalKind::EqualCutOff;
    GearPosition At = GearPosition::Mid;
    double Target = 0;
};

struct FitProblem {
    std::vector<FitVariable> Vary;
    std::vector<FitGoal> Goals;
};

// Each returns an empty string when the text was read, otherwise a message saying what
// is wrong with it.
// "NAME" (bounds kFitDefaultReach either side of its value in the model) or "NAME=LO:HI".
std::string ParseFitVariable(std::string_view text, const Model& m, FitVariable& out);
// "equal-cutoff@G", "equal-lead@G", "cutoff=PCT@G", "lead=V@G"; G one of the gear
// position names.
std::string ParseFitGoal(std::string_view text, FitGoal& out);
std::string FitGoalText(const FitGoal& goal);

// What the fit checks before it tries anything: one to four different dimensions that
// undo can record, finite bounds with low below high, at least one goal, and every event
// a goal names occurring, in a gear that can be assembled, as the gear stands.
std::string CheckFitProblem(const Model& m, const FitProblem& p);

// The events a goal compares: two of them, front first.
std::pair<ValveEvent, ValveEvent> GoalEvents(const FitGoal& goal);

// How far the events are from every goal: the root of the sum of squares of each goal's
// misses, in percent of stroke (leads are counted as percent of stroke too). Empty when
// an event a goal needs does not occur or a goal's row cannot be assembled.
std::optional<double> FitResidual(const Model& trial, const std::vector<FitGoal>& goals);

}  // namespace lm
