// The port diagram's sweep, one row at a time or all rows on every core.
#include "diagrams/PortSweep.h"

#include <algorithm>
#include <cmath>

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

// The first of the largest, NaN only where every sample was: the same whether the
// samples are folded in one run or in pieces whose results are folded again.
void KeepLargest(float now, float& largest, bool& any) {
    if (!any || std::isnan(largest) || now > largest) largest = now;
    any = true;
}

struct StepsResult {
    PortRowSweep Row;
    bool StartComplete = false;
    bool SawFrontDeadCentre = false, SawRearDeadCentre = false, AnySample = false;
};

// Steps first..last (1..90) of a row at the arm position already set, after the solve of
// step first - 1 that gives the openings the first of them is compared with.
StepsResult SweepSteps(Model& m, char graph, int first, int last) {
    StepsResult r;
    PortRowSweep& into = r.Row;
    into.Crossings.reserve(kUsualCrossings);
    m.Gear.DriverAngle = 0;
    for (int j = 0; j < first; ++j) m.Gear.DriverAngle = NextAngle(m.Gear.DriverAngle, graph);
    r.StartComplete = SolveLinkage(m);
    into.AnySolveComplete = r.StartComplete;
    SolvePistonAndPorts(m);
    float previousTravel = m.Valve.PistonPos;
    PortOpenings previous = PortOpenings::Of(m.Valve);
    bool anyRear = false;
    for (int j = first; j <= last; ++j) {
        m.Gear.DriverAngle = NextAngle(m.Gear.DriverAngle, graph);
        into.AnySolveComplete = SolveLinkage(m) || into.AnySolveComplete;
        SolvePistonAndPorts(m);
        const float t = m.Valve.PistonPos;
        const PortOpenings now = PortOpenings::Of(m.Valve);
        for (int k = 0; k < kPortEventCount; ++k) {
            const auto e = static_cast<PortEvent>(k);
            const float o = OpeningFor(e, now);
            const float o0 = OpeningFor(e, previous);
            if (EventHappens(e, o0, o)) into.Crossings.push_back({j, e, CrossingTravel(t, previousTravel, o, o0)});
        }
        const float angle = m.Gear.DriverAngle;
        if (angle == 0 || angle == 360) {
            into.FrontSteamAtDeadCentre = now.FrontSteam;
            r.SawFrontDeadCentre = true;
        }
        if (angle == 180) {
            into.RearSteamAtDeadCentre = now.RearSteam;
            r.SawRearDeadCentre = true;
        }
        KeepLargest(now.FrontSteam, into.FrontSteamMax, r.AnySample);
        KeepLargest(now.RearSteam, into.RearSteamMax, anyRear);
        previousTravel = t;
        previous = now;
    }
    return r;
}

// The second half of a row after the first, as one run over both would have left it.
void Join(StepsResult& first, const StepsResult& second) {
    PortRowSweep& row = first.Row;
    const PortRowSweep& more = second.Row;
    row.Crossings.insert(row.Crossings.end(), more.Crossings.begin(), more.Crossings.end());
    if (second.SawFrontDeadCentre) row.FrontSteamAtDeadCentre = more.FrontSteamAtDeadCentre;
    if (second.SawRearDeadCentre) row.RearSteamAtDeadCentre = more.RearSteamAtDeadCentre;
    if (second.AnySample) {
        bool any = first.AnySample, anyRear = first.AnySample;
        KeepLargest(more.FrontSteamMax, row.FrontSteamMax, any);
        KeepLargest(more.RearSteamMax, row.RearSteamMax, anyRear);
    }
    row.AnySolveComplete = row.AnySolveComplete || more.AnySolveComplete;
}

// Each row is swept in two halves, so two cores share nineteen rows evenly.
constexpr int kHalfRow = kPortStepsPerRow / 2;
constexpr int kPieces = 2 * kPortRowCount;

}  // namespace

PortRowSweep SweepPortRow(Model& m, char graph, float revArmPos, int row) {
    m.Gear.RevArmPos = revArmPos;
    m.Valve.PistonPos = 0;
    const bool raisedBefore = m.Gear.GearError;
    m.Gear.GearError = false;
    StepsResult r = SweepSteps(m, graph, 1, kPortStepsPerRow);
    r.Row.GearError = m.Gear.GearError;
    m.Gear.GearError = raisedBefore || m.Gear.GearError;
    r.Row.Row = row;
    r.Row.RevArmPos = revArmPos;
    r.Row.FirstSolveComplete = r.StartComplete;
    return std::move(r.Row);
}

std::vector<PortRowSweep> SweepPortRowsInOrder(Model& m, char graph) {
    std::vector<PortRowSweep> rows;
    rows.reserve(kPortRowCount);
    for (int i = 0; i < kPortRowCount; ++i)
        rows.push_back(SweepPortRow(m, graph, PortRowRevArmPos(m, graph, i), i));
    return rows;
}

std::vector<float> PortRowPositions(const Model& m, char graph) {
    Model sensed = m;
    RecordSolvedSense(sensed);
    std::vector<float> positions(kPortRowCount);
    for (int i = 0; i < kPortRowCount; ++i)
        positions[static_cast<std::size_t>(i)] = PortRowRevArmPos(i == 0 ? m : sensed, graph, i);
    return positions;
}

std::vector<PortRowSweep> SweepPortRows(Model& m, char graph) {
    // In order, row i > 0 takes its arm position from the sense the solves before it
    // recorded, and each row, like each half row, starts from the pivots the steps before
    // it left. Every half row starts from a copy of the model as it is now, with that
    // sense recorded; where the solve a half row starts from gives up, the pivots it
    // inherits matter and the order cannot be dropped.
    Model sensed = m;
    RecordSolvedSense(sensed);
    const std::vector<float> positions = PortRowPositions(m, graph);
    std::vector<StepsResult> pieces(kPieces);
    std::vector<char> gearErrors(kPieces, 0);
    Model last;
    tbb::parallel_for(0, kPieces, [&](int piece) {
        Model copy = sensed;
        copy.Gear.GearError = false;
        const auto k = static_cast<std::size_t>(piece);
        copy.Gear.RevArmPos = positions[k / 2];
        copy.Valve.PistonPos = 0;
        pieces[k] = piece % 2 == 0 ? SweepSteps(copy, graph, 1, kHalfRow)
                                   : SweepSteps(copy, graph, kHalfRow + 1, kPortStepsPerRow);
        gearErrors[k] = copy.Gear.GearError;
        if (piece == kPieces - 1) last = std::move(copy);
    });

    std::vector<PortRowSweep> rows;
    rows.reserve(kPortRowCount);
    bool independent = true;
    for (int i = 0; i < kPortRowCount; ++i) {
        StepsResult& first = pieces[static_cast<std::size_t>(2 * i)];
        const StepsResult& second = pieces[static_cast<std::size_t>(2 * i + 1)];
        independent = independent && (i == 0 || first.StartComplete) && second.StartComplete;
        Join(first, second);
        first.Row.Row = i;
        first.Row.RevArmPos = positions[static_cast<std::size_t>(i)];
        first.Row.FirstSolveComplete = first.StartComplete;
        first.Row.GearError = gearErrors[static_cast<std::size_t>(2 * i)] || gearErrors[static_cast<std::size_t>(2 * i + 1)];
        rows.push_back(std::move(first.Row));
    }
    if (!independent || !rows.front().AnySolveComplete) return SweepPortRowsInOrder(m, graph);

    // Left as the last row leaves it, with any error raised on the way.
    const bool gearError = m.Gear.GearError || std::find(gearErrors.begin(), gearErrors.end(), 1) != gearErrors.end();
    m = std::move(last);
    m.Gear.GearError = gearError;
    return rows;
}

}  // namespace lm
