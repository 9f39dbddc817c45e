// Faults found by driving the command line with hostile arguments and broken outputs.
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace lm::test {
namespace {

int CountLines(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

// A failure is one "linkmotion-cli: " line and status 2, whatever went wrong.
void ExpectOneLineFailure(const CliRun& r, const std::string& mentions) {
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.err.rfind("linkmotion-cli: ", 0), 0u) << r.err;
    EXPECT_EQ(CountLines(r.err), 1) << r.err;
    EXPECT_NE(r.err.find(mentions), std::string::npos) << r.err;
}

// What the user typed is echoed with its control characters escaped: a newline in a
// value, an escape sequence in a file name, a C1 control and a stray byte.
TEST(CliEcho, ControlCharactersInWhatTheUserGaveAreEscaped) {
    ExpectOneLineFailure(RunCli({"--set", "Stroke=1\n", "solve"}), "'1\\n'");
    const CliRun open = RunCli({"--open", "x\x1b[31m.lmd", "solve"});
    ExpectOneLineFailure(open, "x\\x1b[31m.lmd");
    EXPECT_EQ(open.err.find('\x1b'), std::string::npos);
    ExpectOneLineFailure(RunCli({"--gear", "\xc2\x9b" "2J\xff\t", "solve"}), "'\\xc2\\x9b2J\\xff\\t'");
}

TEST(CliSweepCount, EndsAfterTheAnglesItCountedWhateverTheStep) {
    // A step far below the angle's resolution once never moved past the end.
    const CliRun one = RunCli({"sweep", "--step", "1e-30", "--from", "90", "--to", "90", "--csv"});
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(CountLines(one.out), 2);
    ExpectOneLineFailure(RunCli({"sweep", "--step", "1e-30", "--from", "90", "--to", "91"}),
                         "more than 1000000 angles");
    // Steps that reach the end exactly keep it; the count is the same as stepping by hand.
    const CliRun tenths = RunCli({"sweep", "--step", "0.1", "--from", "0", "--to", "0.7", "--csv"});
    ASSERT_EQ(tenths.status, 0) << tenths.err;
    EXPECT_EQ(CountLines(tenths.out), 9);
    const CliRun none = RunCli({"sweep", "--step", "1", "--from", "10", "--to", "9"});
    ASSERT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "[]\n");
    ExpectOneLineFailure(RunCli({"sweep", "--step", "1", "--from", "1e300"}), "out of range");
}

TEST(CliReadBack, EveryDimensionPrintedIsTakenBackAsIs) {
    const std::vector<std::string> extremes = {"--set", "Stroke=3.40282347e+38", "--set",
                                               "DriverDia=-3.40282347e+38", "--set",
                                               "CylBoreDia=1.17549435e-38"};
    std::vector<std::string> args = extremes;
    args.push_back("dims");
    const CliRun first = RunCli(args);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find("\"Stroke\": 3.40282347e+38"), std::string::npos) << first.out;

    // Feed every printed dimension back in as typed and expect the same print.
    const std::regex pair("\"([A-Za-z]+)\": (-?[0-9.]+(?:e[-+][0-9]+)?)");
    std::vector<std::string> again;
    int count = 0;
    for (auto it = std::sregex_iterator(first.out.begin(), first.out.end(), pair);
         it != std::sregex_iterator() && count < 44; ++it, ++count) {
        again.push_back("--set");
        again.push_back((*it)[1].str() + "=" + (*it)[2].str());
    }
    ASSERT_EQ(count, 44);
    again.push_back("dims");
    const CliRun second = RunCli(again);
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, first.out);

    ExpectOneLineFailure(RunCli({"--set", "Stroke=3.5e38", "dims"}), "out of range");
}

class CliOutputs : public ::testing::Test {
protected:
    std::string folder = TempPath("outputs");
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        return names;
    }
};

TEST_F(CliOutputs, DimsSavesOnlyUnderADimensionFileName) {
    const std::string picture = folder + "/pic.png";
    { std::ofstream(picture) << "not dimension data"; }
    const CliRun refused = RunCli({"dims", "--save", picture});
    ExpectOneLineFailure(refused, ".lmd");
    EXPECT_TRUE(refused.out.empty());
    std::ifstream in(picture);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "not dimension data");

    ASSERT_EQ(RunCli({"dims", "--save", folder + "/Gear.LMD"}).status, 0);
    EXPECT_EQ(std::filesystem::file_size(folder + "/Gear.LMD"), 1420u);
}

TEST_F(CliOutputs, AnUnwritableStandardOutputIsAFailure) {
    ExpectOneLineFailure(RunCliIn({}, {"solve"}, "/dev/full"), "cannot write the output");
    ExpectOneLineFailure(RunCliIn({}, {"--help"}, "/dev/full"), "cannot write the output");
    ExpectOneLineFailure(RunCliIn({}, {"sweep", "--step", "1", "--csv"}, "/dev/full"),
                         "cannot write the output");
}

TEST_F(CliOutputs, AFullDiskWhileDrawingIsOneLineAndLeavesNothing) {
    // ulimit -f counts 1024-byte blocks: the picture cannot fit in 2 of them.
    const CliRun r = RunCliIn("ulimit -f 2", {"draw", "--what", "gear", "--out", folder + "/gear.png"}, {});
    ExpectOneLineFailure(r, "gear.png");
    EXPECT_EQ(Names(), std::vector<std::string>{});
}

TEST(CliSteamCutOff, TellsNoCutOffApartFromAValueThatIsNotFinite) {
    // Lap beyond the valve's whole travel: the port never opens, so nothing is cut off.
    const std::vector<std::string> closed = {"--set", "ValveCtrToRing=5", "steam", "--positions", "5"};
    const CliRun none = RunCli(closed);
    ASSERT_EQ(none.status, 0) << none.err;
    EXPECT_NE(none.out.find("\"FrontCutOff\": null, \"FrontCutOffReason\": \"no cut-off\""),
              std::string::npos) << none.out;
    std::vector<std::string> csv = closed;
    csv.push_back("--csv");
    EXPECT_EQ(RunCli(csv).out, "position,RevArmPos,FrontCutOff,RearCutOff\n1,5,,\n");

    // A stroke of 1e30 overflows the piston travel: a cut-off is found but is no number.
    const std::vector<std::string> huge = {"--set", "Stroke=1e30", "steam", "--positions", "5"};
    const CliRun nan = RunCli(huge);
    ASSERT_EQ(nan.status, 0) << nan.err;
    EXPECT_NE(nan.out.find("\"RearCutOff\": null, \"RearCutOffReason\": \"not finite\""),
              std::string::npos) << nan.out;
    csv = huge;
    csv.push_back("--csv");
    EXPECT_EQ(RunCli(csv).out, "position,RevArmPos,FrontCutOff,RearCutOff\n1,5,nan,nan\n");
}

}  // namespace
}  // namespace lm::test
