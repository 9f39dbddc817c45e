// Trial copies of the gear with some dimensions changed.

#include "workbench/GearTrial.h"

#include "kinematics/MidGear.h"
#include "model/DimensionEdit.h"

namespace lm {

Model TrialModel(const Model& m, std::span<const DimensionValue> values) {
    Model trial = m;
    for (const DimensionValue& v : values) ApplyEditedDimension(trial, *v.Dimension, v.Value);
    FindMidGear(trial);
    return trial;
}

std::optional<double> TrialEvent(const Model& m, std::span<const DimensionValue> values, GearPosition at,
                                 ValveEvent e) {
    return ValveEventsAt(TrialModel(m, values), at).Value(e);
}

}  // namespace lm
