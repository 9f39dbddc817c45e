// The largest change a fit made outside the cells its goals name.

#include "workbench/FitReport.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "workbench/ValveEventsText.h"

namespace lm {

namespace {

// The columns each goal and constraint names, with the rows they name them in.
struct AskedCells {
    std::vector<std::string> Columns;
    std::vector<SpanRow> Rows;
};

std::vector<AskedCells> AskedOf(const Model& m, const FitProblem& p) {
    std::vector<AskedCells> asked;
    for (const FitGoal& g : p.Goals) {
        const auto [front, rear] = GoalEvents(g);
        const std::string pair(ValveEventPairName(static_cast<int>(front) / 2));
        asked.push_back({{std::string(ValveEventName(front)), std::string(ValveEventName(rear)), pair + "Difference"},
                         SpanRows(m, g.Where)});
    }
    for (const FitConstraint& c : p.Constraints) {
        AskedCells cells{{}, SpanRows(m, c.Where)};
        for (ValveEvent e : c.Events) cells.Columns.emplace_back(ValveEventName(e));
        asked.push_back(std::move(cells));
    }
    return asked;
}

bool Asked(const std::vector<AskedCells>& asked, char graph, float revArmPos, const std::string& column) {
    return std::any_of(asked.begin(), asked.end(), [&](const AskedCells& a) {
        return std::find(a.Columns.begin(), a.Columns.end(), column) != a.Columns.end() &&
               SpanHolds(a.Rows, graph, revArmPos);
    });
}

}  // namespace

std::optional<UnaskedChange> LargestUnaskedChange(const Model& m, const FitProblem& p, const ValveEventsTable& before,
                                                  const ValveEventsTable& after) {
    const double stroke = std::fabs(static_cast<double>(m.Frame.Stroke));
    const double perLength = stroke > 0 && std::isfinite(stroke) ? 100 / stroke : 1;
    const std::vector<AskedCells> asked = AskedOf(m, p);
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
                if (Asked(asked, graph, a.RevArmPos, c.Name)) continue;
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
