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

}  // namespace
}  // namespace lm::test
