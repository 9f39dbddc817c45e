// `pivots`: the table's rows as JSON and CSV, checked against `solve` at the same angles.
#include <sstream>
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

TEST(CliPivots, CsvAndTheStepFloor) {
    const CliRun r = RunCli({"pivots", "--track", "3", "--step", "180", "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "DriverAngle,P3.X,P3.Y");
    EXPECT_NE(r.out.find("\n180,8.5,0\n"), std::string::npos) << r.out;  // 11.5 less the stroke

    const CliRun tiny = RunCli({"pivots", "--track", "1", "--step", "0", "--csv"});
    ASSERT_EQ(tiny.status, 0);
    // A step of 0 would never end: the table's floor of 0.01 applies.
    std::istringstream lines(tiny.out);
    std::string header, first, second;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(first.rfind("0,", 0), 0u);
    EXPECT_EQ(second.rfind("0.00999999978,", 0), 0u) << second;
}

TEST(CliPivots, BadPivotListsAreRefused) {
    for (const char* bad : {"27", "-1", "2.5", "2,,3", "x"}) {
        const CliRun r = RunCli({"pivots", "--track", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.err.rfind("linkmotion-cli: --track", 0), 0u) << r.err;
    }
    EXPECT_EQ(RunCli({"pivots"}).status, 2);
}

}  // namespace
}  // namespace lm::test
