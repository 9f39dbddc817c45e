// Rendering and saving pictures: sizes and ratios, PNG and SVG read back, and failed
// saves that report the failure and keep the old file.

#include "graphics/qt/PictureExport.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace lm {
namespace {

void Sample(Canvas& c) {
    c.SetPenColour(colours::Red);
    c.Line({10, 20}, {90, 20});
    c.Ellipse(20, 30, 61, 71);
    c.SetPixel({5, 5}, colours::Blue);
    c.SetTextBackground(false);
    c.TextOut({10, 80}, "Fwd");
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class PictureExportTest : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return dir_.filePath(name).toStdString(); }
    int FileCount() const { return static_cast<int>(QDir(dir_.path()).entryList(QDir::Files).size()); }
    QTemporaryDir dir_;
};

TEST(RenderPicture, ImageIsPhysicalSizeAtTheRatioAndDrawnInLogicalPixels) {
    const QImage image = RenderPicture(100, 90, 2.0, Sample);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.width(), 200);
    EXPECT_EQ(image.height(), 180);
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.pixelColor(100, 41), QColor(Qt::red));  // logical (50, 20)
    EXPECT_EQ(image.pixelColor(11, 11), QColor(Qt::blue));  // logical (5, 5)
    EXPECT_EQ(image.pixelColor(199, 179), QColor(Qt::white));
}

TEST(RenderPicture, OutOfRangeSizesAndRatiosGiveNoImage) {
    EXPECT_TRUE(RenderPicture(0, 10, 1.0, Sample).isNull());
    EXPECT_TRUE(RenderPicture(10, -5, 1.0, Sample).isNull());
    EXPECT_TRUE(RenderPicture(kMaxPictureSide + 1, 10, 1.0, Sample).isNull());
    EXPECT_TRUE(RenderPicture(10000, 10, 2.0, Sample).isNull());  // 20000 physical
    EXPECT_TRUE(RenderPicture(10, 10, 0.0, Sample).isNull());
    EXPECT_TRUE(RenderPicture(10, 10, std::numeric_limits<double>::quiet_NaN(), Sample).isNull());
    EXPECT_EQ(RenderPicture(632, 380, 1.25, {}).width(), 790);  // no draw function: blank
}

TEST_F(PictureExportTest, PngLoadsBackWithItsSizeAndPixels) {
    const std::string path = PathOf("gear.png");
    WriteAll(path, "previous picture");  // replaced
    ASSERT_EQ(SavePicturePng(path, 100, 90, 1.0, Sample), "");
    QImage back;
    ASSERT_TRUE(back.load(QString::fromStdString(path), "PNG"));
    EXPECT_EQ(back.size(), QSize(100, 90));
    EXPECT_EQ(back.pixelColor(50, 20), QColor(Qt::red));
    EXPECT_EQ(back.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(back.pixelColor(50, 50), QColor(Qt::white));
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(PictureExportTest, SvgIsAVectorPictureOfTheLogicalSize) {
    const std::string path = PathOf("gear.svg");
    ASSERT_EQ(SavePictureSvg(path, 632, 380, Sample), "");
    const std::string svg = ReadAll(path);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 632 380\""), std::string::npos);
    EXPECT_TRUE(svg.find("<path") != std::string::npos || svg.find("<polyline") != std::string::npos ||
                svg.find("<line") != std::string::npos);
    EXPECT_NE(svg.find("Fwd"), std::string::npos);  // text stays text
    EXPECT_NE(svg.find("#ff0000"), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos);
}

TEST_F(PictureExportTest, ExtensionChoosesTheFormatInAnyCase) {
    ASSERT_EQ(SavePicture(PathOf("a.PNG"), 40, 30, 2.0, Sample), "");
    QImage png;
    ASSERT_TRUE(png.load(QString::fromStdString(PathOf("a.PNG")), "PNG"));
    EXPECT_EQ(png.size(), QSize(80, 60));

    ASSERT_EQ(SavePicture(PathOf("b.Svg"), 40, 30, 2.0, Sample), "");
    EXPECT_NE(ReadAll(PathOf("b.Svg")).find("<svg"), std::string::npos);

    for (const char* name : {"c.jpg", "noextension", "d.png.txt", "e."}) {
        const std::string error = SavePicture(PathOf(name), 40, 30, 1.0, Sample);
        EXPECT_NE(error.find(".png"), std::string::npos) << name;
        EXPECT_NE(error.find(name), std::string::npos) << name;
    }
    EXPECT_EQ(FileCount(), 2);
}

TEST_F(PictureExportTest, UnwritablePlacesReportErrorsInsteadOfSuccess) {
    const std::string plainFile = PathOf("plain");
    WriteAll(plainFile, "not a folder");
    for (const char* name : {"inside.png", "inside.svg"}) {
        const std::string target = plainFile + "/" + name;
        const std::string error = SavePicture(target, 40, 30, 1.0, Sample);
        EXPECT_NE(error.find(target), std::string::npos) << error;
    }
    EXPECT_NE(SavePicture(dir_.path().toStdString() + "/missing/x.svg", 40, 30, 1.0, Sample), "");
    EXPECT_NE(SavePicturePng("", 40, 30, 1.0, Sample), "");
    // A folder named like a picture is not replaced.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.png"));
    EXPECT_NE(SavePicture(PathOf("folder.png"), 40, 30, 1.0, Sample), "");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(PathOf("folder.png"))).isDir());
    EXPECT_EQ(ReadAll(plainFile), "not a folder");
}

TEST_F(PictureExportTest, AFailedSaveLeavesTheExistingFileAsItWas) {
    for (const char* name : {"old.png", "old.svg"}) {
        const std::string target = PathOf(name);
        WriteAll(target, "previous picture");
        // A size out of range, and a drawing that fails half way.
        EXPECT_NE(SavePicture(target, 0, 30, 1.0, Sample), "");
        EXPECT_THROW(SavePicture(target, 40, 30, 1.0,
                                 [](Canvas& c) {
                                     c.Line({0, 0}, {10, 10});
                                     throw std::runtime_error("drawing failed");
                                 }),
                     std::runtime_error);
        EXPECT_EQ(ReadAll(target), "previous picture") << name;
    }
    EXPECT_EQ(FileCount(), 2);  // no temporary files left behind
}

// The file-size limit stops the write half way: the save must say so and leave the old
// file whole, not a truncated picture reported as saved. Run in a child, whose limit
// cannot hurt the test process.
TEST_F(PictureExportTest, TheFileSizeLimitFailsTheSaveAndKeepsTheOldFile) {
    for (const char* name : {"limited.png", "limited.svg"}) {
        const std::string target = PathOf(name);
        WriteAll(target, "previous picture");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            rlimit limit{256, 256};
            setrlimit(RLIMIT_FSIZE, &limit);
            const auto busy = [](Canvas& c) {
                for (int i = 0; i < 400; ++i) c.TextOut({i % 600, i}, "  12.345 " + std::to_string(i));
            };
            const std::string error = SavePicture(target, 632, 400, 1.0, busy);
            _exit(error.empty() ? 1 : 0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << name << ": killed by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0) << name << ": a truncated save was reported as success";
        EXPECT_TRUE(ReadAll(target) == "previous picture") << name << " was replaced";
    }
    EXPECT_EQ(FileCount(), 2);
}

}  // namespace
}  // namespace lm
