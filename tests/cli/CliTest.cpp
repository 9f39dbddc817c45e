// The command line end to end: solve and sweep numbers, gear options, set and dims,
// error messages and exit status, help.

#include <cmath>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/StartUp.h"

namespace lm::test {
namespace {

int CountLines(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

void ExpectUsageError(const std::vector<std::string>& args, const std::string& mentions) {
    const CliRun r = RunCli(args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.err.rfind("linkmotion-cli: ", 0), 0u) << r.err;
    EXPECT_EQ(CountLines(r.err), 1) << r.err;
    EXPECT_NE(r.err.find(mentions), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
}

TEST(CliSolve, PrintsTheDesktopProgramsNumbersExactly) {
    const CliRun r = RunCli({"--angle", "37.5", "solve"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"DriverAngle\": 37.5, \"RevArmPos\": ", 0), 0u);

    Model m;
    StartUp(m);
    m.Gear.DriverAngle = 37.5f;
    SolveLinkage(m);
    SolvePistonAndPorts(m);
    // Nine significant digits read back to the very same single.
    EXPECT_EQ(static_cast<float>(JsonValue(r.out, "PistonPos")), m.Valve.PistonPos);
    EXPECT_EQ(static_cast<float>(JsonValue(r.out, "RevArmCenter")), m.Gear.RevArmCenter);
    EXPECT_EQ(static_cast<float>(JsonValue(r.out, "FrontSteamOpening")), m.Valve.FrontSteamOpening);
    EXPECT_EQ(JsonValue(r.out, "GearError"), 0);
    const std::vector<double> pivots = JsonPivots(r.out);
    ASSERT_EQ(pivots.size(), 54u);
    for (int n = 0; n < kPivotCount; ++n) {
        EXPECT_EQ(static_cast<float>(pivots[2 * n]), m.P(n).X) << "pivot " << n;
        EXPECT_EQ(static_cast<float>(pivots[2 * n + 1]), m.P(n).Y) << "pivot " << n;
    }
}

TEST(CliSolve, StartsAtMidGearAndAngleZero) {
    const CliRun r = RunCli({"solve"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(JsonValue(r.out, "DriverAngle"), 0);
    EXPECT_EQ(JsonValue(r.out, "RevArmPos"), JsonValue(r.out, "RevArmCenter"));
    const std::vector<double> p = JsonPivots(r.out);
    EXPECT_DOUBLE_EQ(p[4], 1.5);  // crank pin at (r, 0)
    EXPECT_DOUBLE_EQ(p[5], 0);
}

TEST(CliGear, ReverseArmSettingsFollowTheBarInBothSenses) {
    const auto pos = [](std::vector<std::string> a) {
        a.push_back("solve");
        const CliRun r = RunCli(a);
        return std::pair(JsonValue(r.out, "RevArmPos"), JsonValue(r.out, "RevArmCenter"));
    };
    auto [fwd, c] = pos({"--gear", "fwd"});
    EXPECT_NEAR(fwd - c, 1.04, 1e-5);
    auto [rev, c2] = pos({"--gear", "rev"});
    EXPECT_NEAR(rev - c2, -1.04, 1e-5);
    auto [full, c3] = pos({"--gear", "full-fwd"});
    EXPECT_NEAR(full - c3, 1.3, 1e-5);
    auto [fullRev, c4] = pos({"--gear", "full-rev"});
    EXPECT_NEAR(fullRev - c4, -1.3, 1e-5);
    auto [set, c5] = pos({"--revarm", "6.5"});
    EXPECT_FLOAT_EQ(static_cast<float>(set), 6.5f);
    (void)c5;
    // An eccentric angle between 90 and 180 mirrors the bar: forward gear lies on the
    // other side of mid gear.
    auto [mirFwd, mc] = pos({"--set", "EccAngFwd=120", "--gear", "fwd"});
    EXPECT_NEAR(mirFwd - mc, -1.04, 1e-5);
    auto [mirFull, mc2] = pos({"--set", "EccAngFwd=120", "--gear", "full-fwd"});
    EXPECT_NEAR(mirFull - mc2, -1.3, 1e-5);
}

TEST(CliSweep, CoversFromToInSteps) {
    const CliRun r = RunCli({"sweep", "--step", "90"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::size_t objects = 0;
    for (std::size_t at = r.out.find("{\"DriverAngle\""); at != std::string::npos;
         at = r.out.find("{\"DriverAngle\"", at + 1))
        ++objects;
    EXPECT_EQ(objects, 5u);  // 0, 90, 180, 270, 360
    EXPECT_EQ(r.out.front(), '[');

    const CliRun part = RunCli({"sweep", "--step", "25", "--from", "10", "--to", "60"});
    EXPECT_NE(part.out.find("\"DriverAngle\": 60,"), std::string::npos);
    EXPECT_EQ(part.out.find("\"DriverAngle\": 85,"), std::string::npos);

    const CliRun none = RunCli({"sweep", "--step", "5", "--from", "20", "--to", "10"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "[]\n");
}

TEST(CliSweep, CsvHasOneRowPerAngleUnderTheSameKeys) {
    const CliRun r = RunCli({"sweep", "--step", "120", "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(CountLines(r.out), 1 + 4);
    const std::string header = r.out.substr(0, r.out.find('\n'));
    EXPECT_EQ(header.rfind("DriverAngle,RevArmPos,RevArmCenter,GearError,PistonPos,", 0), 0u);
    EXPECT_NE(header.find(",LiftingArmLenSolved,X0,Y0,X1,Y1,"), std::string::npos);
    EXPECT_EQ(header.substr(header.size() - 8), ",X26,Y26");
    int commas = 0;
    for (char c : header) commas += c == ',';
    const std::string row = r.out.substr(header.size() + 1, r.out.find('\n', header.size() + 1) - header.size() - 1);
    int rowCommas = 0;
    for (char c : row) rowCommas += c == ',';
    EXPECT_EQ(commas, rowCommas);
    EXPECT_EQ(row.rfind("0,", 0), 0u);
}

TEST(CliSet, TypedValuesHaveTheEditorsSideEffects) {
    const CliRun r = RunCli({"--set", "EccAngFwd=370", "--set", "RockerPivotHorz=8.5",
                             "--set", "CylCLAboveDriver=1", "--set", "RevArmCentNorm=2", "dims"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FLOAT_EQ(static_cast<float>(JsonValue(r.out, "EccAngFwd")), 10);
    EXPECT_FLOAT_EQ(static_cast<float>(JsonValue(r.out, "RockerPivotHorz")), 8.5f);
    EXPECT_FLOAT_EQ(static_cast<float>(JsonValue(r.out, "RevArmCentNorm")), 1.3f);  // not above Max

    const CliRun s = RunCli({"--set", "CylCLAboveDriver=1", "--set", "RockerPivotHorz=8.5", "solve"});
    const std::vector<double> p = JsonPivots(s.out);
    EXPECT_FLOAT_EQ(static_cast<float>(p[2 * 4 + 1]), 3.25f);  // Y4 = Y3 + 2.25
    EXPECT_FLOAT_EQ(static_cast<float>(p[2 * 6]), 8.5f);       // twin pivots 6 and 7
    EXPECT_FLOAT_EQ(static_cast<float>(p[2 * 7]), 8.5f);
}

TEST(CliDims, SaveAndOpenRoundTrip) {
    const std::string path = TempPath("roundtrip.lmd");
    const CliRun saved = RunCli({"--set", "Stroke=3.25", "--set", "ValveCtrToRing=0.975", "dims", "--save", path});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(saved.out.find("\"DataSetName\": \"lm_cli_test_"), std::string::npos);
    std::ifstream f(path, std::ios::binary | std::ios::ate);
    EXPECT_EQ(static_cast<long>(f.tellg()), 1420);

    const CliRun opened = RunCli({"--open", path, "dims"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, saved.out);
    std::remove(path.c_str());
}

TEST(CliErrors, BadInputIsOneLineOnStandardErrorAndStatusTwo) {
    ExpectUsageError({"--bogus", "solve"}, "--bogus");
    ExpectUsageError({"--set", "Nonsense=3", "solve"}, "Nonsense");
    ExpectUsageError({"--set", "Stroke", "solve"}, "NAME=VALUE");
    ExpectUsageError({"--set", "Stroke=abc", "solve"}, "not a number");
    ExpectUsageError({"--set", "Stroke=1e999", "solve"}, "not a number");
    ExpectUsageError({"--set", "Stroke=1e300", "solve"}, "out of range");
    ExpectUsageError({"--angle", "nan", "solve"}, "not a number");
    ExpectUsageError({"--gear", "sideways", "solve"}, "sideways");
    ExpectUsageError({"--open", "/nonexistent/gear.lmd", "solve"}, "/nonexistent/gear.lmd");
    ExpectUsageError({"frobnicate"}, "frobnicate");
    ExpectUsageError({}, "no command");
    ExpectUsageError({"sweep"}, "--step");
    ExpectUsageError({"sweep", "--step", "0"}, "greater than 0");
    ExpectUsageError({"sweep", "--step", "1e-9"}, "1000000");
    ExpectUsageError({"solve", "--step", "5"}, "does not apply");
    ExpectUsageError({"--angle"}, "needs a value");

    const std::string bad = TempPath("bad.lmd");
    std::ofstream(bad, std::ios::binary) << std::string(30, 'x');
    ExpectUsageError({"--open", bad, "dims"}, "20-byte records");
    std::remove(bad.c_str());
}

TEST(CliHelp, ExplainsTheCommands) {
    const CliRun r = RunCli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"Usage: linkmotion-cli", "solve", "sweep", "dims", "--set NAME=VALUE", "ValveCtrToJoint"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace lm::test
