// A study split across machines: each part's raw samples in a file, and the merge.

#pragma once

// A part holds everything the results are made from besides its samples (the plan, the
// drawn gear's events and a fingerprint of its dimensions), so parts of different studies
// are told apart and the merge needs no gear.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/Model.h"
#include "tolerance/StudyPlan.h"
#include "tolerance/ToleranceRun.h"

namespace lm {

struct StudyParts {
    std::uint64_t Part = 0;  // 1-based
    std::uint64_t Of = 0;
};

// "K/N" with 1 <= K <= N <= samples; the error names the text.
std::string ParseShard(const std::string& text, std::uint64_t samples, StudyParts& out);

// Writes the part safely (nothing is left on a failure). Returns the error, empty on success.
std::string WriteStudyPart(const std::string& path, const Model& gear, const StudyPlan& plan,
                           const NominalEvents& nominal, StudyParts part, const SampleData& data);

// The whole study from its parts, given in any order: every part of one study, each once.
// The error names the part.
struct MergedStudy {
    StudyPlan Plan;
    NominalEvents Nominal;
    SampleData Data;
};
std::string MergeStudyParts(std::span<const std::string> paths, MergedStudy& out);

}  // namespace lm
