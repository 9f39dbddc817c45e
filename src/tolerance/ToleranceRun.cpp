// The samples shared out with oneTBB, each written to its own place in the result.

#include "tolerance/ToleranceRun.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

namespace lm {

namespace {

void Evaluate(const Model& gear, const StudyPlan& plan, std::uint64_t index, std::vector<double>& changes,
              std::uint8_t* assembled, float* values) {
    DrawSample(plan, index, changes);
    const Model built = SampleGear(gear, plan, changes);
    for (std::size_t s = 0; s < plan.Settings.size(); ++s) {
        const SettingEvents ev = EventsAtSetting(built, plan.Settings[s].Setting, plan.Settings[s].Graph);
        assembled[s] = ev.Assembled ? 1 : 0;
        std::copy(ev.Values.begin(), ev.Values.end(), values + s * kStudyEventCount);
    }
}

}  // namespace

NominalEvents StudyNominal(const Model& gear, const StudyPlan& plan) {
    const std::vector<double> none(plan.Variables.size(), 0.0);
    const Model drawn = SampleGear(gear, plan, none);
    NominalEvents n;
    for (const PlannedSetting& s : plan.Settings) n.PerSetting.push_back(EventsAtSetting(drawn, s.Setting, s.Graph));
    return n;
}

std::string CheckDrawnGear(const StudyPlan& plan, const NominalEvents& nominal) {
    for (std::size_t s = 0; s < plan.Settings.size(); ++s)
        if (!nominal.PerSetting[s].Assembled)
            return "the gear as drawn cannot be assembled at " + plan.Settings[s].Setting.Label +
                   " (some step of its revolution cannot be solved); a study needs a gear that can";
    return {};
}

std::optional<SampleData> RunSamples(const Model& gear, const StudyPlan& plan, std::uint64_t first,
                                     std::uint64_t count, RunControl control) {
    SampleData data;
    data.First = first;
    data.Count = count;
    data.Settings = plan.Settings.size();
    data.Assembled.assign(count * data.Settings, 0);
    data.Values.assign(count * data.Settings * kStudyEventCount, 0.0f);
    std::atomic<bool> stopped{false};
    // A few samples a piece: each takes about a millisecond, so hand-overs cost nothing
    // and a cancel is seen at once.
    tbb::parallel_for(tbb::blocked_range<std::uint64_t>(0, count, 4), [&](const tbb::blocked_range<std::uint64_t>& r) {
        std::vector<double> changes(plan.Variables.size());
        for (std::uint64_t i = r.begin(); i != r.end(); ++i) {
            if (control.Cancel && control.Cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            Evaluate(gear, plan, first + i, changes, &data.Assembled[i * data.Settings],
                     &data.Values[i * data.Settings * kStudyEventCount]);
            if (control.Done) control.Done->fetch_add(1, std::memory_order_relaxed);
        }
    });
    if (stopped) return std::nullopt;
    return data;
}

ShardRange ShardOf(std::uint64_t samples, std::uint64_t k, std::uint64_t n) {
    // samples * k fits: samples <= 1e7 and k <= n <= samples.
    const std::uint64_t begin = samples * (k - 1) / n;
    const std::uint64_t end = samples * k / n;
    return {begin, end - begin};
}

}  // namespace lm
