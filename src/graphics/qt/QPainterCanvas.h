// The canvas that draws onto the screen, PNG or SVG through a QPainter.

#pragma once

#include <QFontMetrics>

#include <optional>

#include "graphics/Canvas.h"
#include "graphics/qt/TextLayouts.h"

class QFont;
class QPainter;

namespace lm {

// The font the canvas draws text in at that pixel size: for measuring text as drawn.
QFont CanvasFont(int pixels, bool bold);

// Plays Canvas calls onto a QPainter, on whatever device it is painting: a QImage (the
// screen picture and PNG), a widget or a QSvgGenerator. Lines and outlines follow the
// old raster conventions the pictures were laid out for: no antialiasing, a line leaves
// out its last pixel, an ellipse box's right and bottom edges are outside it.
//
// Starting state: black pen one pixel wide, hollow brush, black 13-pixel regular text on
// an opaque white background, current position (0, 0).
//
// Coordinates beyond +-1,000,000 are clamped; degenerate or inverted boxes draw nothing
// or a normalised shape, never fail.
class QPainterCanvas final : public Canvas {
public:
    // The painter must be active and outlive the canvas, and keep its transform while the
    // canvas draws. Its pen, brush, font and render hints are set here and left changed.
    explicit QPainterCanvas(QPainter& painter);
    // Texts are drawn from layouts kept in `layouts` (same pixels, less work): for a
    // window that draws the same texts again and again.
    QPainterCanvas(QPainter& painter, TextLayouts& layouts);

    void Clear(Rgb colour) override;

    void SetPenColour(Rgb colour) override;
    void SetPenWidth(int width) override;
    void SetHollowBrush() override;

    void MoveTo(ScreenPoint p) override;
    void LineTo(ScreenPoint p) override;
    void Polyline(std::span<const ScreenPoint> points) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Arc(int left, int top, int right, int bottom, ScreenPoint start, ScreenPoint end) override;
    void SetPixel(ScreenPoint p, Rgb colour) override;

    void TextOut(ScreenPoint p, std::string_view text) override;
    void SetTextBackground(bool opaque, Rgb colour = colours::White) override;
    void SetFontColour(Rgb colour) override;
    void SetFontBold(bool bold) override;
    void SetFontSize(int pixels) override;
    int TextWidth(std::string_view text) override;

    static constexpr int kCoordinateLimit = 1'000'000;
    static constexpr int kMaxPenWidth = 100;
    static constexpr int kDefaultFontSize = 13;
    static constexpr int kMaxFontSize = 500;

private:
    void ApplyPen();
    void ApplyFont();
    // Offset that puts a stroke of the current width on the pixels the raster engine
    // uses at scale 1.
    double StrokeOffset() const;

    QPainter& painter_;
    // True where Qt's one-pixel raster path does not apply (scaled or vector output),
    // so odd-width strokes must be centred on pixel centres by hand.
    bool centreOddStrokes_ = false;

    Rgb penColour_ = colours::Black;
    int penWidth_ = 1;
    ScreenPoint current_{};

    Rgb fontColour_ = colours::Black;
    bool fontBold_ = false;
    // The metrics of the font last applied, made once per font: making them for every
    // text is a good part of drawing a readout.
    std::optional<QFontMetrics> metrics_;
    TextLayouts* layouts_ = nullptr;
    TextLayouts::Font layoutFont_;  // the font last applied, as the layouts know it
    int fontSize_ = kDefaultFontSize;
    bool textOpaque_ = true;
    Rgb textBackground_ = colours::White;
};

}  // namespace lm
