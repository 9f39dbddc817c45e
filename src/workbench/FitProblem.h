// The fit's variables, bounds, goals and constraints.

#pragma once

// What the fit is asked to do: which dimensions it may vary, within which bounds, the
// goals it must meet and the constraints that must hold after it, parsed from the words
// a user types.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/DimensionTable.h"
#include "model/Model.h"
#include "workbench/GearSpan.h"
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
    GearSpan Where;
    double Target = 0;
    // How much the goal's miss counts in the residual.
    double Weight = 1;
};

enum class FitLimit { AtLeast, AtMost };

// An event (one end, or both) that must stay on one side of a limit in every row the
// span reads.
struct FitConstraint {
    std::vector<ValveEvent> Events;
    std::string Word;  // as typed, for messages
    FitLimit Sense = FitLimit::AtLeast;
    double Limit = 0;  // in the events' own unit
    GearSpan Where;
};

struct FitProblem {
    std::vector<FitVariable> Vary;
    std::vector<FitGoal> Goals;
    std::vector<FitConstraint> Constraints;
};

// Each returns an empty string when the text was read, otherwise a message saying what
// is wrong with it.
// "NAME" (bounds kFitDefaultReach either side of its value in the model) or "NAME=LO:HI".
std::string ParseFitVariable(std::string_view text, const Model& m, FitVariable& out);
// "equal-cutoff@S", "equal-lead@S", "cutoff=PCT@S", "lead=V@S", each with "*W" after it
// for a weight; S a gear position or a range of them (GearSpan.h).
std::string ParseFitGoal(std::string_view text, FitGoal& out);
std::string FitGoalText(const FitGoal& goal);
// "EVENT>=V@S" or "EVENT<=V@S", EVENT a word ParseEventWord reads.
std::string ParseFitConstraint(std::string_view text, FitConstraint& out);
std::string FitConstraintText(const FitConstraint& c);

// What the fit checks before it tries anything: one to four different dimensions that
// undo can record, finite bounds with low below high, at least one goal, and in the gear
// as it stands every span holding a row, every such row assembled, and every event a
// goal or constraint names occurring there.
std::string CheckFitProblem(const Model& m, const FitProblem& p);

// The events a goal compares: two of them, front first.
std::pair<ValveEvent, ValveEvent> GoalEvents(const FitGoal& goal);

}  // namespace lm
