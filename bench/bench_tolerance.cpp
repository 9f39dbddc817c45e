// The tolerance study: 2,000 samples at mid, normal forward and normal reverse gear on one
// core and on all of them (cores:1 against cores:0) in one run, with the time per sample,
// and the statistics alone.
#include <benchmark/benchmark.h>

#include "BenchCores.h"
#include "kinematics/StartUp.h"
#include "tolerance/StudyPlan.h"
#include "tolerance/ToleranceRun.h"
#include "tolerance/ToleranceStatistics.h"

namespace {

// Every dimension within a workshop's tolerance and the pins a restorer measures worn:
// 44 dimensions and 10 links, the study the README shows.
lm::ToleranceStudy WorkshopStudy() {
    lm::ToleranceStudy s;
    s.Samples = 2000;
    s.DefaultLength = 0.002;
    s.DefaultAngle = 0.05;
    for (int pin : {2, 5, 8, 10, 11, 12}) s.SetClearance(pin, 0.004);
    return s;
}

lm::Model Nominal() {
    lm::Model m;
    lm::StartUp(m);
    return m;
}

void BM_ToleranceStudy2000Samples3Settings(benchmark::State& state) {
    const auto cores = lm::bench::Cores(state);
    const lm::bench::ProcessCpu cpu(state);
    const lm::Model m = Nominal();
    const lm::StudyPlan plan = lm::PlanStudy(m, WorkshopStudy());
    const lm::NominalEvents nominal = lm::StudyNominal(m, plan);
    for (auto _ : state) {
        const auto data = lm::RunSamples(m, plan, 0, plan.Samples);
        const lm::ToleranceSummary summary = lm::Summarize(plan, nominal, *data);
        benchmark::DoNotOptimize(summary.Results.data());
    }
    // Wall time per sample (shown in seconds with a prefix, "ms" for milliseconds).
    state.counters["perSample"] = benchmark::Counter(static_cast<double>(plan.Samples),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_ToleranceStudy2000Samples3Settings)
    ->ArgName("cores")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

// Percentiles, worst cases and the variance shares of 36 results over 54 variables.
void BM_ToleranceStatistics2000Samples(benchmark::State& state) {
    const lm::Model m = Nominal();
    const lm::StudyPlan plan = lm::PlanStudy(m, WorkshopStudy());
    const lm::NominalEvents nominal = lm::StudyNominal(m, plan);
    const auto data = lm::RunSamples(m, plan, 0, plan.Samples);
    for (auto _ : state) {
        const lm::ToleranceSummary summary = lm::Summarize(plan, nominal, *data);
        benchmark::DoNotOptimize(summary.Results.data());
    }
}
BENCHMARK(BM_ToleranceStatistics2000Samples)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
