#include "kinematics/StartUp.h"

#include "kinematics/MidGear.h"
#include "model/Defaults.h"

namespace lm {

void StartUp(Model& m) {
    SetStartupDefaults(m);
    ResetView(m);
    SetNominalFrame(m);
    SetNominalCylinder(m);
    ResetFrameDimensions(m);
    ResetCylinderDimensions(m);
    FindMidGear(m);
}

}  // namespace lm
