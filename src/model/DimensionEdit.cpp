// Storing an edited dimension with its side effects, and the centring limits.

#include "model/DimensionEdit.h"

#include "common/Numbers.h"
#include "model/Defaults.h"

namespace lm {

float ClampLowThenHigh(float v, float lo, float hi) {
    if (v < lo) v = lo;
    if (v > hi) v = hi;
    return v;
}

void ApplyCentringLimits(Model& m, bool normEdited) {
    FrameDimensions& f = m.Frame;
    const auto centredRange = [&](bool keepZeros) {
        const long double c = m.Gear.RevArmCenter;
        const float lo = static_cast<float>(c - f.RevArmCentNorm);
        const float hi = static_cast<float>(c + f.RevArmCentNorm);
        for (int k = 1; k <= kRevArmPositionCount; ++k) {
            float& p = m.Gear.RevArmPositions[static_cast<std::size_t>(k)];
            if (keepZeros && p == 0) continue;
            p = ClampLowThenHigh(p, lo, hi);
        }
    };
    if (normEdited) {
        if (f.RevArmCentNorm > f.RevArmCentMax) {
            f.RevArmCentNorm = f.RevArmCentMax;
            centredRange(true);
        }
    } else if (f.RevArmCentMax < f.RevArmCentNorm) {
        f.RevArmCentMax = f.RevArmCentNorm;
        centredRange(false);
    }
}

void ApplyEditedDimension(Model& m, const DimensionInfo& d, float value) {
    if (IsAngleDimension(d)) value = WrapDegrees(value);
    StoreDimension(m, d, value);
    if (d.CodeName == "CylCLAboveDriver" || d.CodeName == "ValveCLToCylCL") UpdateValveStemHeight(m);
    if (d.CodeName == "RevArmCentNorm") ApplyCentringLimits(m, true);
    if (d.CodeName == "RevArmCentMax") ApplyCentringLimits(m, false);
}

}  // namespace lm
