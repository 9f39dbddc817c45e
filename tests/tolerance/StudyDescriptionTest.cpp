// The study file: what it reads, what it writes back, and a clear error naming the entry
// for every kind of bad input, with the study left as it was.
#include <string>

#include <gtest/gtest.h>

#include "../files/FileTestSupport.h"
#include "tolerance/StudyDescription.h"

namespace lm {
namespace {

constexpr const char* kStudy = R"({
  "samples": 500, "seed": 42, "distribution": "normal",
  "defaultLength": 0.002, "defaultAngle": 0.05,
  "tolerances": {"EccRodFwd": 0.01, "LinkRadius": 0},
  "clearances": {"10": 0.004, "8": 0.006},
  "settings": ["mid", "fwd..full-fwd/5"]
})";

TEST(StudyDescription, ReadsEveryEntryAndWritesTheSameStudyBack) {
    ToleranceStudy s;
    ASSERT_EQ(ParseStudyJson(kStudy, s), "");
    EXPECT_EQ(s.Samples, 500u);
    EXPECT_EQ(s.Seed, 42u);
    EXPECT_EQ(s.Shape, Spread::Normal);
    EXPECT_EQ(s.DefaultLength, 0.002);
    EXPECT_EQ(s.DefaultAngle, 0.05);
    EXPECT_EQ(s.Tolerances, (std::vector<std::pair<std::string, double>>{{"EccRodFwd", 0.01}, {"LinkRadius", 0}}));
    EXPECT_EQ(s.Clearances, (std::vector<std::pair<int, double>>{{10, 0.004}, {8, 0.006}}));
    EXPECT_EQ(s.Settings, (std::vector<std::string>{"mid", "fwd..full-fwd/5"}));

    ToleranceStudy again;
    ASSERT_EQ(ParseStudyJson(StudyJson(s), again), "");
    EXPECT_EQ(StudyJson(again), StudyJson(s));
    EXPECT_EQ(again.Tolerances, s.Tolerances);
    EXPECT_EQ(again.Clearances, s.Clearances);

    // Keys left out keep the defaults; an empty object is the default study.
    ToleranceStudy empty;
    ASSERT_EQ(ParseStudyJson("{}", empty), "");
    EXPECT_EQ(empty.Samples, kDefaultStudySamples);
    EXPECT_EQ(empty.Settings, (std::vector<std::string>{"mid", "fwd", "rev"}));
}

TEST(StudyDescription, BadEntriesAreRefusedByName) {
    const struct {
        const char* json;
        const char* mentions;
    } cases[] = {
        {R"({"tolerances": {"EccRodFwdd": 0.01}})", "unknown dimension 'EccRodFwdd'"},
        {R"({"tolerances": {"EccRodFwd": -0.01}})", "EccRodFwd: the tolerance -0.01 is negative"},
        {R"({"tolerances": {"EccRodFwd": 1e999}})", "number overflow parsing '1e999'"},
        {R"({"tolerances": {"EccRodFwd": 2e6}})", "EccRodFwd: the tolerance 2e+06 is above"},
        {R"({"tolerances": {"EccRodFwd": "0.01"}})", "EccRodFwd: expected a number"},
        {R"({"tolerances": {"EccRodFwd": 0.01, "EccRodFwd": 0.02}})", "'EccRodFwd' is given twice"},
        {R"({"defaultLength": -1})", "defaultLength: the tolerance -1 is negative"},
        {R"({"clearances": {"14": 0.01}})", "pivot 14 is not a pin joint (the joints are 2, 3,"},
        {R"({"clearances": {"1": 0.01}})", "pivot 1 is not a pin joint"},
        {R"({"clearances": {"x": 0.01}})", "'x' is not a pivot number"},
        {R"({"clearances": {"10": -0.004}})", "pivot 10: the tolerance -0.004 is negative"},
        {R"({"samples": 0})", "samples: 0 is not from 1 to 10000000"},
        {R"({"samples": 10000001})", "samples: 10000001 is not from 1"},
        {R"({"samples": 2.5})", "samples: expected a whole number"},
        {R"({"seed": -3})", "seed: expected a whole number"},
        {R"({"distribution": "triangular"})", "distribution: expected"},
        {R"({"settings": ["mid", "sideways"]})", "setting 'sideways'"},
        {R"({"settings": ["fwd..fwd"]})", "two different ends"},
        {R"({"settings": ["rev..fwd/1"]})", "from 2 to 101"},
        {R"({"settings": []})", "no settings given"},
        {R"({"sampels": 100})", "unknown entry 'sampels'"},
        {R"([1, 2])", "a study is a JSON object"},
        {R"({"samples": 100)", "not valid JSON"},
    };
    for (const auto& c : cases) {
        ToleranceStudy s;
        s.Samples = 77;
        const std::string error = ParseStudyJson(c.json, s);
        EXPECT_NE(error.find(c.mentions), std::string::npos) << c.json << " gave: " << error;
        EXPECT_EQ(s.Samples, 77u) << c.json;  // nothing applied
    }
}

TEST(StudyDescription, FilesThatAreNotStudiesAreRefusedNamingTheFile) {
    test::ScratchFolder dir;
    ToleranceStudy s;
    EXPECT_NE(ReadStudyFile(dir / "none.json", s).find("none.json' is not a readable file"), std::string::npos);
    EXPECT_NE(ReadStudyFile(dir.path().string(), s).find("is not a readable file"), std::string::npos);
    test::WriteBytes(dir / "big.json", std::vector<unsigned char>((1 << 20) + 10, ' '));
    EXPECT_NE(ReadStudyFile(dir / "big.json", s).find("too large"), std::string::npos);
    test::WriteBytes(dir / "bad.json", {'{', '"', 's', 'e', 'e', 'd', '"', ':', '-', '1', '}'});
    EXPECT_NE(ReadStudyFile(dir / "bad.json", s).find("study '" + (dir / "bad.json") + "': seed"), std::string::npos);

    s.SetTolerance("Stroke", 0.003);
    s.SetClearance(2, 0.002);
    ASSERT_EQ(WriteStudyFile(dir / "kept.json", s), "");
    ToleranceStudy read;
    ASSERT_EQ(ReadStudyFile(dir / "kept.json", read), "");
    EXPECT_EQ(StudyJson(read), StudyJson(s));
}

}  // namespace
}  // namespace lm
