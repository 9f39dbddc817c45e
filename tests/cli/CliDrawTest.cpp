// The draw command: the pictures it writes as PNG or SVG match the windows', and what it
// cannot draw or write is refused.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace lm::test {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

TEST(CliDraw, GearPictureIsTheClientAreaAsPngOrSvg) {
    const std::string png = TempPath("gear.png");
    const CliRun r = RunCli({"--gear", "fwd", "--angle", "30", "draw", "--what", "gear", "--out", png});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const std::string bytes = ReadFile(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian32(bytes, 16), 632u);  // IHDR width
    EXPECT_EQ(BigEndian32(bytes, 20), 380u);  // IHDR height
    std::remove(png.c_str());

    const std::string svg = TempPath("gear.svg");
    ASSERT_EQ(RunCli({"draw", "--what", "gear", "--out", svg}).status, 0);
    const std::string text = ReadFile(svg);
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("viewBox=\"0 0 632 380\""), std::string::npos);
    std::remove(svg.c_str());
}

TEST(CliDraw, DiagramsAreTheirWindowsPictures) {
    const struct { const char* what; const char* graph; std::uint32_t height; } views[] = {
        {"sine", nullptr, 414}, {"oval", nullptr, 426}, {"steam", nullptr, 414},
        {"port", "F", 414}, {"port", "B", 414},
    };
    for (const auto& v : views) {
        const std::string png = TempPath(std::string(v.what) + ".png");
        std::vector<std::string> args = {"draw", "--what", v.what, "--out", png};
        if (v.graph) args.insert(args.end(), {"--graph", v.graph});
        const CliRun r = RunCli(args);
        ASSERT_EQ(r.status, 0) << v.what << r.err;
        const std::string bytes = ReadFile(png);
        ASSERT_GT(bytes.size(), 24u);
        EXPECT_EQ(BigEndian32(bytes, 16), 632u) << v.what;
        EXPECT_EQ(BigEndian32(bytes, 20), v.height) << v.what;
        std::remove(png.c_str());
    }
    EXPECT_EQ(RunCli({"draw", "--what", "port", "--graph", "Q", "--out", TempPath("q.png")}).status, 2);
    EXPECT_EQ(RunCli({"draw", "--what", "sine", "--graph", "F", "--out", TempPath("q.png")}).status, 2);
}

TEST(CliDraw, HighlightShowsWhereADimensionLies) {
    const std::string svg = TempPath("highlight.svg");
    ASSERT_EQ(RunCli({"draw", "--what", "gear", "--highlight", "EccAngFwd", "--out", svg}).status, 0);
    const std::string text = ReadFile(svg);
    EXPECT_NE(text.find("Eccentric Forward Angle"), std::string::npos);
    ASSERT_EQ(RunCli({"draw", "--what", "gear", "--out", svg}).status, 0);
    EXPECT_EQ(ReadFile(svg).find("Eccentric Forward Angle"), std::string::npos);
    std::remove(svg.c_str());

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"draw", "--what", "gear", "--highlight", "Teapot", "--out", svg},
             {"draw", "--what", "sine", "--highlight", "Stroke", "--out", svg},
         }) {
        const CliRun r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args[4];
        EXPECT_EQ(r.err.rfind("linkmotion-cli: ", 0), 0u) << r.err;
    }
}

TEST(CliDraw, AnyEventAgainstTheReverserWithASecondGearDashed) {
    const std::string b = TempPath("events-b.lmd");
    ASSERT_EQ(RunCli({"--set", "ValveCtrToJoint=3.2", "dims", "--save", b}).status, 0);
    const std::string png = TempPath("events.png");
    const CliRun r = RunCli({"--gear", "fwd", "draw", "--what", "events", "--event", "CutOff", "--compare", b, "--out", png});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = ReadFile(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(BigEndian32(bytes, 16), 560u);
    EXPECT_EQ(BigEndian32(bytes, 20), 250u);
    std::remove(png.c_str());

    // The title and legend say what is drawn: the event and its unit, whose is which.
    const std::string svg = TempPath("events.svg");
    ASSERT_EQ(RunCli({"draw", "--what", "events", "--event", "lead", "--compare", b, "--out", svg}).status, 0);
    const std::string text = ReadFile(svg);
    for (const char* words : {"Lead, length units", "This gear", "events-b.lmd", "Front", "Rear"})
        EXPECT_NE(text.find(words), std::string::npos) << words;
    ASSERT_EQ(RunCli({"draw", "--what", "events", "--event", "RearRelease", "--out", svg}).status, 0);
    const std::string rearOnly = ReadFile(svg);
    EXPECT_NE(rearOnly.find("Release, % of stroke"), std::string::npos);
    EXPECT_EQ(rearOnly.find(">Front<"), std::string::npos);
    std::remove(svg.c_str());

    const std::string none = TempPath("events-none.png");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"draw", "--what", "events", "--out", none},
             {"draw", "--what", "events", "--event", "Speed", "--out", none},
             {"draw", "--what", "events", "--event", "CutOff", "--compare", "/nonexistent/b.lmd", "--out", none},
             {"draw", "--what", "events", "--event", "CutOff", "--graph", "F", "--out", none},
             {"draw", "--what", "sine", "--event", "CutOff", "--out", none},
         }) {
        const CliRun bad = RunCli(args);
        EXPECT_EQ(bad.status, 2) << args[4];
        EXPECT_EQ(bad.err.rfind("linkmotion-cli: ", 0), 0u) << bad.err;
        EXPECT_FALSE(std::ifstream(none).good());
    }
    std::remove(b.c_str());
}

TEST(CliDraw, RefusesWhatItCannotDrawOrWrite) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"draw", "--out", TempPath("x.png")},
             {"draw", "--what", "gear"},
             {"draw", "--what", "teapot", "--out", TempPath("x.png")},
             {"draw", "--what", "gear", "--out", TempPath("x.jpg")},
             {"draw", "--what", "gear", "--out", "/nonexistent-folder/x.png"},
         }) {
        const CliRun r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.err.rfind("linkmotion-cli: ", 0), 0u) << r.err;
    }
}

}  // namespace
}  // namespace lm::test
