// How long the gear takes to solve: one SolveLinkage, and a whole revolution at the
// step the diagrams use.
#include <benchmark/benchmark.h>

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

}  // namespace

BENCHMARK_MAIN();
