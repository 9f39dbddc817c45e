// Exact events against an independent fine sweep of the same solver, the crank's closed
// form, and gears that cannot be assembled.
#include <cmath>

#include <gtest/gtest.h>

#include "common/Real.h"
#include "diagrams/PortSweep.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/MidGear.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/StartUp.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "WorkbenchTestSupport.h"
#include "workbench/ExactEvents.h"

namespace lm {
namespace {

using test::Nominal;

void Set(Model& m, const char* name, float value) {
    ApplyEditedDimension(m, *FindDimension(name), value);
    FindMidGear(m);
}

// What a sweep every 0.02 degree finds, each crossing then swept again every 0.002
// degree around it (fine enough that the solver's own jitter, not the straight line
// between samples, is what is left) and placed linearly between those samples.
struct FineSweep {
    std::array<std::optional<double>, kTimedEventCount> Percent{}, Phase{};
    std::array<double, 2> Greatest{-1e30, -1e30};
    std::array<double, 2> FullOpen{0, 0};
};

struct SweepSample {
    double Piston;
    std::array<double, 4> G;
};

SweepSample SolveAt(Model& m, char graph, double phase) {
    m.Gear.DriverAngle = static_cast<float>(std::fmod(graph == 'R' ? 360 - phase : phase, 360.0));
    SolveLinkage(m);
    SolvePistonAndPorts(m);
    const ValveState& v = m.Valve;
    return {v.PistonPos, {v.FrontSteamOpening, v.FrontExhaustOpening, v.RearSteamOpening, v.RearExhaustOpening}};
}

// Admission, cut-off, release, compression, front before rear: opening and sign.
constexpr std::array<std::pair<int, double>, kTimedEventCount> kSweptEvents = {
    {{0, 1}, {2, 1}, {0, -1}, {2, -1}, {1, 1}, {3, 1}, {1, -1}, {3, -1}}};

// The last crossing of event e between two phases, every `step`; false where none.
bool LastCrossing(Model m, char graph, std::size_t e, double from, double to, double step, double& phase,
                  double& percent) {
    const auto [of, sign] = kSweptEvents[e];
    const int steps = static_cast<int>(std::lround((to - from) / step));
    SweepSample prev = SolveAt(m, graph, from);
    bool found = false;
    for (int k = 1; k <= steps; ++k) {
        const SweepSample now = SolveAt(m, graph, from + k * step);
        const double a = sign * prev.G[static_cast<std::size_t>(of)], b = sign * now.G[static_cast<std::size_t>(of)];
        if (a < 0 && b >= 0) {
            const double t = a / (a - b);
            const double travel = prev.Piston + t * (now.Piston - prev.Piston);
            percent = e % 2 == 0 ? travel / 6.4 : (640 - travel) / 6.4;
            phase = from + (k - 1 + t) * step;
            found = true;
        }
        prev = now;
    }
    return found;
}

FineSweep SweepFinely(Model m, char graph, float revArmPos) {
    constexpr double kStep = 0.02, kFinest = 0.002;
    constexpr int kSteps = 18000;
    m.Gear.RevArmPos = revArmPos;
    FineSweep f;
    const double widths[2] = {m.Cyl.ValvePortWidthFront, m.Cyl.ValvePortWidthRear};
    std::array<std::optional<int>, kTimedEventCount> lastStep{};
    SweepSample prev = SolveAt(m, graph, 0);
    for (int k = 1; k <= kSteps; ++k) {
        const SweepSample now = SolveAt(m, graph, k * kStep);
        for (std::size_t e = 0; e < kSweptEvents.size(); ++e) {
            const auto [of, sign] = kSweptEvents[e];
            const double a = sign * prev.G[static_cast<std::size_t>(of)], b = sign * now.G[static_cast<std::size_t>(of)];
            if (a < 0 && b >= 0) lastStep[e] = k;
        }
        for (int end = 0; end < 2; ++end) {
            const double g = now.G[static_cast<std::size_t>(2 * end)];
            f.Greatest[static_cast<std::size_t>(end)] = std::max(f.Greatest[static_cast<std::size_t>(end)], g);
            if (g > widths[end]) f.FullOpen[static_cast<std::size_t>(end)] += kStep;
        }
        prev = now;
    }
    for (std::size_t e = 0; e < kSweptEvents.size(); ++e) {
        if (!lastStep[e]) continue;
        // Two coarse steps either side, so a crossing the jitter moved is still inside.
        const double from = std::max(0.0, (*lastStep[e] - 3) * kStep), to = std::min(360.0, (*lastStep[e] + 2) * kStep);
        double phase = 0, percent = 0;
        if (!LastCrossing(m, graph, e, from, to, kFinest, phase, percent)) continue;
        f.Phase[e] = phase;
        f.Percent[e] = percent;
    }
    return f;
}

TEST(ExactEvents, AgreeWithAFineSweepToTwoThousandthsOfAPercent) {
    double worstPercent = 0, worstCrank = 0;
    Model other = Nominal();
    Set(other, "EccAngFwd", 238);
    for (const Model& m : {Nominal(), other}) {
        for (const char graph : {'F', 'R'}) {
            const std::vector<float> positions = PortRowPositions(m, graph);
            for (const int row : {0, 6, 14, 18}) {
                SCOPED_TRACE(std::string(1, graph) + " row " + std::to_string(row));
                const float pos = positions[static_cast<std::size_t>(row)];
                const ValveEventRow exact = ExactEventsOfRow(m, graph, pos, row);
                const FineSweep fine = SweepFinely(m, graph, pos);
                EXPECT_FALSE(exact.GearError);
                EXPECT_NEAR(exact.FrontDeadCentre, 0, 1e-4);
                EXPECT_NEAR(std::fabs(exact.RearDeadCentre), 180, 1e-4);
                for (int k = 0; k < kTimedEventCount; ++k) {
                    const auto e = static_cast<ValveEvent>(kFirstTimedEvent + k);
                    SCOPED_TRACE(ValveEventName(e));
                    const auto i = static_cast<std::size_t>(k);
                    ASSERT_EQ(exact.Value(e).has_value(), fine.Percent[i].has_value());
                    if (!fine.Percent[i]) continue;
                    EXPECT_NEAR(*exact.Value(e), *fine.Percent[i], 0.002);
                    worstPercent = std::max(worstPercent, std::fabs(*exact.Value(e) - *fine.Percent[i]));
                    const double deadCentre = k % 2 == 0 ? 0 : 180;
                    double crank = std::fmod(*fine.Phase[i] - deadCentre + 540, 360.0) - 180;
                    // The solver's valve jitters by about 1e-5 (its link search's
                    // tolerance), a few thousandths of a degree where the valve is slow.
                    EXPECT_NEAR(*exact.CrankOf(e), crank, 0.01);
                    worstCrank = std::max(worstCrank, std::fabs(*exact.CrankOf(e) - crank));
                }
                for (int end = 0; end < 2; ++end) {
                    const auto i = static_cast<std::size_t>(end);
                    const auto opening = exact.Value(end == 0 ? ValveEvent::FrontMaxOpening : ValveEvent::RearMaxOpening);
                    ASSERT_EQ(opening.has_value(), fine.Greatest[i] > 0);
                    if (!opening) continue;
                    const double width = end == 0 ? m.Cyl.ValvePortWidthFront : m.Cyl.ValvePortWidthRear;
                    EXPECT_LE(*opening, width);
                    // The fine sweep's greatest is the highest of the jitter's peaks.
                    EXPECT_NEAR(*opening + *exact.OverTravel[i], fine.Greatest[i], 1e-4);
                    EXPECT_NEAR(*exact.FullOpenDeg[i], fine.FullOpen[i], 0.03);
                }
            }
        }
    }
    RecordProperty("WorstPercentOfStroke", std::to_string(worstPercent));
    RecordProperty("WorstCrankDegrees", std::to_string(worstCrank));
    std::printf("worst %.6f %% of stroke, %.6f degrees\n", worstPercent, worstCrank);
}

TEST(ExactEvents, PercentAndCrankAgreeWithTheSliderCrank) {
    // Each event's travel is the crank-and-rod travel at its crank angle from the dead
    // centre: two numbers found apart, tied by the closed form.
    const Model m = Nominal();
    const double r = m.Frame.Stroke / 2.0, l = m.Frame.MainRodLen;
    for (const ValveEventRow& row : ExactEventRows(m, 'F')) {
        for (int k = 0; k < kTimedEventCount; ++k) {
            const auto e = static_cast<ValveEvent>(kFirstTimedEvent + k);
            if (!row.Value(e)) continue;
            const double a = Rad(*row.CrankOf(e) + (k % 2 == 0 ? 0 : 180));
            const double x = r * (1 - std::cos(a)) + l - std::sqrt(l * l - r * r * std::sin(a) * std::sin(a));
            const double percent = k % 2 == 0 ? 50 * x / r : 100 - 50 * x / r;
            EXPECT_NEAR(*row.Value(e), percent, 1e-3) << ValveEventName(e) << " row " << row.Row;
        }
    }
}

TEST(ExactEvents, AGearThatCannotBeAssembledIsFlaggedAndCostsBoundedWork) {
    const Model nominal = Nominal();
    ExactEventsOfRow(nominal, 'F', nominal.Gear.RevArmCenter);
    const int nominalSolves = LastRowSolveCount();
    // Mid gear is the dearest row: every event there is slow, so each is looked past for
    // the solver's jitter.
    EXPECT_LT(nominalSolves, 450);
    for (const auto& row : ExactEventRows(nominal, 'F')) EXPECT_FALSE(row.GearError) << row.Row;

    Model unassemblable = Nominal();
    Set(unassemblable, "LiftingLinkLen", 0.8f);
    bool anyFlagged = false;
    for (const auto& row : ExactEventRows(unassemblable, 'F')) anyFlagged = anyFlagged || row.GearError;
    EXPECT_TRUE(anyFlagged);

    for (const auto& [name, value] : {std::pair{"Stroke", 0.0f}, {"LiftingLinkLen", 1e9f}, {"MainRodLen", 0.5f},
                                      {"EccRodFwd", 1e-30f}, {"LinkRadius", -1e9f}}) {
        Model m = Nominal();
        Set(m, name, value);
        const ValveEventRow row = ExactEventsOfRow(m, 'F', m.Gear.RevArmCenter);
        EXPECT_TRUE(row.GearError) << name;
        EXPECT_LE(LastRowSolveCount(), kMaxRowSolves) << name;
    }
}

}  // namespace
}  // namespace lm
