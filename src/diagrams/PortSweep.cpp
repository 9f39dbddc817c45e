// The port diagram's sweep, one row at a time or all rows on every core.
#include "diagrams/PortSweep.h"

#include <algorithm>

#include <tbb/parallel_for.h>

#include "diagrams/PortEvents.h"
#include "kinematics/Guards.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/PistonAndPorts.h"

namespace lm {

namespace {

float NextAngle(float angle, char graph) {
    if (graph == 'R') {
        float a = Store(static_cast<Real>(angle) - 4);
        if (a < 0) a = Store(a + 360.0L);
        return a;
    }
    float a = Store(static_cast<Real>(angle) + 4);
    if (a > 360) a = Store(a - 360.0L);
    return a;
}

constexpr std::size_t kUsualCrossings = 16;

}  // namespace

PortRowSweep SweepPortRow(Model& m, char graph, float revArmPos, int row) {
    PortRowSweep sweep;
    sweep.Row = row;
    sweep.RevArmPos = revArmPos;
    sweep.Crossings.reserve(kUsualCrossings);
    m.Gear.RevArmPos = revArmPos;
    m.Gear.DriverAngle = 0;
    m.Valve.PistonPos = 0;
    float previousTravel = 0;
    PortOpenings previous;
    bool anyMax = false;
    for (int j = 0; j <= kPortStepsPerRow; ++j) {
        m.Gear.DriverAngle = NextAngle(m.Gear.DriverAngle, graph);
        const bool complete = SolveLinkage(m);
        if (j == 0) sweep.FirstSolveComplete = complete;
        sweep.AnySolveComplete = sweep.AnySolveComplete || complete;
        SolvePistonAndPorts(m);
        const float t = m.Valve.PistonPos;
        const PortOpenings now = PortOpenings::Of(m.Valve);
        if (j >= 1) {
            for (int k = 0; k < kPortEventCount; ++k) {
                const auto e = static_cast<PortEvent>(k);
                const float o = OpeningFor(e, now);
                const float o0 = OpeningFor(e, previous);
                if (EventHappens(e, o0, o))
                    sweep.Crossings.push_back({j, e, CrossingTravel(t, previousTravel, o, o0)});
            }
            const float angle = m.Gear.DriverAngle;
            if (angle == 0 || angle == 360) sweep.FrontSteamAtDeadCentre = now.FrontSteam;
            if (angle == 180) sweep.RearSteamAtDeadCentre = now.RearSteam;
            sweep.FrontSteamMax = anyMax ? std::max(sweep.FrontSteamMax, now.FrontSteam) : now.FrontSteam;
            sweep.RearSteamMax = anyMax ? std::max(sweep.RearSteamMax, now.RearSteam) : now.RearSteam;
            anyMax = true;
        }
        previousTravel = t;
        previous = now;
    }
    return sweep;
}

std::vector<PortRowSweep> SweepPortRowsInOrder(Model& m, char graph) {
    std::vector<PortRowSweep> rows;
    rows.reserve(kPortRowCount);
    for (int i = 0; i < kPortRowCount; ++i)
        rows.push_back(SweepPortRow(m, graph, PortRowRevArmPos(m, graph, i), i));
    return rows;
}

std::vector<PortRowSweep> SweepPortRows(Model& m, char graph) {
    // In order, row i > 0 takes its arm position from the sense the solves before it
    // recorded, and starts from the pivots the row before it left. Every row starts from
    // a copy of the model as it is now, with that sense recorded for rows past the first;
    // where a row's first solve gives up, the pivots it inherits matter and the order
    // cannot be dropped.
    Model sensed = m;
    RecordSolvedSense(sensed);
    std::vector<PortRowSweep> rows(kPortRowCount);
    std::vector<char> gearErrors(kPortRowCount, 0);
    Model last;
    tbb::parallel_for(0, kPortRowCount, [&](int i) {
        Model copy = i == 0 ? m : sensed;
        const auto k = static_cast<std::size_t>(i);
        rows[k] = SweepPortRow(copy, graph, PortRowRevArmPos(copy, graph, i), i);
        gearErrors[k] = copy.Gear.GearError;
        if (i == kPortRowCount - 1) last = std::move(copy);
    });
    const bool independent =
        rows.front().AnySolveComplete &&
        std::all_of(rows.begin() + 1, rows.end(), [](const PortRowSweep& r) { return r.FirstSolveComplete; });
    if (!independent) return SweepPortRowsInOrder(m, graph);

    // Left as the last row leaves it, with any error raised on the way.
    const bool gearError = m.Gear.GearError || std::find(gearErrors.begin(), gearErrors.end(), 1) != gearErrors.end();
    m = std::move(last);
    m.Gear.GearError = gearError;
    return rows;
}

}  // namespace lm
