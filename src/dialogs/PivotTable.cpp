// The pivot data table's sweep over one revolution and the text it lays out.

#include "dialogs/PivotTable.h"

#include <optional>

#include "common/Numbers.h"
#include "kinematics/RevolutionSweep.h"
#include "model/PivotNumbers.h"

namespace lm {

namespace {

std::string Fixed(float v, int width, int decimals) { return FormatFixed(v, width, decimals); }

}  // namespace

std::string PivotTableFirstLine(const Model& m, std::string_view date, std::string_view time) {
    return "Pivot Data   " + m.DataSetName + "     " + std::string(date) + "   " + std::string(time);
}

std::string PivotTableText(Model& m, float stepSetting, std::string_view date, std::string_view time) {
    std::string text = PivotTableFirstLine(m, date, time) + '\n';
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
