// Any bytes read as a tolerance study file (first byte even) or merged as a study's only
// part (odd): a study taken passes the check and reads back to itself from what it writes;
// a part taken holds exactly its study's samples, and its results can be worked out.
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "tolerance/StudyDescription.h"
#include "tolerance/StudyParts.h"
#include "tolerance/ToleranceReport.h"
#include "tolerance/ToleranceStatistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lm;
    if (size == 0) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] % 2 == 0) {
        ToleranceStudy study;
        if (!ParseStudyJson(rest, study).empty()) return 0;
        fuzz::Require(CheckStudy(study).empty(), "a study taken fails its check");
        ToleranceStudy again;
        fuzz::Require(ParseStudyJson(StudyJson(study), again).empty(), "a written study is refused");
        fuzz::Require(StudyJson(again) == StudyJson(study), "a written study reads back differently");
        return 0;
    }
    const std::vector<std::string> paths{fuzz::WriteScratchFile(data + 1, size - 1, ".part")};
    MergedStudy merged;
    if (!MergeStudyParts(paths, merged).empty()) return 0;
    const std::size_t cells = merged.Plan.Samples * merged.Plan.Settings.size();
    fuzz::Require(merged.Data.Assembled.size() == cells, "a merged part holds the wrong number of samples");
    fuzz::Require(merged.Data.Values.size() == cells * kStudyEventCount, "a merged part holds the wrong values");
    // Statistics draw the variables again: keep the work of a hostile plan small.
    if (cells * (merged.Plan.Variables.size() + 1) > 100000) return 0;
    const ToleranceSummary summary = Summarize(merged.Plan, merged.Nominal, merged.Data);
    fuzz::Require(!ToleranceJson(merged.Plan, summary).empty(), "no results for a merged part");
    return 0;
}
