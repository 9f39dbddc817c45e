// The tolerance and tolerance-merge commands: a study from a file and options, its
// results as JSON or CSV, and a big study split into parts and merged again.

#include "cli/ToleranceCommands.h"

#include "common/Numbers.h"
#include "tolerance/StudyParts.h"
#include "tolerance/ToleranceReport.h"
#include "tolerance/ToleranceRun.h"
#include "tolerance/ToleranceStatistics.h"

namespace lm::cli {

namespace {

std::uint64_t WholeNumberOption(const std::string& option, const std::string& text) {
    std::uint64_t v = 0;
    if (!ParseWholeNumber(text, v)) throw UsageError("--" + option + ": '" + text + "' is not a whole number");
    return v;
}

double ToleranceOption(const std::string& option, const std::string& text) {
    return NumberOption(option, text);  // the study's check names what is wrong with it
}

// NAME=VALUE items of a list option.
std::vector<std::pair<std::string, std::string>> Pairs(const Arguments& args, const std::string& option) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const std::string& item : ListOption(args, option)) {
        const auto eq = item.find('=');
        if (eq == std::string::npos || eq == 0)
            throw UsageError("--" + option + ": expected NAME=VALUE, got '" + item + "'");
        pairs.emplace_back(item.substr(0, eq), item.substr(eq + 1));
    }
    return pairs;
}

ToleranceStudy ReadStudy(const Arguments& args) {
    ToleranceStudy study;
    if (auto path = args.Last("study"))
        if (std::string error = ReadStudyFile(*path, study); !error.empty()) throw UsageError(error);
    if (auto v = args.Last("samples")) study.Samples = WholeNumberOption("samples", *v);
    if (auto v = args.Last("seed")) study.Seed = WholeNumberOption("seed", *v);
    if (auto v = args.Last("distribution")) {
        if (*v == "uniform") study.Shape = Spread::Uniform;
        else if (*v == "normal") study.Shape = Spread::Normal;
        else throw UsageError("--distribution: expected uniform or normal, got '" + *v + "'");
    }
    if (auto v = args.Last("tol-length")) study.DefaultLength = ToleranceOption("tol-length", *v);
    if (auto v = args.Last("tol-angle")) study.DefaultAngle = ToleranceOption("tol-angle", *v);
    for (const auto& [name, value] : Pairs(args, "tol")) study.SetTolerance(name, ToleranceOption("tol " + name, value));
    for (const auto& [pivot, value] : Pairs(args, "clearance")) {
        const std::uint64_t p = WholeNumberOption("clearance", pivot);
        if (p > 1000) throw UsageError("--clearance: pivot " + pivot + " is not a pin joint");
        study.SetClearance(static_cast<int>(p), ToleranceOption("clearance " + pivot, value));
    }
    if (args.Has("settings")) study.Settings = ListOption(args, "settings");
    if (std::string error = CheckStudy(study); !error.empty()) throw UsageError("tolerance: " + error);
    return study;
}

void Print(const StudyPlan& plan, const NominalEvents& nominal, const SampleData& data, bool csv, std::ostream& out) {
    const ToleranceSummary summary = Summarize(plan, nominal, data);
    out << (csv ? ToleranceCsv(plan, summary) : ToleranceJson(plan, summary));
}

}  // namespace

void RunTolerance(const Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"study", "samples", "seed", "settings", "distribution", "tol", "tol-length", "tol-angle",
                           "clearance", "csv", "shard", "out"});
    const ToleranceStudy study = ReadStudy(args);
    StudyParts part;
    const auto shard = args.Last("shard");
    if (shard) {
        if (std::string error = ParseShard(*shard, study.Samples, part); !error.empty())
            throw UsageError("--shard: " + error);
        if (!args.Has("out")) throw UsageError("--shard: a part is raw samples for tolerance-merge; give --out FILE");
        if (args.Has("csv")) throw UsageError("--csv: a part is raw samples; tolerance-merge prints the results");
    } else if (args.Has("out")) {
        throw UsageError("--out: only a part (--shard K/N) goes to a file; the results go to standard output");
    }
    const StudyPlan plan = PlanStudy(m, study);
    const NominalEvents nominal = StudyNominal(m, plan);
    if (std::string error = CheckDrawnGear(plan, nominal); !error.empty()) throw UsageError("tolerance: " + error);
    if (!shard) {
        Print(plan, nominal, *RunSamples(m, plan, 0, plan.Samples), args.Has("csv"), out);
        return;
    }
    const ShardRange range = ShardOf(plan.Samples, part.Part, part.Of);
    const SampleData data = *RunSamples(m, plan, range.First, range.Count);
    if (std::string error = WriteStudyPart(*args.Last("out"), m, plan, nominal, part, data); !error.empty())
        throw UsageError(error);
}

void RunToleranceMerge(const Arguments& args, std::ostream& out) {
    for (const auto& [name, value] : args.options)
        if (name != "csv") throw UsageError("option --" + name + " does not apply to 'tolerance-merge' (the parts carry their study)");
    if (args.operands.empty()) throw UsageError("tolerance-merge: give the part files, PART...");
    MergedStudy merged;
    if (std::string error = MergeStudyParts(args.operands, merged); !error.empty())
        throw UsageError("tolerance-merge: " + error);
    Print(merged.Plan, merged.Nominal, merged.Data, args.Has("csv"), out);
}

}  // namespace lm::cli
