// How long the gear takes to solve: one SolveLinkage, and a whole revolution at the
// step the diagrams use.
#include <benchmark/benchmark.h>

#include "dialogs/PivotTable.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/StartUp.h"

namespace {

void BM_SolveLinkage(benchmark::State& state) {
    lm::Model m;
    lm::StartUp(m);
    float angle = 0;
    for (auto _ : state) {
        m.Gear.DriverAngle = angle;
        lm::SolveLinkage(m);
        benchmark::DoNotOptimize(m.Pivots);
        angle += 7.5f;
        if (angle > 360) angle -= 360;
    }
}
BENCHMARK(BM_SolveLinkage);

void BM_FullRevolution(benchmark::State& state) {
    lm::Model m;
    lm::StartUp(m);
    for (auto _ : state) {
        for (int a = 0; a <= 360; ++a) {
            m.Gear.DriverAngle = static_cast<float>(a);
            lm::SolveLinkage(m);
            lm::SolvePistonAndPorts(m);
        }
        benchmark::DoNotOptimize(m.Valve);
    }
}
BENCHMARK(BM_FullRevolution)->Unit(benchmark::kMicrosecond);

// The pivot data table, rebuilt every time its window is shown: at the usual step of 10
// and at the smallest step the table takes (0.01, 36000 rows).
void BM_PivotTableText(benchmark::State& state) {
    lm::Model m;
    lm::StartUp(m);
    for (std::size_t row = 1; row <= lm::kTrackedRowCount; ++row)
        m.Tracking.Rows[row] = {static_cast<float>(row + 1), true};
    const float step = static_cast<float>(state.range(0)) / 100;
    for (auto _ : state) benchmark::DoNotOptimize(lm::PivotTableText(m, step, "08/12/2026", "10:00:00"));
}
BENCHMARK(BM_PivotTableText)->Arg(1000)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
