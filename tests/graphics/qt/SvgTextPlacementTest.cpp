// Exported SVG pictures put their texts where the PNG does, also in another renderer.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/qt/PictureExport.h"

namespace lm {
namespace {

constexpr int kWidth = 320, kHeight = 240;

struct PlacedText {
    ScreenPoint at;
    const char* text;
    bool bold;
    int size;
};

// Right-aligned numbers as the readouts and legends write them, plus controls without
// blanks, each in a band of its own.
const std::vector<PlacedText> kTexts{
    {{10, 10}, "   6.1", false, 13},  {{160, 10}, "  79.0", false, 13}, {{10, 50}, " 100.0", false, 13},
    {{160, 50}, "0.0", false, 13},    {{10, 90}, "     3", true, 13},   {{160, 90}, "  12.5", true, 20},
    {{10, 140}, "Fwd 2", false, 13},  {{160, 140}, "      ", false, 13},
};
constexpr int kBandHeight = 30;

void DrawTexts(Canvas& c) {
    for (const PlacedText& t : kTexts) {
        c.SetFontBold(t.bold);
        c.SetFontSize(t.size);
        c.TextOut(t.at, t.text);
    }
}

// The top-left corner of the ink in a text's band, if any.
std::optional<ScreenPoint> InkCorner(const QImage& image, ScreenPoint at) {
    std::optional<ScreenPoint> corner;
    for (int y = at.y; y < at.y + kBandHeight && y < image.height(); ++y)
        for (int x = at.x - 4; x < at.x + 140 && x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (!corner) corner = ScreenPoint{x, y};
                corner->x = std::min(corner->x, x);
            }
    return corner;
}

TEST(SvgTextPlacement, TextElementsCarryNoLeadingBlanks) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("texts.svg").toStdString();
    ASSERT_EQ(SavePictureSvg(path, kWidth, kHeight, DrawTexts), "");
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());

    QStringList contents;
    auto it = QRegularExpression(QStringLiteral(">([^<]*)</text>")).globalMatch(svg);
    while (it.hasNext()) contents << it.next().captured(1);
    // One element per text with something to show; the all-blank one shows nothing.
    ASSERT_EQ(contents.size(), 7);
    for (const QString& c : contents) EXPECT_FALSE(c.startsWith(QLatin1Char(' '))) << c.toStdString();
    EXPECT_TRUE(contents.contains(QStringLiteral("6.1")));
    EXPECT_TRUE(contents.contains(QStringLiteral("Fwd 2")));  // inner blanks stay
}

TEST(SvgTextPlacement, SecondRendererPutsEveryTextWhereThePngHasIt) {
    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (rsvg.isEmpty())
        GTEST_SKIP() << "rsvg-convert is not installed (Debian package librsvg2-bin); "
                        "cannot render the SVG a second way";

    QTemporaryDir dir;
    const QString svgPath = dir.filePath(QStringLiteral("texts.svg"));
    const QString rendered = dir.filePath(QStringLiteral("texts-rsvg.png"));
    ASSERT_EQ(SavePictureSvg(svgPath.toStdString(), kWidth, kHeight, DrawTexts), "");
    QProcess process;
    // The size is given in millimetres, which would round to a pixel more.
    process.start(rsvg, {QStringLiteral("--background-color=white"), QStringLiteral("--width"),
                         QString::number(kWidth), QStringLiteral("--height"), QString::number(kHeight),
                         QStringLiteral("-o"), rendered, svgPath});
    ASSERT_TRUE(process.waitForFinished(30000)) << "rsvg-convert did not finish";
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    QImage second;
    ASSERT_TRUE(second.load(rendered));
    ASSERT_EQ(second.size(), QSize(kWidth, kHeight));
    second = second.convertToFormat(QImage::Format_RGB32);
    const QImage png = RenderPicture(kWidth, kHeight, 1.0, DrawTexts);

    for (const PlacedText& t : kTexts) {
        SCOPED_TRACE(std::string("\"") + t.text + "\"");
        const auto inPng = InkCorner(png, t.at), inSvg = InkCorner(second, t.at);
        if (std::string(t.text).find_first_not_of(' ') == std::string::npos) {
            EXPECT_FALSE(inPng);
            EXPECT_FALSE(inSvg);
            continue;
        }
        ASSERT_TRUE(inPng && inSvg);
        // Blanks still right-align the number in the picture itself.
        const auto blanks = static_cast<int>(std::string(t.text).find_first_not_of(' '));
        EXPECT_GE(inPng->x, t.at.x + 3 * blanks);
        EXPECT_NEAR(inSvg->x, inPng->x, 2);
        EXPECT_NEAR(inSvg->y, inPng->y, 2);
    }
}

}  // namespace
}  // namespace lm
