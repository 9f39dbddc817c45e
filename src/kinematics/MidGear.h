// Finding the mid-gear reverse-arm position.

#pragma once

#include "model/Model.h"

namespace lm {

// Finds the mid-gear reverse-arm position (RevArmCenter), puts the arm there and sets
// the first three diagram positions. DriverAngle is left as it was. Where the geometry
// gives no finite answer (for the centre or either normal position) the previous centre,
// positions and arm position stay and GearError rises.
void FindMidGear(Model& m);

}  // namespace lm
