// The start-up sequence: defaults, view, nominal dimensions and mid gear.

#include "kinematics/StartUp.h"

#include "kinematics/MidGear.h"
#include "model/Defaults.h"
#include "model/UnsavedChanges.h"

namespace lm {

void StartUp(Model& m) {
    SetStartupDefaults(m);
    ResetView(m);
    SetNominalFrame(m);
    SetNominalCylinder(m);
    ResetFrameDimensions(m);
    ResetCylinderDimensions(m);
    FindMidGear(m);
    MarkDimensionSetSaved(m);
}

}  // namespace lm
