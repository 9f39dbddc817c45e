// Texts drawn from kept layouts must come out pixel for pixel as laid out afresh, at both
// pixel ratios, in every font the canvas sets, and when drawn again from the kept layout.

#include "graphics/qt/TextLayouts.h"

#include <QImage>
#include <QPainter>

#include <cstddef>
#include <string>

#include "graphics/qt/QPainterCanvas.h"

#include <gtest/gtest.h>

namespace lm {
namespace {

void Texts(Canvas& c) {
    int y = 2;
    for (int size : {11, 13, 16}) {
        c.SetFontSize(size);
        for (bool bold : {false, true}) {
            c.SetFontBold(bold);
            c.SetTextBackground(bold, colours::Cyan);
            c.SetFontColour(bold ? colours::Red : colours::Black);
            // Right-aligned numbers, signs, units, a degree sign, blanks alone.
            c.TextOut({3, y}, "  6.022");
            c.TextOut({71, y}, "-0.155 in");
            c.TextOut({150, y}, "Crank 137.5\xC2\xB0");
            c.TextOut({250, y}, "   ");
            c.TextOut({-7, y + 9}, "Cut-off Fwd 75.0 %  Rev");
            y += 2 * size;
        }
    }
}

QImage Draw(double ratio, TextLayouts* layouts) {
    QImage image(static_cast<int>(320 * ratio), static_cast<int>(210 * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (layouts) {
        QPainterCanvas canvas(painter, *layouts);
        Texts(canvas);
    } else {
        QPainterCanvas canvas(painter);
        Texts(canvas);
    }
    return image;
}

TEST(TextLayouts, KeptLayoutsDrawTheSamePixelsAsLayingOutAfresh) {
    for (double ratio : {1.0, 2.0}) {
        const QImage afresh = Draw(ratio, nullptr);
        TextLayouts layouts;
        EXPECT_EQ(Draw(ratio, &layouts), afresh) << "first drawing, ratio " << ratio;
        EXPECT_EQ(Draw(ratio, &layouts), afresh) << "from kept layouts, ratio " << ratio;
    }
}

TEST(TextLayouts, AFullStoreStartsAgainAndStillDrawsRight) {
    QImage image(200, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    TextLayouts layouts;
    const TextLayouts::Font font = TextLayouts::FontOf(painter, 13, false);
    for (std::size_t n = 0; n <= TextLayouts::kMaxTexts; ++n) layouts.Of(painter, font, std::to_string(n));
    const TextLayouts::Layout& kept = layouts.Of(painter, font, "  12.5");
    EXPECT_EQ(kept.width, painter.fontMetrics().horizontalAdvance(QStringLiteral("  12.5")));
    EXPECT_GT(kept.indent, 0.0);
    EXPECT_FALSE(kept.runs.isEmpty());
}

}  // namespace
}  // namespace lm
