// The valve-events workbench beside the port diagram's own sweep, and every parallel
// sweep on one core and on all of them (cores:1 against cores:0), in one run.
#include <benchmark/benchmark.h>

#include <vector>

#include <tbb/info.h>

#include "BenchCores.h"
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

// Both graphs of the port diagram as the "BothGraphs" redraw sweeps them, with nothing
// drawn: the sweep the table is measured against, and the events command's work.
void BM_PortDiagramSweepBothGraphs(benchmark::State& state) {
    const auto cores = lm::bench::Cores(state);
    const lm::bench::ProcessCpu cpu(state);
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

// The exact table (Exact) against the port diagram's 4-degree table (Diagram), both
// graphs, in the same run: the exact one should cost at most three times as much.
void BM_ValveEventsTable(benchmark::State& state) {
    const auto cores = lm::bench::Cores(state);
    const lm::bench::ProcessCpu cpu(state);
    const lm::Model m = Nominal();
    const auto method = state.range(1) == 0 ? lm::EventMethod::Exact : lm::EventMethod::Diagram;
    for (auto _ : state) {
        const lm::ValveEventsTable t = lm::ComputeValveEvents(m, method);
        benchmark::DoNotOptimize(t.Forward.data());
    }
}
BENCHMARK(BM_ValveEventsTable)
    ->ArgNames({"cores", "asDiagram"})
    ->ArgsProduct({{1, 0}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_SensitivityAll44(benchmark::State& state) {
    const auto cores = lm::bench::Cores(state);
    const lm::bench::ProcessCpu cpu(state);
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

// Equal cut-offs over every row from normal to full forward gear (four rows a trial), as
// closely as two dimensions can: a search to its end, not to a threshold.
void BM_FitTwoDimensionsOverARange(benchmark::State& state) {
    const lm::bench::ProcessCpu cpu(state);
    const lm::Model m = Nominal();
    lm::FitProblem p;
    for (const char* name : {"EccRodFwd", "RockerPivotHorz"}) {
        lm::FitVariable v;
        lm::ParseFitVariable(name, m, v);
        p.Vary.push_back(v);
    }
    lm::FitGoal goal;
    lm::ParseFitGoal("equal-cutoff@fwd..full-fwd", goal);
    p.Goals.push_back(goal);
    int evaluations = 0;
    double residual = 0;
    for (auto _ : state) {
        const lm::FitResult r = lm::RunFit(m, p);
        if (r.Outcome == lm::FitOutcome::Refused) state.SkipWithError("the fit was refused");
        evaluations = r.Evaluations;
        residual = r.ResidualAfter;
    }
    state.counters["evaluations"] = evaluations;
    state.counters["residual_pct"] = residual;
}
BENCHMARK(BM_FitTwoDimensionsOverARange)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
