// The diagram commands' numbers against values worked out here from the plain solve
// sweep: the same gear, but the events found and interpolated by this test's own code.
#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace lm::test {
namespace {

// One solved angle of `sweep --csv`, by column name.
using Row = std::map<std::string, double>;

std::vector<Row> SweepCsv(std::vector<std::string> gear, double from, double to, double step) {
    gear.insert(gear.end(), {"sweep", "--csv", "--step", std::to_string(step), "--from",
                             std::to_string(from), "--to", std::to_string(to)});
    const CliRun r = RunCli(gear);
    EXPECT_EQ(r.status, 0) << r.err;
    std::istringstream in(r.out);
    std::string line;
    std::getline(in, line);
    std::vector<std::string> names;
    std::istringstream header(line);
    for (std::string cell; std::getline(header, cell, ',');) names.push_back(cell);
    std::vector<Row> rows;
    while (std::getline(in, line)) {
        Row row;
        std::istringstream cells(line);
        std::size_t i = 0;
        for (std::string cell; std::getline(cells, cell, ',') && i < names.size(); ++i)
            row[names[i]] = cell == "true" ? 1 : cell == "false" ? 0 : std::strtod(cell.c_str(), nullptr);
        rows.push_back(row);
    }
    return rows;
}

std::vector<double> NumbersAfter(const std::string& text, const std::string& key) {
    std::vector<double> v;
    const auto at = text.find("\"" + key + "\": [");
    if (at == std::string::npos) return v;
    std::istringstream in(text.substr(at + key.size() + 5, text.find(']', at) - at - key.size() - 5));
    for (std::string cell; std::getline(in, cell, ',');) v.push_back(std::strtod(cell.c_str(), nullptr));
    return v;
}

// Lead, lap and exhaust clearance at mid gear: the valve-rod joint's extremes over the
// sine diagram's 67 angles (328 degrees round to 136 of the next turn), combined with the terms as the block prints them (the usual
// case, front port narrower than the ring distance).
void ExpectLeadLapMatchesSweep(const std::vector<std::string>& gear) {
    std::vector<std::string> args = gear;
    args.push_back("leadlap");
    const CliRun r = RunCli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<Row> rows = SweepCsv(gear, -32, 496, 8);
    ASSERT_EQ(rows.size(), 67u);
    double lo = 1e9, hi = -1e9;
    for (const Row& row : rows) {
        lo = std::min(lo, row.at("X4"));
        hi = std::max(hi, row.at("X4"));
    }
    const Row& t = rows.front();
    const double mid = (lo + hi) / 2;
    EXPECT_NEAR(JsonValue(r.out, "FrontLead"), t.at("FrontLeadTerm") + hi, 2e-6);
    EXPECT_NEAR(JsonValue(r.out, "RearLead"), t.at("RearLeadTerm") - lo, 2e-6);
    EXPECT_NEAR(JsonValue(r.out, "FrontLap"), t.at("FrontLapTerm") - mid, 2e-6);
    EXPECT_NEAR(JsonValue(r.out, "RearLap"), mid + t.at("RearLapTerm"), 2e-6);
    EXPECT_NEAR(JsonValue(r.out, "FrontExCl"), t.at("FrontExClTerm") - mid, 2e-6);
    EXPECT_NEAR(JsonValue(r.out, "RearExCl"), mid + t.at("RearExClTerm"), 2e-6);
}

TEST(CliDiagramNumbers, LeadAndLapAtMidGear) {
    ExpectLeadLapMatchesSweep({});
    ExpectLeadLapMatchesSweep({"--set", "EccAngFwd=120"});
    // The nominal gear's laps are the lap of the valve, 0.155, to within the joint's
    // slight asymmetry.
    const CliRun r = RunCli({"leadlap"});
    EXPECT_NEAR(JsonValue(r.out, "FrontLap"), 0.155, 0.001);
    EXPECT_NEAR(JsonValue(r.out, "RearLap"), 0.155, 0.001);
}

// Cut-off of each end: where the steam opening turns from positive to not positive,
// with the piston travel interpolated within the 4-degree step. The indicator model
// admits at least as through an opening of 0.005, and remembers that as the opening.
struct CutOffs {
    double front = NAN, rear = NAN;
};
CutOffs CutOffsFromSweep(std::vector<Row> rows, bool forward) {
    if (!forward) std::reverse(rows.begin(), rows.end());
    CutOffs c;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const Row& a = rows[i - 1];
        const Row& b = rows[i];
        const double t0 = a.at("PistonPos"), t = b.at("PistonPos");
        for (auto [key, front] : {std::pair{"FrontSteamOpening", true}, std::pair{"RearSteamOpening", false}}) {
            const double o0 = std::max(a.at(key), 0.005), o = b.at(key);
            if (a.at(key) > 0 && o <= 0) {
                const double at = t0 + (t - t0) * o0 / (o0 - o);
                (front ? c.front : c.rear) = front ? at / 6.4 : (640 - at) / 6.4;
            }
        }
    }
    return c;
}

void ExpectSteamMatchesSweep(const std::vector<std::string>& gear, const std::vector<bool>& forwardRunning) {
    std::vector<std::string> args = gear;
    args.push_back("steam");
    const CliRun r = RunCli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::size_t position = 0;
    while (std::getline(lines, line)) {
        if (line.find("\"position\"") == std::string::npos) continue;
        ASSERT_LT(position, forwardRunning.size());
        std::vector<std::string> at = gear;
        at.insert(at.end(), {"--revarm", std::to_string(JsonValue(line, "RevArmPos"))});
        const CutOffs expected = CutOffsFromSweep(SweepCsv(at, 0, 360, 4), forwardRunning[position]);
        EXPECT_NEAR(JsonValue(line, "FrontCutOff"), expected.front, 0.02) << line;
        EXPECT_NEAR(JsonValue(line, "RearCutOff"), expected.rear, 0.02) << line;
        ++position;
    }
    EXPECT_EQ(position, forwardRunning.size());
}

TEST(CliDiagramNumbers, SteamCutOffPerPosition) {
    // Mid gear, normal forward, normal reverse; the reverse one turns the driver backwards.
    ExpectSteamMatchesSweep({}, {true, true, false});
    // Mirrored sense: the position below mid gear is the forward one.
    ExpectSteamMatchesSweep({"--set", "EccAngFwd=120"}, {false, false, true});

    const CliRun one = RunCli({"steam", "--positions", "100"});  // clamped to full forward
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_NE(one.out.find("\"position\": 1"), std::string::npos);
    EXPECT_EQ(one.out.find("\"position\": 2"), std::string::npos);
    EXPECT_EQ(RunCli({"steam", "--positions", "1,2,3,4,5,6,7,8,9,10"}).status, 2);
    EXPECT_EQ(RunCli({"steam", "--positions", "6,x"}).status, 2);
}

// Events of one row: every crossing, in the order found, over one turn in 4-degree steps.
std::vector<double> EventsFromSweep(std::vector<Row> rows, bool forward, const char* key, bool opens, bool front) {
    if (!forward) std::reverse(rows.begin(), rows.end());
    std::vector<double> found;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const double o0 = rows[i - 1].at(key), o = rows[i].at(key);
        const bool happens = opens ? (o0 < 0 && o >= 0) : (o0 > 0 && o <= 0);
        if (!happens) continue;
        const double t0 = rows[i - 1].at("PistonPos"), t = rows[i].at("PistonPos");
        const double at = t - o * (t0 - t) / (o0 - o);
        found.push_back(front ? at / 6.4 : (640 - at) / 6.4);
    }
    return found;
}

void ExpectEventsMatchSweep(const std::vector<std::string>& gear, double sense) {
    std::vector<std::string> args = gear;
    args.insert(args.end(), {"events"});
    const CliRun r = RunCli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const CliRun dims = RunCli([&] { auto a = gear; a.push_back("dims"); return a; }());
    const double centre = JsonValue(dims.out, "RevArmCenter");
    const double max = JsonValue(dims.out, "RevArmCentMax");
    for (char graph : {'F', 'R'}) {
        const auto start = r.out.find(std::string("\"") + graph + "\": [");
        ASSERT_NE(start, std::string::npos);
        for (int row : {0, 9, 18}) {
            const auto at = r.out.find("{\"row\": " + std::to_string(row) + ",", start);
            const std::string text = r.out.substr(at, r.out.find('}', at) - at);
            const double d = row * max / 18;
            const double expectedPos = graph == 'F' ? centre + sense * d : centre - sense * d;
            EXPECT_NEAR(JsonValue(text, "RevArmPos"), expectedPos, 2e-6);
            std::vector<std::string> g = gear;
            g.insert(g.end(), {"--revarm", std::to_string(JsonValue(text, "RevArmPos"))});
            const std::vector<Row> sweep = SweepCsv(g, 0, 360, 4);
            const bool forward = graph == 'F';
            const struct { const char* key; const char* field; bool opens, front; } events[] = {
                {"FrontSteamOpens", "FrontSteamOpening", true, true},
                {"RearExhaustOpens", "RearExhaustOpening", true, false},
                {"FrontSteamCloses", "FrontSteamOpening", false, true},
                {"RearSteamCloses", "RearSteamOpening", false, false},
            };
            for (const auto& e : events) {
                const std::vector<double> got = NumbersAfter(text, e.key);
                const std::vector<double> want = EventsFromSweep(sweep, forward, e.field, e.opens, e.front);
                ASSERT_EQ(got.size(), want.size()) << graph << row << e.key;
                for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 0.01) << e.key;
            }
        }
    }
}

TEST(CliDiagramNumbers, PortEventsPerRow) {
    ExpectEventsMatchSweep({}, +1);
    ExpectEventsMatchSweep({"--set", "EccAngFwd=120"}, -1);
    EXPECT_EQ(RunCli({"events", "--graph", "X"}).status, 2);
    const CliRun f = RunCli({"events", "--graph", "R"});
    EXPECT_EQ(f.out.find("\"F\""), std::string::npos);
    const CliRun csv = RunCli({"events", "--csv", "--graph", "F"});
    EXPECT_EQ(csv.out.rfind("graph,row,RevArmPos,event,percent\nF,0,", 0), 0u);
}

}  // namespace
}  // namespace lm::test
