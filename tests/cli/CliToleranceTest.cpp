// The tolerance commands as scripts use them: the keys they print, a study split into
// parts and merged to the same bytes, and one clear line with status 2 (and no file)
// for every bad input.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace lm::test {
namespace {

// Refused before anything is printed.
void ExpectRefusedSilently(const std::vector<std::string>& args, const std::string& mentions) {
    EXPECT_TRUE(ExpectRefused(args, mentions).out.empty());
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

TEST(CliTolerance, PrintsEveryEventOfEverySettingWithRankedShares) {
    const std::string study = TempPath("study.json");
    WriteText(study, R"({"samples": 30, "seed": 5, "defaultLength": 0.002, "clearances": {"10": 0.004}})");
    const CliRun r = RunCli({"tolerance", "--study", study, "--samples", "60", "--tol", "EccAngFwd=0.1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"samples\": 60, \"seed\": 5, \"results\": [", 0), 0u);
    EXPECT_EQ(CountOf(r.out, "{\"setting\": "), 3 * 12);
    for (const char* key : {"\"event\": ", "\"nominal\": ", "\"p1\": ", "\"p50\": ", "\"p99\": ", "\"worst\": ",
                            "\"unassembled\": ", "\"shares\": ["})
        EXPECT_EQ(CountOf(r.out, key), 36) << key;
    EXPECT_EQ(CountOf(r.out, "\"setting\": \"rev\", \"reverser\": -1.04000, \"event\": \"FrontCutOff\""), 1);
    EXPECT_GT(CountOf(r.out, "{\"name\": \"pin 10\", \"share\": "), 0);
    EXPECT_GT(CountOf(r.out, "{\"name\": \"EccAngFwd\", \"share\": "), 0);

    // One result's shares: largest first, summing to about 1.
    const auto at = r.out.find("\"event\": \"FrontCutOff\"");
    const std::string shares = r.out.substr(at, r.out.find("]}", at) - at);
    double sum = 0, last = 2;
    for (auto s = shares.find("\"share\": "); s != std::string::npos; s = shares.find("\"share\": ", s + 1)) {
        const double v = std::strtod(shares.c_str() + s + 9, nullptr);
        EXPECT_LE(v, last);
        last = v;
        sum += v;
    }
    EXPECT_NEAR(sum, 1, 0.005);

    const CliRun csv = RunCli({"tolerance", "--samples", "8", "--tol", "Stroke=0.01", "--settings", "fwd", "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.rfind("setting,reverser,event,unit,nominal,p1,p50,p99,worst,unassembled,absent,explained,Stroke\n"
                            "fwd,1.04000,FrontLead,length,",
                            0),
              0u)
        << csv.out;
    EXPECT_EQ(CountOf(csv.out, "\n"), 13);
}

TEST(CliTolerance, PartsMergeToTheUnshardedOutputByteForByte) {
    const std::vector<std::string> study{"tolerance", "--samples", "17", "--seed", "3", "--tol-length", "0.002",
                                         "--clearance", "8=0.004,12=0.003", "--settings", "mid,fwd..full-fwd/3"};
    const CliRun whole = RunCli(study);
    const CliRun wholeCsv = [&] {
        auto args = study;
        args.push_back("--csv");
        return RunCli(args);
    }();
    ASSERT_EQ(whole.status, 0) << whole.err;
    std::vector<std::string> parts;
    for (int k = 1; k <= 3; ++k) {
        parts.push_back(TempPath("part" + std::to_string(k)));
        auto args = study;
        args.insert(args.end(), {"--shard", std::to_string(k) + "/3", "--out", parts.back()});
        const CliRun r = RunCli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    const CliRun merged = RunCli({"tolerance-merge", parts[1], parts[2], parts[0]});
    ASSERT_EQ(merged.status, 0) << merged.err;
    EXPECT_EQ(merged.out, whole.out);
    const CliRun mergedCsv = RunCli({"tolerance-merge", "--csv", parts[2], parts[0], parts[1]});
    EXPECT_EQ(mergedCsv.out, wholeCsv.out);

    ExpectRefusedSilently({"tolerance-merge", parts[0], parts[2]}, "part 2 of 3 is missing");
    ExpectRefusedSilently({"tolerance-merge", parts[0], parts[1], parts[1], parts[2]}, "is part 2 of 3, as");
    const std::string other = TempPath("other");
    ASSERT_EQ(RunCli({"tolerance", "--samples", "17", "--seed", "4", "--tol-length", "0.002", "--clearance",
                      "8=0.004,12=0.003", "--settings", "mid,fwd..full-fwd/3", "--shard", "2/3", "--out", other})
                  .status,
              0);
    ExpectRefusedSilently({"tolerance-merge", parts[0], other, parts[2]}, "part '" + other + "' is from a different study");
    ExpectRefusedSilently({"tolerance-merge", "--gear", "fwd", parts[0]}, "does not apply to 'tolerance-merge'");
    ExpectRefusedSilently({"tolerance-merge"}, "give the part files");
}

TEST(CliTolerance, BadInputIsRefusedAndWritesNothing) {
    const std::string out = TempPath("refused.part");
    std::filesystem::remove(out);
    const std::string notJson = TempPath("not.json");
    WriteText(notJson, "{\"samples\": 10,}");
    ExpectRefusedSilently({"tolerance", "--samples", "0"}, "samples: 0 is not from 1 to 10000000");
    ExpectRefusedSilently({"tolerance", "--samples", "10000001"}, "samples: 10000001 is not from 1 to 10000000");
    ExpectRefusedSilently({"tolerance", "--samples", "2k"}, "--samples: '2k' is not a whole number");
    ExpectRefusedSilently({"tolerance", "--seed", "-1"}, "--seed: '-1' is not a whole number");
    ExpectRefusedSilently({"tolerance", "--tol", "EccRodFwdd=0.1"}, "unknown dimension 'EccRodFwdd'");
    ExpectRefusedSilently({"tolerance", "--tol", "EccRodFwd"}, "--tol: expected NAME=VALUE");
    ExpectRefusedSilently({"tolerance", "--tol", "EccRodFwd=-0.1"}, "EccRodFwd: the tolerance -0.1 is negative");
    ExpectRefusedSilently({"tolerance", "--tol-length", "nan"}, "is not a number");
    ExpectRefusedSilently({"tolerance", "--clearance", "14=0.01"}, "pivot 14 is not a pin joint");
    ExpectRefusedSilently({"tolerance", "--distribution", "flat"}, "--distribution: expected uniform or normal");
    ExpectRefusedSilently({"tolerance", "--settings", "mid,,fwd"}, "--settings: empty item");
    ExpectRefusedSilently({"tolerance", "--study", TempPath("missing.json")}, "missing.json' is not a readable file");
    ExpectRefusedSilently({"tolerance", "--study", notJson}, "not.json': not valid JSON");
    ExpectRefusedSilently({"--set", "LiftingLinkLen=0.8", "tolerance", "--samples", "5"},
                  "the gear as drawn cannot be assembled at mid");
    for (const char* shard : {"0/2", "3/2", "1", "1/2/3", "x/2"})
        ExpectRefusedSilently({"tolerance", "--samples", "5", "--shard", shard, "--out", out}, "expected K/N");
    ExpectRefusedSilently({"tolerance", "--samples", "5", "--shard", "1/6", "--out", out}, "more parts than samples");
    ExpectRefusedSilently({"tolerance", "--samples", "5", "--shard", "1/2"}, "give --out FILE");
    ExpectRefusedSilently({"tolerance", "--samples", "5", "--out", out}, "only a part (--shard K/N) goes to a file");
    ExpectRefusedSilently({"tolerance", "--samples", "5", "--shard", "1/2", "--out", out, "--csv"}, "a part is raw samples");
    EXPECT_FALSE(std::filesystem::exists(out));
    ExpectRefusedSilently({"solve", "extra"}, "unexpected argument 'extra' after command 'solve'");
}

}  // namespace
}  // namespace lm::test
