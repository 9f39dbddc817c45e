// The QPainter canvas pixel by pixel: lines, ellipses, arcs, pixels, text, hostile
// coordinates and the doubled pixel ratio.

#include "graphics/qt/QPainterCanvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <climits>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

namespace lm {
namespace {

QImage Paint(int width, int height, const std::function<void(Canvas&)>& draw, double ratio = 1.0) {
    QImage image(static_cast<int>(width * ratio), static_cast<int>(height * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    draw(canvas);
    return image;
}

Rgb At(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

bool Inked(const QImage& image, int x, int y) { return At(image, x, y) != colours::White; }

// Whether any pixel within one of (x, y) is the colour; outlines of curves may land a
// pixel either side of the exact point.
bool NearColour(const QImage& image, double x, double y, Rgb colour) {
    const int cx = static_cast<int>(std::lround(x)), cy = static_cast<int>(std::lround(y));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(cx + dx, cy + dy) && At(image, cx + dx, cy + dy) == colour) return true;
    return false;
}

int CountColour(const QImage& image, Rgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += At(image, x, y) == colour;
    return n;
}

TEST(QPainterCanvasLines, OnePixelLineCoversItsRowAndLeavesOutItsEnd) {
    const QImage image = Paint(60, 40, [](Canvas& c) {
        c.SetPenColour(colours::Red);
        c.Line({10, 20}, {40, 20});
    });
    for (int x = 10; x < 40; ++x) EXPECT_EQ(At(image, x, 20), colours::Red) << x;
    EXPECT_FALSE(Inked(image, 40, 20));
    EXPECT_FALSE(Inked(image, 9, 20));
    for (int x = 0; x < 60; ++x) {
        EXPECT_FALSE(Inked(image, x, 19)) << x;
        EXPECT_FALSE(Inked(image, x, 21)) << x;
    }
}

TEST(QPainterCanvasLines, WidthTwoThickensToTwoRows) {
    const QImage image = Paint(60, 40, [](Canvas& c) {
        c.SetPenColour(colours::Blue);
        c.SetPenWidth(2);
        c.Line({10, 20}, {40, 20});
    });
    int rows = 0;
    for (int y = 0; y < 40; ++y) rows += At(image, 25, y) == colours::Blue;
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(At(image, 25, 20), colours::Blue);
}

TEST(QPainterCanvasLines, LineToContinuesFromTheCurrentPositionAndPolylineLeavesIt) {
    const QImage image = Paint(60, 60, [](Canvas& c) {
        c.MoveTo({5, 5});
        c.LineTo({5, 30});
        c.LineTo({30, 30});  // from (5, 30)
        const std::vector<ScreenPoint> zigzag{{40, 5}, {55, 5}, {55, 20}};
        c.Polyline(zigzag);
        c.LineTo({30, 50});  // still from (30, 30)
    });
    EXPECT_TRUE(Inked(image, 5, 15));
    EXPECT_TRUE(Inked(image, 20, 30));
    EXPECT_TRUE(Inked(image, 48, 5));
    EXPECT_TRUE(Inked(image, 55, 12));
    EXPECT_TRUE(Inked(image, 30, 40));
    EXPECT_FALSE(Inked(image, 42, 35));  // nothing drawn from the polyline's end
}

TEST(QPainterCanvasShapes, EllipseTouchesItsBoxInsideTheRightAndBottomEdgesAndIsHollow) {
    // Box 10..31 exclusive: pixels 10..30, centre (20, 20).
    const QImage image = Paint(50, 50, [](Canvas& c) {
        c.SetPenColour(colours::DarkGreen);
        c.SetHollowBrush();
        c.Ellipse(10, 10, 31, 31);
    });
    for (auto [x, y] : {std::pair{10, 20}, {30, 20}, {20, 10}, {20, 30}})
        EXPECT_EQ(At(image, x, y), colours::DarkGreen) << x << "," << y;
    for (auto [x, y] : {std::pair{31, 20}, {20, 31}, {9, 20}, {20, 9}, {20, 20}, {15, 20}})
        EXPECT_FALSE(Inked(image, x, y)) << x << "," << y;
}

TEST(QPainterCanvasShapes, InvertedBoxDrawsTheSameEllipse) {
    const auto straight = Paint(50, 50, [](Canvas& c) { c.Ellipse(10, 12, 41, 37); });
    const auto inverted = Paint(50, 50, [](Canvas& c) { c.Ellipse(41, 37, 10, 12); });
    EXPECT_EQ(straight, inverted);
}

// Circle box 10..51: centre (30, 30), radius 20 in both directions.
constexpr double kCx = 30, kCy = 30, kR = 20;
double OnCircleX(double degrees) { return kCx + kR * std::cos(degrees * std::numbers::pi / 180); }
// Counter-clockwise on screen: up is negative y.
double OnCircleY(double degrees) { return kCy - kR * std::sin(degrees * std::numbers::pi / 180); }

TEST(QPainterCanvasArcs, ThreeOClockToTwelveIsTheUpperRightQuarterAndBackTheRest) {
    auto arc = [](ScreenPoint start, ScreenPoint end) {
        return Paint(60, 60, [=](Canvas& c) { c.Arc(10, 10, 51, 51, start, end); });
    };
    const QImage quarter = arc({58, 30}, {30, 2});
    const QImage rest = arc({30, 2}, {58, 30});
    for (double a : {10.0, 45.0, 80.0}) {
        EXPECT_TRUE(NearColour(quarter, OnCircleX(a), OnCircleY(a), colours::Black)) << a;
        EXPECT_FALSE(NearColour(rest, OnCircleX(a), OnCircleY(a), colours::Black)) << a;
    }
    for (double a : {110.0, 135.0, 180.0, 225.0, 270.0, 315.0, 340.0}) {
        EXPECT_FALSE(NearColour(quarter, OnCircleX(a), OnCircleY(a), colours::Black)) << a;
        EXPECT_TRUE(NearColour(rest, OnCircleX(a), OnCircleY(a), colours::Black)) << a;
    }
}

TEST(QPainterCanvasArcs, CoincidingRadialsDrawTheWholeEllipse) {
    const QImage arc = Paint(60, 60, [](Canvas& c) { c.Arc(10, 10, 51, 51, {50, 20}, {70, 10}); });
    for (double a : {0.0, 45.0, 90.0, 180.0, 270.0})
        EXPECT_TRUE(NearColour(arc, OnCircleX(a), OnCircleY(a), colours::Black)) << a;
}

TEST(QPainterCanvasArcs, RadialsBehindTheOppositeOfAnAngleCoverTheSideAwayFromIt) {
    // The way the driver's counterweight is given: radials through A - 110 and A + 110
    // degrees with the screen's y down, which with A = 0 spans the 140 degrees on the left.
    const QImage image = Paint(60, 60, [](Canvas& c) {
        auto radial = [](double degrees) {
            const double r = degrees * std::numbers::pi / 180;
            return ScreenPoint{static_cast<int>(std::lround(kCx + 25 * std::cos(r))),
                               static_cast<int>(std::lround(kCy + 25 * std::sin(r)))};
        };
        c.Arc(10, 10, 51, 51, radial(-110), radial(110));
    });
    EXPECT_TRUE(NearColour(image, OnCircleX(180), OnCircleY(180), colours::Black));
    EXPECT_TRUE(NearColour(image, OnCircleX(120), OnCircleY(120), colours::Black));
    EXPECT_TRUE(NearColour(image, OnCircleX(240), OnCircleY(240), colours::Black));
    for (double a : {0.0, 90.0, 270.0, 100.0, 260.0})
        EXPECT_FALSE(NearColour(image, OnCircleX(a), OnCircleY(a), colours::Black)) << a;
}

TEST(QPainterCanvasArcs, OnAWideEllipseTheArcStopsWhereTheEndRadialCrossesIt) {
    // Box 10..91 x 10..51: centre (50, 30), semi-axes 40 and 20. The radial at 45 degrees
    // up-right meets the ellipse at x = y = 1 / sqrt(1/40^2 + 1/20^2) = 17.89 from the
    // centre, which is parametric angle atan(40/20) = 63.43 degrees.
    const QImage image = Paint(100, 60, [](Canvas& c) {
        c.SetPenColour(colours::Blue);
        c.Arc(10, 10, 91, 51, {95, 30}, {150, -70});
    });
    auto onEllipse = [](double t) {
        const double r = t * std::numbers::pi / 180;
        return std::pair{50 + 40 * std::cos(r), 30 - 20 * std::sin(r)};
    };
    for (double t : {10.0, 30.0, 55.0, 60.0}) {
        const auto [x, y] = onEllipse(t);
        EXPECT_TRUE(NearColour(image, x, y, colours::Blue)) << t;
    }
    for (double t : {70.0, 90.0, 180.0, 270.0}) {
        const auto [x, y] = onEllipse(t);
        EXPECT_FALSE(NearColour(image, x, y, colours::Blue)) << t;
    }
}

TEST(QPainterCanvasPixels, SetPixelSetsExactlyThatPixel) {
    const QImage image = Paint(20, 20, [](Canvas& c) {
        c.SetPenWidth(5);  // no effect on a pixel
        c.SetPixel({7, 9}, Rgb{12, 34, 56});
    });
    EXPECT_EQ(At(image, 7, 9), (Rgb{12, 34, 56}));
    EXPECT_EQ(CountColour(image, colours::White), 20 * 20 - 1);
}

TEST(QPainterCanvasPixels, ClearFillsTheWholeDeviceAndKeepsThePen) {
    for (double ratio : {1.0, 2.0}) {
        const QImage image = Paint(30, 20, [](Canvas& c) {
            c.SetPenColour(colours::Red);
            c.Line({0, 5}, {29, 5});
            c.Clear(colours::Silver);
            c.Line({0, 10}, {29, 10});
        }, ratio);
        EXPECT_EQ(At(image, 0, 0), colours::Silver);
        EXPECT_EQ(At(image, image.width() - 1, image.height() - 1), colours::Silver);
        EXPECT_EQ(At(image, 15, static_cast<int>(5 * ratio)), colours::Silver);
        EXPECT_EQ(At(image, 15, static_cast<int>(10 * ratio)), colours::Red);
    }
}

// The ink of a picture: bounding box of the non-background pixels and their count.
struct Ink {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN, count = 0;
};
Ink InkOf(const QImage& image, Rgb background) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != background) {
                ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
                ++ink.count;
            }
    return ink;
}

TEST(QPainterCanvasText, TextHangsBelowAndRightOfItsPointInTheFontColour) {
    const QImage image = Paint(200, 60, [](Canvas& c) {
        c.SetTextBackground(false);
        c.SetFontColour(colours::Blue);
        c.SetFontSize(20);
        c.SetFontBold(true);
        c.TextOut({30, 15}, "HEH");
    });
    const Ink ink = InkOf(image, colours::White);
    ASSERT_GT(ink.count, 0);
    EXPECT_GE(ink.left, 30);
    EXPECT_GE(ink.top, 15);
    EXPECT_LE(ink.bottom, 15 + 26);  // within a 20-pixel font's line
    EXPECT_LE(ink.top, 15 + 8);      // capitals start near the top of the cell
    EXPECT_GT(CountColour(image, colours::Blue), 20);  // solid stems, not only antialiased edges
}

TEST(QPainterCanvasText, OpaqueTextFillsItsCellTransparentTextDoesNot) {
    auto draw = [](bool opaque) {
        return Paint(200, 60, [opaque](Canvas& c) {
            c.Clear(colours::Grey);
            c.SetTextBackground(opaque, colours::Cyan);
            c.SetFontColour(colours::Black);
            c.SetFontSize(16);
            c.TextOut({20, 10}, "Ti");
        });
    };
    const QImage opaque = draw(true);
    const QImage transparent = draw(false);
    // The cell's top-left corner is above the capital's ink.
    EXPECT_EQ(At(opaque, 20, 10), colours::Cyan);
    EXPECT_EQ(At(transparent, 20, 10), colours::Grey);
    EXPECT_GT(CountColour(opaque, colours::Cyan), 50);
    EXPECT_EQ(CountColour(transparent, colours::Cyan), 0);
    // Nothing outside the cell is touched.
    EXPECT_EQ(At(opaque, 19, 10), colours::Grey);
    EXPECT_EQ(At(opaque, 20, 9), colours::Grey);
    EXPECT_EQ(At(opaque, 150, 30), colours::Grey);
}

TEST(QPainterCanvasText, BoldAndSizeChangeTheInk) {
    auto ink = [](bool bold, int size) {
        return InkOf(Paint(300, 80, [=](Canvas& c) {
            c.SetTextBackground(false);
            c.SetFontBold(bold);
            c.SetFontSize(size);
            c.TextOut({5, 5}, "LINKMOTION");
        }), colours::White);
    };
    const Ink regular = ink(false, 14), bold = ink(true, 14), large = ink(false, 28);
    EXPECT_GT(bold.count, regular.count);
    const int regularHeight = regular.bottom - regular.top, largeHeight = large.bottom - large.top;
    EXPECT_GT(largeHeight, regularHeight * 3 / 2);
}

TEST(QPainterCanvasRobustness, DegenerateAndHugeInputDrawsWithoutFailing) {
    const QImage image = Paint(100, 100, [](Canvas& c) {
        c.SetPenWidth(INT_MAX);
        c.SetPenWidth(INT_MIN);
        c.SetFontSize(INT_MIN);
        c.SetFontSize(INT_MAX);
        c.SetFontSize(0);
        c.Line({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX});
        c.Line({50, 50}, {50, 50});
        c.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        c.Ellipse(20, 20, 20, 40);  // zero width
        c.Ellipse(20, 20, 21, 21);  // one pixel
        c.Arc(INT_MIN, INT_MIN, INT_MAX, INT_MAX, {INT_MAX, 0}, {0, INT_MIN});
        c.Arc(10, 10, 90, 90, {50, 50}, {50, 50});  // radials through the centre
        c.Arc(90, 90, 10, 10, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN});
        c.Arc(30, 30, 30, 30, {0, 0}, {1, 1});
        c.SetPixel({INT_MAX, INT_MIN}, colours::Red);
        c.SetPixel({-1, -1}, colours::Red);
        c.Polyline({});
        const std::vector<ScreenPoint> one{{3, 3}};
        c.Polyline(one);
        const std::vector<ScreenPoint> wild{{INT_MIN, 0}, {0, INT_MAX}, {INT_MAX, INT_MIN}};
        c.Polyline(wild);
        c.TextOut({INT_MAX, INT_MAX}, "far away");
        c.TextOut({INT_MIN, 40}, std::string(10000, 'W'));
        c.TextOut({10, 10}, "");
        c.TextOut({10, 60}, std::string_view("bad \xff\xfe utf-8 \0 nul", 20));
    });
    EXPECT_EQ(image.width(), 100);
    EXPECT_EQ(At(image, 90, 90), colours::Black);  // the diagonal got through the clamp
}

TEST(QPainterCanvasScaling, DoubleRatioDrawsTheSamePixelsTwiceAsFine) {
    auto draw = [](Canvas& c) {
        c.SetPenColour(colours::Red);
        c.Line({10, 20}, {40, 20});
        c.Ellipse(10, 30, 31, 51);
        c.SetPixel({5, 5}, colours::Blue);
    };
    const QImage fine = Paint(60, 60, draw, 2.0);
    ASSERT_EQ(fine.width(), 120);
    // Logical row 20 is physical rows 40 and 41, nothing either side.
    EXPECT_EQ(At(fine, 50, 40), colours::Red);
    EXPECT_EQ(At(fine, 50, 41), colours::Red);
    EXPECT_FALSE(Inked(fine, 50, 39));
    EXPECT_FALSE(Inked(fine, 50, 42));
    // The ellipse's left and right pixels are logical columns 10 and 30.
    EXPECT_EQ(At(fine, 20, 80), colours::Red);
    EXPECT_EQ(At(fine, 61, 80), colours::Red);
    EXPECT_FALSE(Inked(fine, 19, 80));
    EXPECT_FALSE(Inked(fine, 62, 80));
    for (int y : {10, 11})
        for (int x : {10, 11}) EXPECT_EQ(At(fine, x, y), colours::Blue);
}

}  // namespace
}  // namespace lm
