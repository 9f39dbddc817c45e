// The oval diagram's crosshead column, safe for a rod shorter than the crank throw.

#include "diagrams/PistonColumn.h"

#include <cmath>

#include "common/Numbers.h"

namespace lm {

PistonColumn::PistonColumn(Model& m)
    : stroke_(m.Frame.Stroke), divisor_(GuardDivisor(m, m.Frame.Stroke)), rod_(m.Frame.MainRodLen) {}

int PistonColumn::operator()(float driverAngle) const {
    const Real a = Rad(driverAngle);
    const Real side = stroke_ / 2 * std::sin(a);
    // A rod shorter than the crank throw cannot reach: the crosshead is taken as level
    // with the crank pin there, so the oval still closes.
    Real square = rod_ * rod_ - side * side;
    if (!(square > 0)) square = 0;
    return RoundToInt(314 + Real{270.5L} * (std::cos(a) + 2 * (std::sqrt(square) - rod_) / divisor_));
}

}  // namespace lm
