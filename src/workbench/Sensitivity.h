// How sensitive a valve event is to each dimension.

#pragma once

// How much one valve event moves per unit change of each of the 44 dimensions, at one
// reverser setting: central differences on trial copies, ranked by size.

#include <optional>
#include <string>
#include <vector>

#include "kinematics/GearPositions.h"
#include "model/DimensionTable.h"
#include "model/Model.h"
#include "workbench/ValveEvents.h"

namespace lm {

// The step is this fraction of the dimension's size, and never smaller than this
// fraction of a tenth of the stroke, so a dimension at 0 still moves.
inline constexpr double kSensitivityRelativeStep = 1e-3;

// A change between the two half steps that disagree by more than this (percent of
// stroke; lengths are counted as percent of stroke too) is a jump, not a slope.
inline constexpr double kKnifeEdgeJump = 0.05;

struct SensitivityEntry {
    const DimensionInfo* Dimension = nullptr;
    // Change of the event per unit of the dimension; empty on a knife edge.
    std::optional<double> Slope;
    // The event jumps within the step, or appears or disappears there (or the value
    // cannot be stepped at all).
    bool KnifeEdge = false;
    double Step = 0;
};

struct SensitivityResult {
    std::string Error;  // why nothing was computed
    double Value = 0;   // the event as the gear stands
    // Largest |slope| first (ties in table order), then the knife edges in table order.
    std::vector<SensitivityEntry> Entries;
    bool ok() const { return Error.empty(); }
};

// Works on copies, each dimension's pair of trials on its own core; the model passed in
// is only read. An event that does not occur at the setting is an error.
SensitivityResult ComputeSensitivity(const Model& m, GearPosition at, ValveEvent event);

// The knife-edge rule on the three trials at v - h, v and v + h (steps as stored).
bool IsKnifeEdge(std::optional<double> below, std::optional<double> here, std::optional<double> above,
                 double stepBelow, double stepAbove, double jump);

}  // namespace lm
