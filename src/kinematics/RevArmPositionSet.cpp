// The run rule and clamps for the diagrams' reverse-arm positions and vertical scale.

#include "kinematics/RevArmPositionSet.h"

#include "kinematics/Guards.h"

namespace lm {

void ApplyRevArmRunRule(Model& m) {
    auto& p = m.Gear.RevArmPositions;
    for (int k = 1; k <= kRevArmPositionCount - 1; ++k) {
        if (p[static_cast<std::size_t>(k)] != 0) m.Gear.RevArmPosCount = k;
        else p[static_cast<std::size_t>(k + 1)] = 0;
    }
    if (p[kRevArmPositionCount] != 0) m.Gear.RevArmPosCount = kRevArmPositionCount;
}

float ClampRevArmPosition(const Model& m, float value) {
    if (value == 0) return value;
    const Real c = m.Gear.RevArmCenter;
    const float lo = Store(c - m.Frame.RevArmCentMax);
    const float hi = Store(c + m.Frame.RevArmCentMax);
    if (value < lo) value = lo;
    if (value > hi) value = hi;
    return value;
}

void StoreEditedRevArmPosition(Model& m, int k, float value) {
    if (k < 1 || k > kRevArmPositionCount) return;
    if (k == 1 && value == 0) value = 0.001f;
    m.Gear.RevArmPositions[static_cast<std::size_t>(k)] = ClampRevArmPosition(m, value);
}

void StoreEditedVerticalScale(Model& m, float value) {
    m.Diagram.VerticalScale = value < 0.1f ? 0.1f : value;
}

}  // namespace lm
