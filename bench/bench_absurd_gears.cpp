// What a gear that cannot be assembled costs beside the nominal gear, for every piece of
// work that solves it over and over: the events commands, the workbench table, each
// diagram's sweep, the pivot table and a sensitivity. gear:0 is the nominal gear, the
// others are typed absurdities whose link search can never settle.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "BenchCores.h"
#include "diagrams/Diagrams.h"
#include "dialogs/PivotTable.h"
#include "graphics/NullCanvas.h"
#include "kinematics/MidGear.h"
#include "kinematics/RevArmPositionSet.h"
#include "kinematics/StartUp.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "workbench/Sensitivity.h"
#include "workbench/ValveEvents.h"

namespace {

using Settings = std::vector<std::pair<const char*, float>>;

const std::array<std::pair<const char*, Settings>, 4> kGears = {{
    {"nominal", {}},
    {"LiftingLinkLen=2e6", {{"LiftingLinkLen", 2e6f}}},
    {"LiftingLinkLen=2e6 ValveCtrToRing=1e-6", {{"LiftingLinkLen", 2e6f}, {"ValveCtrToRing", 1e-6f}}},
    {"LiftingLinkLen=1e9 LinkEccPivotBackSet=0.5584714",
     {{"LiftingLinkLen", 1e9f}, {"LinkEccPivotBackSet", 0.5584714f}}},
}};

// The gear as the command line's --set leaves it: each value typed, then mid gear found.
lm::Model Gear(benchmark::State& state) {
    const auto& [name, settings] = kGears[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(name);
    lm::Model m;
    lm::StartUp(m);
    for (const auto& [code, value] : settings) lm::ApplyEditedDimension(m, *lm::FindDimension(code), value);
    lm::FindMidGear(m);
    lm::ApplyRevArmRunRule(m);
    return m;
}

// Wall time, and the CPU time of every thread (allThreadsCpu_ms), which a machine busy
// with other work disturbs less.
template <class Work>
void Repeatedly(benchmark::State& state, Work work) {
    lm::Model m = Gear(state);
    lm::NullCanvas canvas;
    const lm::bench::ProcessCpu cpu(state);
    for (auto _ : state) work(m, canvas);
}

// `events` and `draw --what port`: both graphs of the port diagram.
void BM_PortDiagramBothGraphs(benchmark::State& state) {
    Repeatedly(state, [](lm::Model& m, lm::Canvas& c) {
        std::vector<lm::PortRowReport> rows;
        lm::DrawPortDiagram(m, c, 'F', true, &rows);
        lm::DrawPortDiagram(m, c, 'R', false, &rows);
        benchmark::DoNotOptimize(rows.data());
    });
}

// `valve-events` and the Valve Events window's table.
void BM_ValveEventsTable(benchmark::State& state) {
    Repeatedly(state, [](lm::Model& m, lm::Canvas&) {
        const lm::ValveEventsTable t = lm::ComputeValveEvents(m);
        benchmark::DoNotOptimize(t.Forward.data());
    });
}

void BM_SineOvalSteamDiagrams(benchmark::State& state) {
    Repeatedly(state, [](lm::Model& m, lm::Canvas& c) {
        lm::DrawSineDiagram(m, c);
        lm::DrawOvalDiagram(m, c);
        lm::DrawSteamDiagram(m, c);
    });
}

void BM_PivotTable(benchmark::State& state) {
    Repeatedly(state, [](lm::Model& m, lm::Canvas&) {
        benchmark::DoNotOptimize(lm::PivotTableText(m, 10, "08/12/2026", "10:00:00"));
    });
}

// `sensitivity --event RearLead --at full-fwd`.
void BM_Sensitivity(benchmark::State& state) {
    Repeatedly(state, [](lm::Model& m, lm::Canvas&) {
        const lm::SensitivityResult r = lm::ComputeSensitivity(m, lm::GearPosition::FullForward, lm::ValveEvent::RearLead);
        benchmark::DoNotOptimize(r.Entries.data());
    });
}

// Typing a dimension: mid gear found again.
void BM_FindMidGear(benchmark::State& state) {
    Repeatedly(state, [](lm::Model& m, lm::Canvas&) {
        lm::FindMidGear(m);
        benchmark::DoNotOptimize(m.Gear.RevArmCenter);
    });
}

void Gears(benchmark::internal::Benchmark* b) {
    b->ArgName("gear")->DenseRange(0, static_cast<int>(kGears.size()) - 1)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_PortDiagramBothGraphs)->Apply(Gears);
BENCHMARK(BM_ValveEventsTable)->Apply(Gears);
BENCHMARK(BM_SineOvalSteamDiagrams)->Apply(Gears);
BENCHMARK(BM_PivotTable)->Apply(Gears);
BENCHMARK(BM_Sensitivity)->Apply(Gears);
BENCHMARK(BM_FindMidGear)->Apply(Gears);

}  // namespace

BENCHMARK_MAIN();
