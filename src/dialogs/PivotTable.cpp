// The pivot data table's sweep over one revolution and the text it lays out.

#include "dialogs/PivotTable.h"

#include <cmath>
#include <optional>

#include "common/Numbers.h"
#include "kinematics/LinkageSolver.h"
#include "model/PivotNumbers.h"

namespace lm {

namespace {

constexpr float kMinTableStep = 0.01f;

std::string Fixed(float v, int width, int decimals) { return FormatFixed(v, width, decimals); }

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
        g.DriverAngle = static_cast<float>(g.DriverAngle + step);
    } while (!(g.DriverAngle > 360));
    g.DriverAngle = savedAngle;
    g.StepAngle = savedStep;
}

std::string PivotTableText(Model& m, float stepSetting, std::string_view date, std::string_view time) {
    std::string text;
    text += "Pivot Data   " + m.DataSetName + "     " + std::string(date) + "   " + std::string(time) + '\n';
    text += "       Reverse Arm " + Fixed(m.Gear.RevArmPos, 7, 3) + "      Step Angle " +
            Fixed(TableStep(stepSetting), 7, 3) + '\n';
    text += "  Driver         No.1                   No.2                   No.3                  No.4"
            "                   No.5                  No.6\n";
    text += "  Angle     Vert   Horz         Vert   Horz          Vert   Horz         Vert   Horz"
            "          Vert   Horz         Vert   Horz\n";

    SweepRevolution(m, stepSetting, [&] {
        text += Fixed(m.Gear.DriverAngle, 7, 2);
        for (int n = 1; n <= kTrackedRowCount; ++n) {
            const int vertWidth = n == 1 ? 7 : 9;
            const std::optional<int> p = PivotSlot(m.Tracking.Rows[static_cast<std::size_t>(n)].Pivot);
            text += "   ";
            text += p ? Fixed(m.P(*p).Y, vertWidth, 3) : std::string(static_cast<std::size_t>(vertWidth), ' ');
            text += "  ";
            text += p ? Fixed(m.P(*p).X, 7, 3) : std::string(7, ' ');
        }
        text += '\n';
    });
    return text;
}

}  // namespace lm
