// The drawing interface every picture goes through, with its colours and points.

#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace lm {

// A colour as red, green and blue bytes.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

namespace colours {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Lime{0, 255, 0};
inline constexpr Rgb DarkGreen{0, 128, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Magenta{255, 0, 255};
inline constexpr Rgb Cyan{0, 255, 255};
inline constexpr Rgb Grey{128, 128, 128};
inline constexpr Rgb Silver{192, 192, 192};
}  // namespace colours

struct ScreenPoint {
    int x = 0, y = 0;
    friend bool operator==(ScreenPoint, ScreenPoint) = default;
};

// Everything a picture of this program is drawn with. Pixel coordinates, y down.
// Drawing code depends on this interface only; the QPainter canvas plays it onto the
// screen, PNG or SVG, and the recording canvas keeps it for tests.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Fills the whole surface; the pen and font are left as they are.
    virtual void Clear(Rgb colour) = 0;

    virtual void SetPenColour(Rgb colour) = 0;
    virtual void SetPenWidth(int width) = 0;
    // Closed shapes are outlines only.
    virtual void SetHollowBrush() = 0;

    virtual void MoveTo(ScreenPoint p) = 0;
    // Draws from the current position to p, which becomes the current position.
    virtual void LineTo(ScreenPoint p) = 0;
    virtual void Polyline(std::span<const ScreenPoint> points) = 0;
    // The ellipse inscribed in the box.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Part of the box's ellipse, counter-clockwise on screen from the radial through
    // start to the radial through end.
    virtual void Arc(int left, int top, int right, int bottom, ScreenPoint start, ScreenPoint end) = 0;
    virtual void SetPixel(ScreenPoint p, Rgb colour) = 0;

    // Text with its top-left corner at p, in the current font colour, bold and size.
    virtual void TextOut(ScreenPoint p, std::string_view text) = 0;
    // Opaque text fills its box with the given colour first; transparent text does not.
    virtual void SetTextBackground(bool opaque, Rgb colour = colours::White) = 0;
    virtual void SetFontColour(Rgb colour) = 0;
    virtual void SetFontBold(bool bold) = 0;
    // Font size in pixels.
    virtual void SetFontSize(int pixels) = 0;
    // How wide the text would be drawn in the current font, in pixels; 0 where the canvas
    // cannot measure (the recording and null canvases).
    virtual int TextWidth(std::string_view) { return 0; }

    void Line(ScreenPoint a, ScreenPoint b) {
        MoveTo(a);
        LineTo(b);
    }
};

// Draws a picture onto the canvas it is given, in logical pixels of the picture's size.
using DrawPicture = std::function<void(Canvas&)>;

}  // namespace lm
