// The command line's manners: "--" ends the options, JSON is always UTF-8, one version.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "cli/Json.h"
#include "common/Version.h"

namespace lm::test {
namespace {

TEST(CliOptionsEnd, DoubleDashEndsTheOptions) {
    const CliRun plain = RunCli({"--gear", "fwd", "--angle", "30", "solve"});
    const CliRun ended = RunCli({"--gear", "fwd", "--angle", "30", "--", "solve"});
    ASSERT_EQ(ended.status, 0) << ended.err;
    EXPECT_EQ(ended.out, plain.out);

    // After "--" an option's name is only a word: here an unknown command.
    const CliRun word = RunCli({"--", "--help"});
    EXPECT_EQ(word.status, 2);
    EXPECT_NE(word.err.find("unknown command '--help'"), std::string::npos) << word.err;
    EXPECT_TRUE(word.out.empty());
}

// Each ill-formed piece becomes one U+FFFD, as Unicode recommends: the longest valid
// beginning of a sequence is one piece, a byte that begins nothing is another.
TEST(JsonText, IllFormedUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(cli::JsonString("a\xff" "b"), "\"a\\ufffdb\"");
    EXPECT_EQ(cli::JsonString("\xe2\x82" "x"), "\"\\ufffdx\"");        // truncated euro sign
    EXPECT_EQ(cli::JsonString("\xc0\xaf"), "\"\\ufffd\\ufffd\"");       // overlong "/"
    EXPECT_EQ(cli::JsonString("\xed\xa0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");  // a surrogate
    EXPECT_EQ(cli::JsonString("\xf4\x90\x80\x80"), "\"\\ufffd\\ufffd\\ufffd\\ufffd\"");  // past U+10FFFF
    EXPECT_EQ(cli::JsonString("\xf0\x9f\x98"), "\"\\ufffd\"");           // truncated at the end
    // Well-formed text passes through as it is, escapes as before.
    EXPECT_EQ(cli::JsonString("\xe2\x82\xac \xf0\x9f\x98\x80 \xc3\xa9"), "\"\xe2\x82\xac \xf0\x9f\x98\x80 \xc3\xa9\"");
    EXPECT_EQ(cli::JsonString("q\"\\\n\x01"), "\"q\\\"\\\\\\n\\u0001\"");
}

TEST(JsonText, AFileNameThatIsNotUtf8IsOpenedAndPrintedAsValidJson) {
    const std::string folder = TempPath("utf8-names");
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/gear\xff" "\xe2\x82" ".lmd";
    ASSERT_EQ(RunCli({"dims", "--save", path}).status, 0);
    const CliRun r = RunCli({"--open", path, "dims"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"DataSetName\": \"gear\\ufffd\\ufffd\""), std::string::npos) << r.out;
    std::filesystem::remove_all(folder);
}

TEST(CliVersion, IsTheBuildsVersion) {
    const CliRun r = RunCli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "linkmotion-cli, LINKMOTION Inside Admission Version " + std::string(kVersion) + "\n");
}

}  // namespace
}  // namespace lm::test
