// The pivot data table's text against the crank geometry worked out here, and its sweep's
// bounds and restoring.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/Numbers.h"
#include "dialogs/PivotTable.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class PivotTable : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(m);
        m.DataSetName = "gear";
        m.Gear.DriverAngle = 123.5f;
        m.Gear.StepAngle = 10;
        m.Tracking.Rows[1] = {CrankPin, true};
        m.Tracking.Rows[3] = {Crosshead, true};
    }
    Model m;
};

TEST_F(PivotTable, StepTenHasRowsFrom0To360MatchingTheCrankCircle) {
    const auto lines = Lines(PivotTableText(m, 10, "08/12/2026", "09:30:00"));
    ASSERT_EQ(lines.size(), 4u + 37u);
    EXPECT_EQ(lines[0], "Pivot Data   gear     08/12/2026   09:30:00");
    EXPECT_EQ(lines[1], "       Reverse Arm " + FormatFixed(m.Gear.RevArmPos, 7, 3) + "      Step Angle  10.000");

    // Crank radius 1.5 (half the stroke); at driver angle a the pin is at
    // (1.5 cos a, -1.5 sin a), as the gear turns forward.
    for (int a : {0, 30, 90, 210}) {
        const std::string& row = lines[4 + static_cast<std::size_t>(a / 10)];
        const double r = a * 3.1415926535897932385 / 180;
        EXPECT_EQ(row.substr(0, 7), FormatFixed(a, 7, 2));
        EXPECT_NEAR(std::stod(row.substr(10, 7)), -1.5 * std::sin(r), 0.0005) << row;
        EXPECT_NEAR(std::stod(row.substr(19, 7)), 1.5 * std::cos(r), 0.0005) << row;
    }
    EXPECT_EQ(lines.back().substr(0, 7), " 360.00");
    // A whole turn: the first position again (a sign of a vanishing zero aside).
    EXPECT_NEAR(std::stod(lines.back().substr(10, 7)), 0, 0.0005);
    EXPECT_EQ(lines.back().substr(17), lines[4].substr(17));

    // Slot 2 has no pivot chosen: pivot slot 0, the origin.
    EXPECT_EQ(lines[5].substr(26, 21), "       0.000    0.000");
    EXPECT_EQ(lines[5].size(), 7u + 6u * 3u + 7u + 5u * 9u + 6u * 2u + 6u * 7u);
}

TEST_F(PivotTable, RowsAreTheSolversNumbersAndTheStateIsRestored) {
    const auto lines = Lines(PivotTableText(m, 7, "d", "t"));
    ASSERT_EQ(lines.size(), 4u + 52u);  // 0, 7, ..., 357: no row for 360
    EXPECT_EQ(lines.back().substr(0, 7), " 357.00");

    Model solved;
    StartUp(solved);
    solved.Gear.DriverAngle = 357;
    SolveLinkage(solved);
    const std::string crosshead = FormatFixed(solved.P(Crosshead).Y, 9, 3) + "  " + FormatFixed(solved.P(Crosshead).X, 7, 3);
    EXPECT_NE(lines.back().find(crosshead), std::string::npos) << lines.back();

    EXPECT_EQ(m.Gear.DriverAngle, 123.5f);
    EXPECT_EQ(m.Gear.StepAngle, 10);
}

TEST_F(PivotTable, UnusableStepsAndForeignPivotNumbersAreHeldSafe) {
    for (float bad : {0.0f, -10.0f, 0.001f, std::nanf(""), INFINITY}) EXPECT_EQ(TableStep(bad), 0.01f);
    EXPECT_EQ(TableStep(0.01f), 0.01f);
    EXPECT_EQ(TableStep(45), 45);

    int rows = 0;
    float second = -1;
    SweepRevolution(m, 0, [&] {
        if (++rows == 2) second = m.Gear.DriverAngle;
    });
    EXPECT_EQ(second, 0.01f);
    EXPECT_GT(rows, 35000);
    EXPECT_LT(rows, 36100);

    // A pivot number from outside the table prints blanks, not memory past the table.
    m.Tracking.Rows[2] = {1e6f, true};
    const auto lines = Lines(PivotTableText(m, 1e30f, "d", "t"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[4].substr(26, 21), std::string(21, ' '));
}

}  // namespace
}  // namespace lm
