// The report command: a PDF for a script, and what it refuses.
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace lm::test {
namespace {

TEST(CliReport, WritesThePdfOfTheGearAsOptionsLeaveIt) {
    const std::string path = TempPath("report.pdf");
    const CliRun r = RunCli({"--set", "Stroke=3.125", "report", "--page", "letter", "--out", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    std::ifstream in(path, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    std::filesystem::remove(path);
}

TEST(CliReport, RefusesWhatItCannotWrite) {
    for (const auto& args : {std::vector<std::string>{"report"},
                             std::vector<std::string>{"report", "--out", TempPath("r.png")},
                             std::vector<std::string>{"report", "--page", "legal", "--out", TempPath("r.pdf")},
                             std::vector<std::string>{"report", "--out", TempPath("none/r.pdf")},
                             std::vector<std::string>{"report", "--csv", "--out", TempPath("r.pdf")}}) {
        const CliRun r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.err.rfind("linkmotion-cli: ", 0), 0u) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(TempPath("r.pdf")));
}

}  // namespace
}  // namespace lm::test
