// The valve-events workbench beside the port diagram's own sweep, and every parallel
// sweep on one core and on all of them (cores:1 against cores:0), in one run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <vector>

#include <tbb/global_control.h>
#include <tbb/info.h>

#include "diagrams/Diagrams.h"
#include "graphics/NullCanvas.h"
#include "kinematics/MidGear.h"
#include "kinematics/StartUp.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "workbench/Fit.h"
#include "workbench/Sensitivity.h"
#include "workbench/ValveEvents.h"

namespace {

lm::Model Nominal() {
    lm::Model m;
    lm::StartUp(m);
    return m;
}

// CPU time of every thread of the process, per iteration: on a machine busy with other
// work, wall time says little, while this beside the calling thread's own CPU time
// ("CPU" column) shows how evenly the work was shared.
class ProcessCpu {
public:
    explicit ProcessCpu(benchmark::State& state) : state_(state), start_(Now()) {}
    ~ProcessCpu() {
        const double perIteration = (Now() - start_) / static_cast<double>(std::max<benchmark::IterationCount>(1, state_.iterations()));
        state_.counters["allThreadsCpu_ms"] = perIteration * 1e3;
    }

private:
    static double Now() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    }
    benchmark::State& state_;
    double start_;
};

// cores:1 holds the work to one thread; cores:0 leaves it every core.
std::unique_ptr<tbb::global_control> Cores(const benchmark::State& state) {
    const auto cores = static_cast<std::size_t>(state.range(0));
    if (cores == 0) return nullptr;
    return std::make_unique<tbb::global_control>(tbb::global_control::max_allowed_parallelism, cores);
}

// Both graphs of the port diagram as the "BothGraphs" redraw sweeps them, with nothing
// drawn: the sweep the table is measured against, and the events command's work.
void BM_PortDiagramSweepBothGraphs(benchmark::State& state) {
    const auto cores = Cores(state);
    const ProcessCpu cpu(state);
    lm::Model m = Nominal();
    lm::NullCanvas canvas;
    for (auto _ : state) {
        std::vector<lm::PortRowReport> report;
        lm::DrawPortDiagram(m, canvas, 'F', true, &report);
        lm::DrawPortDiagram(m, canvas, 'R', false, &report);
        benchmark::DoNotOptimize(report.data());
    }
}
BENCHMARK(BM_PortDiagramSweepBothGraphs)->ArgName("cores")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ValveEventsTable(benchmark::State& state) {
    const auto cores = Cores(state);
    const ProcessCpu cpu(state);
    const lm::Model m = Nominal();
    for (auto _ : state) {
        const lm::ValveEventsTable t = lm::ComputeValveEvents(m);
        benchmark::DoNotOptimize(t.Forward.data());
    }
}
BENCHMARK(BM_ValveEventsTable)->ArgName("cores")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SensitivityAll44(benchmark::State& state) {
    const auto cores = Cores(state);
    const ProcessCpu cpu(state);
    const lm::Model m = Nominal();
    for (auto _ : state) {
        const lm::SensitivityResult r =
            lm::ComputeSensitivity(m, lm::GearPosition::Forward, lm::ValveEvent::FrontCutOff);
        benchmark::DoNotOptimize(r.Entries.data());
    }
}
BENCHMARK(BM_SensitivityAll44)->ArgName("cores")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// Equal cut-offs at normal forward gear for a gear with its valve pushed along the stem.
void BM_FitTwoDimensions(benchmark::State& state) {
    lm::Model m = Nominal();
    lm::ApplyEditedDimension(m, *lm::FindDimension("ValveCtrToJoint"), 3.2f);
    lm::FindMidGear(m);
    lm::FitProblem p;
    for (const char* name : {"ValveCtrToJoint", "RockerPivotHorz"}) {
        lm::FitVariable v;
        lm::ParseFitVariable(name, m, v);
        p.Vary.push_back(v);
    }
    lm::FitGoal goal;
    lm::ParseFitGoal("equal-cutoff@fwd", goal);
    p.Goals.push_back(goal);
    int evaluations = 0;
    for (auto _ : state) {
        const lm::FitResult r = lm::RunFit(m, p);
        if (!r.Converged()) state.SkipWithError("the fit did not converge");
        evaluations = r.Evaluations;
    }
    state.counters["evaluations"] = evaluations;
}
BENCHMARK(BM_FitTwoDimensions)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
