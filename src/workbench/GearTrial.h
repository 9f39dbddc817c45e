// Trying a dimension change on a copy of the gear.

#pragma once

// A trial change of the gear: a copy of the model with some dimensions set as typed into
// their editor boxes and mid gear found again, as a designer would have it after the
// change. The workbench tries every change this way and never touches the model itself.

#include <optional>
#include <span>

#include "kinematics/GearPositions.h"
#include "model/DimensionTable.h"
#include "model/Model.h"
#include "workbench/ValveEvents.h"

namespace lm {

struct DimensionValue {
    const DimensionInfo* Dimension = nullptr;
    float Value = 0;
};

Model TrialModel(const Model& m, std::span<const DimensionValue> values);

// One event of the trial at a reverser setting; empty where it does not occur.
std::optional<double> TrialEvent(const Model& m, std::span<const DimensionValue> values, GearPosition at,
                                 ValveEvent e);

}  // namespace lm
