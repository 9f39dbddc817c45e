// Where the crosshead's place in its stroke falls across the oval diagram.

#pragma once

#include "kinematics/Guards.h"
#include "model/Model.h"

namespace lm {

// The oval diagram's abscissa: the crosshead's place in its stroke as a column, 584 at
// driver angle 0 (front dead centre, 0 percent travel) and 44 at 180 (100 percent).
class PistonColumn {
public:
    // Takes the stroke and rod now; a stroke too near zero to divide by is guarded (and
    // raises the gear error) once, here.
    explicit PistonColumn(Model& m);
    int operator()(float driverAngle) const;

private:
    Real stroke_;
    Real divisor_;
    Real rod_;
};

}  // namespace lm
