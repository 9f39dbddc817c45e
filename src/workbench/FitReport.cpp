// The largest change a fit made outside the cells its goals name.

#include "workbench/FitReport.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "kinematics/GearPositions.h"
#include "workbench/ValveEventsText.h"

namespace lm {

namespace {

// Whether the goal names this column of the row at its setting.
bool Asked(const Model& m, const FitGoal& goal, char graph, float revArmPos, const std::string& column) {
    if (GraphFor(goal.At) != graph) return false;
    Model at = m;
    MoveToGearPosition(at, goal.At);
    if (std::fabs(static_cast<double>(at.Gear.RevArmPos) - revArmPos) > 1e-6) return false;
    const auto [front, rear] = GoalEvents(goal);
    const std::string pair(ValveEventPairName(static_cast<int>(front) / 2));
    return column == ValveEventName(front) || column == ValveEventName(rear) || column == pair + "Difference";
}

}  // namespace

std::optional<UnaskedChange> LargestUnaskedChange(const Model& m, const FitProblem& p, const ValveEventsTable& before,
                                                  const ValveEventsTable& after) {
    const double stroke = std::fabs(static_cast<double>(m.Frame.Stroke));
    const double perLength = stroke > 0 && std::isfinite(stroke) ? 100 / stroke : 1;
    std::optional<UnaskedChange> largest;
    double largestSize = 0;
    for (const auto& [graph, was, is] : {std::tuple{'F', &before.Forward, &after.Forward},
                                         std::tuple{'R', &before.Reverse, &after.Reverse}}) {
        for (std::size_t i = 0; i < std::min(was->size(), is->size()); ++i) {
            const ValveEventRow& a = (*was)[i];
            const ValveEventRow& b = (*is)[i];
            for (const ValveEventColumn& c : ValveEventColumns()) {
                if (c.Unit == "degrees") continue;  // the same events again, as crank angles
                const std::optional<double> x = c.Get(a, c.Index), y = c.Get(b, c.Index);
                if (!x || !y) continue;
                bool asked = false;
                for (const FitGoal& g : p.Goals) asked = asked || Asked(m, g, graph, a.RevArmPos, c.Name);
                if (asked) continue;
                const double change = *y - *x;
                const double size = std::fabs(change) * (c.Unit == "length" ? perLength : 1);
                if (std::isfinite(size) && size > largestSize) {
                    largestSize = size;
                    largest = UnaskedChange{graph, a.Row, c.Name, change};
                }
            }
        }
    }
    return largest;
}

}  // namespace lm
