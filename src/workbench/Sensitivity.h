// How sensitive a valve event is to each dimension.

#pragma once

// How much one valve event moves per unit change of each of the 44 dimensions, at one
// reverser setting: central differences of exact events on trial copies, ranked by size.

#include <optional>
#include <string>
#include <vector>

#include "kinematics/GearPositions.h"
#include "model/DimensionTable.h"
#include "model/Model.h"
#include "workbench/ValveEvents.h"

namespace lm {

// The steps either side of a dimension's value: small against the port widths (0.187
// nominal, and an opening of 0.027 at mid gear), yet large against the solver's jitter
// of the valve (about 7e-5), which a smaller step turns into slopes that wander. The
// angle step moves the valve about as far through the eccentric's throw (0.34 x 0.5
// degree is 0.003).
inline constexpr double kDefaultStepLength = 0.003;  // length units
inline constexpr double kDefaultStepAngle = 0.5;     // degrees

// A change between the two half steps that disagree by more than this (percent of
// stroke; lengths are counted as percent of stroke too) is a jump, not a slope.
inline constexpr double kKnifeEdgeJump = 0.05;

struct SensitivityOptions {
    double StepLength = kDefaultStepLength;
    double StepAngle = kDefaultStepAngle;
    // Given together: each dimension's effect is its slope times the tolerance of its
    // kind, and the entries rank by it.
    std::optional<double> ToleranceLength;
    std::optional<double> ToleranceAngle;
};

struct SensitivityEntry {
    const DimensionInfo* Dimension = nullptr;
    bool Angle = false;  // degrees; else a length
    // Change of the event per unit of the dimension; empty on a knife edge.
    std::optional<double> Slope;
    // The event jumps within the step, or appears or disappears there (or the value
    // cannot be stepped at all).
    bool KnifeEdge = false;
    double Step = 0;
    // |Slope| times the dimension's tolerance, in the event's own unit.
    std::optional<double> Effect;
    // How far the slope can be trusted: the events' jitter about the gear's smooth motion
    // over the step, or half the difference of the two half steps' slopes where larger.
    double Uncertainty = 0;
};

// The events' jitter about the gear's smooth motion: the solver's valve strays up to
// about 4e-5 length units from it, which moves a slow event by up to about 0.005 % of
// stroke.
inline constexpr double kEventJitterPercent = 0.005;
inline constexpr double kEventJitterLength = 4e-5;

// The decimals a number known to within `uncertainty` is printed with (0 to 9).
int DecimalsFor(double uncertainty);

struct SensitivityResult {
    std::string Error;  // why nothing was computed
    double Value = 0;   // the event as the gear stands
    // With tolerances: largest effect first. Without: the lengths by |slope|, then the
    // angles by |slope| (a slope per degree and one per length unit do not compare).
    // Ties in table order; the knife edges last, in table order.
    std::vector<SensitivityEntry> Entries;
    bool ok() const { return Error.empty(); }
};

// Works on copies, each dimension's pair of trials on its own core; the model passed in
// is only read. An event that does not occur at the setting, a gear that cannot be
// assembled there, and steps or tolerances that are not positive finite numbers are
// errors.
SensitivityResult ComputeSensitivity(const Model& m, GearPosition at, ValveEvent event,
                                     const SensitivityOptions& options = {});

// "% of stroke per length unit", "length units per degree", ...
std::string SlopeUnit(ValveEvent event, bool angle);
// "% of stroke" or "length units".
std::string EventUnit(ValveEvent event);

// The knife-edge rule on the three trials at v - h, v and v + h (steps as stored).
bool IsKnifeEdge(std::optional<double> below, std::optional<double> here, std::optional<double> above,
                 double stepBelow, double stepAbove, double jump);

}  // namespace lm
