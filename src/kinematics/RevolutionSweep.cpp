// One revolution of the driver, solved step by step.

#include "kinematics/RevolutionSweep.h"

#include <cmath>

#include "kinematics/LinkageSolver.h"

namespace lm {

namespace {

constexpr float kMinTableStep = 0.01f;

float NextAngle(float angle, float step) { return static_cast<float>(angle + step); }

}  // namespace

float TableStep(float stepSetting) {
    if (!std::isfinite(stepSetting) || stepSetting < kMinTableStep) return kMinTableStep;
    return stepSetting;
}

void SweepRevolution(Model& m, float stepSetting, const std::function<void()>& row) {
    const float step = TableStep(stepSetting);
    GearState& g = m.Gear;
    const float savedAngle = g.DriverAngle;
    const float savedStep = g.StepAngle;
    g.DriverAngle = 0;
    g.StepAngle = 0;
    do {
        SolveLinkage(m);
        row();
        g.DriverAngle = NextAngle(g.DriverAngle, step);
    } while (!(g.DriverAngle > 360));
    g.DriverAngle = savedAngle;
    g.StepAngle = savedStep;
}

std::size_t RevolutionRowCount(float stepSetting) {
    const float step = TableStep(stepSetting);
    std::size_t rows = 0;
    float angle = 0;
    do {
        ++rows;
        angle = NextAngle(angle, step);
    } while (!(angle > 360));
    return rows;
}

}  // namespace lm
