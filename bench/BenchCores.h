// What the benchmarks that compare one core with all of them share: the cores argument
// and the CPU time of every thread.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>

#include <tbb/global_control.h>

namespace lm::bench {

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
inline std::unique_ptr<tbb::global_control> Cores(const benchmark::State& state) {
    const auto cores = static_cast<std::size_t>(state.range(0));
    if (cores == 0) return nullptr;
    return std::make_unique<tbb::global_control>(tbb::global_control::max_allowed_parallelism, cores);
}

}  // namespace lm::bench
