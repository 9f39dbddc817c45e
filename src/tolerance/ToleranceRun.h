// Running a tolerance study's samples on every core.

#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Model.h"
#include "tolerance/SampleEvents.h"
#include "tolerance/StudyPlan.h"

namespace lm {

// What the samples first .. first + count - 1 gave, sample by sample and setting by
// setting, kept as singles (what the solver computes in).
struct SampleData {
    std::uint64_t First = 0;
    std::uint64_t Count = 0;
    std::size_t Settings = 0;
    std::vector<std::uint8_t> Assembled;  // [i * Settings + s]
    std::vector<float> Values;            // [(i * Settings + s) * kStudyEventCount + e]

    bool IsAssembled(std::uint64_t i, std::size_t s) const { return Assembled[i * Settings + s] != 0; }
    float Value(std::uint64_t i, std::size_t s, int e) const {
        return Values[(i * Settings + s) * kStudyEventCount + static_cast<std::size_t>(e)];
    }
};

// The drawn gear's events at each setting.
struct NominalEvents {
    std::vector<SettingEvents> PerSetting;
};

NominalEvents StudyNominal(const Model& gear, const StudyPlan& plan);

// Empty when the drawn gear can be assembled at every setting; otherwise why the study
// would measure nothing.
std::string CheckDrawnGear(const StudyPlan& plan, const NominalEvents& nominal);

// Cancel is read between samples; Done counts the samples finished.
struct RunControl {
    const std::atomic<bool>* Cancel = nullptr;
    std::atomic<std::uint64_t>* Done = nullptr;
};

// Each sample on its own copy of the gear, so the numbers are the same on any number of
// cores. Empty when cancelled.
std::optional<SampleData> RunSamples(const Model& gear, const StudyPlan& plan, std::uint64_t first,
                                     std::uint64_t count, RunControl control = {});

// The K-th (1-based) of N parts of the samples: [first, first + count).
struct ShardRange {
    std::uint64_t First = 0;
    std::uint64_t Count = 0;
};
ShardRange ShardOf(std::uint64_t samples, std::uint64_t k, std::uint64_t n);

}  // namespace lm
