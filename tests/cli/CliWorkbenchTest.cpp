// The workbench commands as scripts use them: the keys and shapes they print, the fit's
// saved set, and one clear line with status 2 for every bad input.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace lm::test {
namespace {

TEST(CliValveEvents, RowsCarryTheNamedEventsAndNullWhereNoneOccurs) {
    const CliRun r = RunCli({"valve-events", "--graph", "F"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"F\": [", 0), 0u);
    EXPECT_EQ(r.out.find("\"R\""), std::string::npos);
    for (const char* key : {"\"row\"", "\"RevArmPos\"", "\"FrontLead\"", "\"RearLead\"", "\"FrontMaxOpening\"",
                            "\"RearMaxOpening\"", "\"FrontAdmission\"", "\"RearAdmission\"", "\"FrontCutOff\"",
                            "\"RearCutOff\"", "\"FrontRelease\"", "\"RearRelease\"", "\"FrontCompression\"",
                            "\"RearCompression\"", "\"CutOffDifference\"", "\"FrontAdmissionCrank\"",
                            "\"RearCompressionCrank\"", "\"FrontOverTravel\"", "\"RearFullOpenDeg\"",
                            "\"GearError\": false"})
        EXPECT_EQ(CountOf(r.out, key), 19) << key;
    EXPECT_TRUE(r.err.empty()) << r.err;

    // With --as-diagram, row 14's front cut-off is the last closing `events` reports for it.
    const CliRun diagram = RunCli({"valve-events", "--graph", "F", "--as-diagram"});
    const CliRun events = RunCli({"events", "--graph", "F"});
    const auto rowOf = [](const std::string& text, int row) {
        const auto at = text.find("{\"row\": " + std::to_string(row) + ",");
        return text.substr(at, text.find('}', at) - at);
    };
    const std::string closes = rowOf(events.out, 14);
    const auto list = closes.find("\"FrontSteamCloses\": [");
    const std::string crossings = closes.substr(list + 21, closes.find(']', list) - list - 21);
    const double last = std::strtod(crossings.substr(crossings.rfind(' ') + 1).c_str(), nullptr);
    EXPECT_EQ(JsonValue(rowOf(diagram.out, 14), "FrontCutOff"), last);
    EXPECT_NEAR(JsonValue(rowOf(r.out, 14), "FrontCutOff"), last, 0.3);

    // A gear that cannot be assembled: its rows say so, and so does one line on stderr.
    const CliRun broken = RunCli({"--set", "LiftingLinkLen=0.8", "valve-events", "--graph", "F"});
    EXPECT_EQ(broken.status, 0);
    EXPECT_GT(CountOf(broken.out, "\"GearError\": true"), 0);
    EXPECT_EQ(CountOf(broken.err, "\n"), 1);
    EXPECT_NE(broken.err.find("cannot be assembled"), std::string::npos) << broken.err;

    const CliRun covered = RunCli({"--set", "ValveCtrToRing=0.5", "valve-events", "--graph", "R", "--csv"});
    ASSERT_EQ(covered.status, 0) << covered.err;
    std::istringstream lines(covered.out);
    std::string header, row;
    std::getline(lines, header);
    EXPECT_EQ(header.rfind("graph,row,RevArmPos,FrontLead,RearLead,FrontMaxOpening,", 0), 0u);
    int rows = 0;
    while (std::getline(lines, row)) {
        ++rows;
        EXPECT_EQ(row.rfind("R,", 0), 0u);
        EXPECT_NE(row.find(",,,,"), std::string::npos) << row;  // the steam events are empty
    }
    EXPECT_EQ(rows, 19);
    EXPECT_NE(RunCli({"--set", "ValveCtrToRing=0.5", "valve-events"}).out.find("\"FrontCutOff\": null"),
              std::string::npos);
}

TEST(CliSensitivity, EveryDimensionOnceLengthsThenAnglesEachWithItsUnit) {
    const CliRun r = RunCli({"sensitivity", "--event", "RearCutOff", "--at", "rev"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(CountOf(r.out, "{\"name\": "), 44);
    EXPECT_EQ(CountOf(r.out, "\"knifeEdge\": "), 44);
    EXPECT_EQ(CountOf(r.out, "\"unit\": \"% of stroke per length unit\""), 42);
    EXPECT_EQ(CountOf(r.out, "\"unit\": \"% of stroke per degree\""), 2);
    std::istringstream lines(r.out);
    double previous = INFINITY;
    bool angles = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("\"slope\": null") != std::string::npos || line.find("slope") == std::string::npos) continue;
        if (!angles && line.find("\"kind\": \"angle\"") != std::string::npos) {
            angles = true;  // the angles rank among themselves, after the lengths
            previous = INFINITY;
        }
        EXPECT_EQ(angles, line.find("\"kind\": \"angle\"") != std::string::npos) << line;
        const double slope = std::fabs(JsonValue(line, "slope"));
        EXPECT_LE(slope, previous) << line;
        previous = slope;
    }
    const CliRun csv = RunCli({"--gear", "fwd", "sensitivity", "--event", "FrontLead", "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.rfind("name,slope,knifeEdge,kind,unit,step\n", 0), 0u);
    EXPECT_NE(csv.out.find(",length,length units per length unit,0.003\n"), std::string::npos);
    EXPECT_EQ(CountOf(csv.out, "\n"), 45);

    // One tolerance of each kind puts lengths and angles on one footing: effects rank all.
    const CliRun tol = RunCli({"sensitivity", "--event", "FrontCutOff", "--at", "fwd", "--step-angle", "0.25",
                               "--tolerance-length", "0.01", "--tolerance-angle", "2"});
    ASSERT_EQ(tol.status, 0) << tol.err;
    EXPECT_EQ(CountOf(tol.out, "\"effectUnit\": \"% of stroke\""), 44);
    EXPECT_EQ(CountOf(tol.out, "\"step\": 0.25,"), 2);
    EXPECT_LT(tol.out.find("\"EccAngFwd\""), tol.out.find("\"ValveCtrToRing\""));

    for (const char* option : {"--step-length", "--step-angle", "--tolerance-length"})
        for (const char* bad : {"0", "-1", "x", "nan", "inf"})
            ExpectRefused({"sensitivity", "--event", "FrontCutOff", option, bad, "--tolerance-angle", "1",
                           "--tolerance-length", std::string(option) == "--tolerance-length" ? bad : "0.01"},
                          option);
    ExpectRefused({"sensitivity", "--event", "FrontCutOff", "--tolerance-length", "0.01"}, "go together");
}

TEST(CliFit, SavesTheFittedSetOnlyWhenItConverges) {
    const std::string path = TempPath("fitted.lmd");
    std::remove(path.c_str());
    const CliRun r = RunCli({"--set", "ValveCtrToJoint=3.2", "fit", "--vary", "ValveCtrToJoint,RockerPivotHorz=8:8.3",
                             "--goal", "equal-cutoff@fwd", "--save", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"vary\": {\"ValveCtrToJoint\": [3.20000005, ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"RockerPivotHorz\": [8.13000011, "), std::string::npos);
    EXPECT_NE(r.out.find("\"converged\": true"), std::string::npos);
    // The whole table before and after, and what changed where no goal looked.
    EXPECT_EQ(CountOf(r.out, "\"GearError\": "), 4 * 19);
    EXPECT_NE(r.out.find("\"before\": {\"F\": ["), std::string::npos);
    EXPECT_NE(r.out.find("\"after\": {\"F\": ["), std::string::npos);
    EXPECT_NE(r.out.find("\"largestUnaskedChange\": {\"graph\": "), std::string::npos);

    // The saved set is the fitted one: its cut-offs at normal forward gear are equal.
    const CliRun opened = RunCli({"--open", path, "valve-events", "--graph", "F", "--csv"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    const CliRun there = RunCli({"--open", path, "fit", "--vary", "ValveCtrToJoint", "--goal", "equal-cutoff@fwd"});
    ASSERT_EQ(there.status, 0) << there.err;
    const auto at = there.out.find("\"residual\": [");
    EXPECT_LT(std::strtod(there.out.c_str() + at + 13, nullptr), 0.2) << there.out;

    // A range goal under a constraint: each goal's worst miss and each constraint's worst
    // value, before and after, with the constraint held.
    const CliRun ranged = RunCli({"--set", "ValveCtrToJoint=3.2", "fit", "--vary", "ValveCtrToJoint,RockerPivotHorz,EccRodFwd",
                                  "--goal", "equal-cutoff@fwd*2", "--constraint", "lead>=0.02@mid"});
    ASSERT_EQ(ranged.status, 0) << ranged.err;
    EXPECT_NE(ranged.out.find("\"goals\": [{\"goal\": \"equal-cutoff@fwd*2\", \"worstMiss\": ["), std::string::npos)
        << ranged.out.substr(0, 600);
    const auto worst = ranged.out.find("{\"constraint\": \"lead>=0.02@mid\", \"worst\": [");
    ASSERT_NE(worst, std::string::npos);
    const std::string pair = ranged.out.substr(ranged.out.find('[', worst) + 1);
    EXPECT_GE(std::strtod(pair.c_str() + pair.find(", ") + 2, nullptr), 0.02);
    EXPECT_NE(ranged.out.find("\"holds\": true}"), std::string::npos);

    // Out of reach: the result is printed, the reason is the one error line, nothing is written.
    std::remove(path.c_str());
    const CliRun out = RunCli({"fit", "--vary", "ValveCtrToJoint=3.17:3.18", "--goal", "cutoff=60@mid", "--save", path});
    EXPECT_EQ(out.status, 2);
    EXPECT_NE(out.out.find("\"converged\": false"), std::string::npos);
    EXPECT_NE(out.err.find("cannot be met"), std::string::npos) << out.err;
    EXPECT_EQ(CountOf(out.err, "\n"), 1);
    EXPECT_FALSE(std::ifstream(path).good());

    // Only a dimension file's name is written, as dims --save.
    const std::string text = TempPath("fitted.txt");
    std::remove(text.c_str());
    ExpectRefused({"fit", "--vary", "ValveCtrToJoint", "--goal", "equal-cutoff@fwd", "--save", text}, ".lmd");
    EXPECT_FALSE(std::ifstream(text).good());
    ExpectRefused({"--set", "LiftingLinkLen=0.8", "fit", "--vary", "EccRodFwd", "--goal", "equal-cutoff@fwd"},
                  "cannot be assembled");
    ExpectRefused({"--set", "LiftingLinkLen=0.8", "sensitivity", "--event", "FrontCutOff", "--at", "fwd"},
                  "cannot be assembled");
    ExpectRefused({"fit", "--vary", "EccRodFwd", "--goal", "equal-cutoff@fwd", "--threshold", "-1"}, "--threshold");
}

TEST(CliWorkbenchErrors, BadInputIsOneLineAndStatusTwo) {
    ExpectRefused({"valve-events", "--graph", "Q"}, "--graph");
    ExpectRefused({"valve-events", "--at", "mid"}, "does not apply");
    ExpectRefused({"sensitivity"}, "--event");
    ExpectRefused({"sensitivity", "--event", "FrontSpeed"}, "FrontSpeed");
    ExpectRefused({"sensitivity", "--event", "FrontCutOff", "--at", "sideways"}, "sideways");
    ExpectRefused({"--set", "ValveCtrToRing=0.5", "sensitivity", "--event", "FrontCutOff"}, "does not occur");
    ExpectRefused({"fit", "--goal", "equal-lead@mid"}, "--vary");
    ExpectRefused({"fit", "--vary", "Stroke"}, "--goal");
    ExpectRefused({"fit", "--vary", "Strok", "--goal", "equal-lead@mid"}, "Strok");
    ExpectRefused({"fit", "--vary", "Stroke=4:2", "--goal", "equal-lead@mid"}, "below the high");
    ExpectRefused({"fit", "--vary", "Stroke=two:4", "--goal", "equal-lead@mid"}, "two:4");
    ExpectRefused({"fit", "--vary", "Stroke", "--goal", "equal-speed@mid"}, "equal-speed");
    ExpectRefused({"fit", "--vary", "Stroke", "--goal", "cutoff=abc@fwd"}, "not a number");
    ExpectRefused({"fit", "--vary", "Stroke,Stroke", "--goal", "equal-lead@mid"}, "twice");
    ExpectRefused({"fit", "--vary", "Stroke,MainRodLen,EccDia,EccRodFwd,EccRodRev", "--goal", "equal-lead@mid"},
                  "at most 4");
    ExpectRefused({"--set", "ValveCtrToRing=0.5", "fit", "--vary", "Stroke", "--goal", "equal-cutoff@fwd"},
                  "does not occur");
    // Ranges, weights and constraints.
    ExpectRefused({"fit", "--vary", "EccRodFwd", "--goal", "equal-cutoff@full-fwd..fwd"}, "runs the wrong way");
    ExpectRefused({"fit", "--vary", "EccRodFwd", "--goal", "equal-cutoff@fwd..fwd"}, "hold no row");
    ExpectRefused({"fit", "--vary", "EccRodFwd", "--goal", "equal-lead@mid*heavy"}, "weight");
    ExpectRefused({"fit", "--vary", "EccRodFwd", "--goal", "equal-lead@mid*-2"}, "weight");
    ExpectRefused({"fit", "--vary", "EccRodFwd", "--goal", "equal-lead@mid", "--constraint", "lead>0@mid"}, ">=");
    ExpectRefused({"fit", "--vary", "EccRodFwd", "--goal", "equal-lead@mid", "--constraint", "speed>=1@mid"},
                  "unknown event");
    ExpectRefused({"--set", "ValveCtrToRing=0.5", "fit", "--vary", "EccRodFwd", "--goal", "equal-lead@mid",
                   "--constraint", "cutoff<=75@mid..fwd"},
                  "does not occur");
    const CliRun help = RunCli({"--help"});
    for (const char* word : {"valve-events", "sensitivity", "knifeEdge", "equal-cutoff@S", "equal-lead@S",
                             "cutoff=PCT@S", "lead=V@S", "FrontCompression", "--constraint", "--tolerance-angle"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace lm::test

namespace lm::test {
namespace {

TEST(CliCompare, AGearWithItselfDiffersNowhereAndABadFileIsOneLine) {
    const std::string a = TempPath("compare-a.lmd");
    ASSERT_EQ(RunCli({"dims", "--save", a}).status, 0);
    const CliRun same = RunCli({"compare", a, a, "--graph", "F", "--csv"});
    ASSERT_EQ(same.status, 0) << same.err;
    std::istringstream lines(same.out);
    int diffs = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("diff,", 0) != 0) continue;
        ++diffs;
        // Every number after graph and row is 0 (or empty where the event does not occur).
        std::istringstream cells(line.substr(line.find(',', 7) + 1));
        for (std::string cell; std::getline(cells, cell, ',');)
            if (!cell.empty() && cell != "false") {
                EXPECT_EQ(std::strtod(cell.c_str(), nullptr), 0.0) << line;
            }
    }
    EXPECT_EQ(diffs, 19);
    const CliRun json = RunCli({"compare", a, a});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.rfind("{\"A\": {\"F\": [", 0), 0u);
    EXPECT_NE(json.out.find("\"diff\": {\"F\": ["), std::string::npos);
    ExpectRefused({"compare", a, "/nonexistent/b.lmd"}, "b.lmd");
    ExpectRefused({"compare", a}, "2 file names");
    ExpectRefused({"solve", a}, "unexpected argument");
}

}  // namespace
}  // namespace lm::test
