// `pivots`: the table's rows as JSON and CSV, checked against `solve` at the same angles.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace lm::test {
namespace {

TEST(CliPivots, RowsAreTheSolvedPivotsAtEachStep) {
    const CliRun r = RunCli({"--gear", "fwd", "pivots", "--track", "2,9", "--step", "100"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"RevArmPos\": ", 0), 0u);
    EXPECT_EQ(JsonValue(r.out, "Step"), 100);
    std::size_t rows = 0;
    for (std::size_t at = r.out.find("DriverAngle"); at != std::string::npos; at = r.out.find("DriverAngle", at + 1))
        ++rows;
    EXPECT_EQ(rows, 4u);  // 0, 100, 200, 300

    // The row for 200 degrees against a plain solve there: pivot 9's X and Y.
    const std::string row = r.out.substr(r.out.find("\"DriverAngle\": 200"));
    const CliRun s = RunCli({"--gear", "fwd", "--angle", "200", "solve"});
    const std::vector<double> pivots = JsonPivots(s.out);
    ASSERT_EQ(pivots.size(), 54u);
    const std::string nine = row.substr(row.find("\"pivot\": 9"));
    EXPECT_EQ(JsonValue(nine, "X"), pivots[18]);
    EXPECT_EQ(JsonValue(nine, "Y"), pivots[19]);
}

TEST(CliPivots, CsvHasOneLinePerAngle) {
    const CliRun r = RunCli({"pivots", "--track", "3", "--step", "180", "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "DriverAngle,P3.X,P3.Y");
    EXPECT_NE(r.out.find("\n180,8.5,0\n"), std::string::npos) << r.out;  // 11.5 less the stroke
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4);  // header, 0, 180, 360
}

TEST(CliPivots, BadPivotListsAreRefused) {
    for (const char* bad : {"27", "-1", "2.5", "2,,3", "x"}) {
        const CliRun r = RunCli({"pivots", "--track", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.err.rfind("linkmotion-cli: --track", 0), 0u) << r.err;
    }
    EXPECT_EQ(RunCli({"pivots"}).status, 2);
}

// At the smallest step, 28 pivots pass the million positions a sweep may print: refused
// with the count, which is 28 times the rows one pivot gets, and nothing printed.
TEST(CliPivots, MoreThanAMillionPositionsAreRefusedBeforeAnythingIsPrinted) {
    const CliRun one = RunCli({"pivots", "--track", "3", "--step", "0.01", "--csv"});
    ASSERT_EQ(one.status, 0) << one.err;
    const auto rows = static_cast<std::size_t>(std::count(one.out.begin(), one.out.end(), '\n')) - 1;
    EXPECT_GT(rows, 35000u);
    std::string track = "3";
    for (int n = 1; n < 28; ++n) track += ",3";
    const CliRun r = RunCli({"pivots", "--track", track, "--step", "0.01"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find(" " + std::to_string(28 * rows) + " pivot positions"), std::string::npos) << r.err;
}

TEST(CliPivots, ANegativeStepIsRefusedWhileZeroIsTakenAsTheSmallestStep) {
    for (const char* bad : {"-1", "-1e-30", "nan", "inf"}) {
        const CliRun r = RunCli({"pivots", "--track", "3", "--step", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.err.rfind("linkmotion-cli: --step", 0), 0u) << r.err;
    }
    const CliRun zero = RunCli({"pivots", "--track", "3", "--step", "0"});
    ASSERT_EQ(zero.status, 0) << zero.err;
    EXPECT_FLOAT_EQ(static_cast<float>(JsonValue(zero.out, "Step")), 0.01f);
}

}  // namespace
}  // namespace lm::test
