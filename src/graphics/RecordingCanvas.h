// A canvas that keeps its calls, to replay a picture or to check what was drawn.

#pragma once

#include <string>
#include <vector>

#include "graphics/Canvas.h"

namespace lm {

enum class CanvasOp {
    Clear,
    SetPenColour,
    SetPenWidth,
    SetHollowBrush,
    MoveTo,
    LineTo,
    Polyline,
    Ellipse,
    Arc,
    SetPixel,
    TextOut,
    SetTextBackground,
    SetFontColour,
    SetFontBold,
    SetFontSize,
};

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(Box, Box) = default;
};

// One call made on the canvas, with the pen and font in force when it was made, so a
// test can ask what colour and width a primitive came out in.
struct RecordedOp {
    CanvasOp kind = CanvasOp::Clear;
    Rgb colour{};      // Clear, SetPenColour, SetPixel, SetFontColour, SetTextBackground
    int value = 0;     // SetPenWidth, SetFontSize
    bool flag = false;  // SetTextBackground (opaque), SetFontBold
    // MoveTo: the point; LineTo: from, to; Polyline: all; Arc: start, end radials;
    // SetPixel, TextOut: the point.
    std::vector<ScreenPoint> points;
    Box box{};  // Ellipse, Arc
    std::string text;

    Rgb pen{};
    int penWidth = 1;
    bool hollow = false;
    Rgb font{};
};

// A straight piece of a LineTo or of a polyline, as drawn.
struct Segment {
    ScreenPoint from, to;
    Rgb pen{};
    int penWidth = 1;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// Keeps every call as a value instead of drawing.
class RecordingCanvas final : public Canvas {
public:
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

    const std::vector<RecordedOp>& Ops() const { return ops_; }
    // Forgets the calls; the pen, font and current position stay.
    void Forget() { ops_.clear(); }

    std::vector<RecordedOp> OfKind(CanvasOp kind) const;
    // Everything that puts pixels down (lines, polylines, ellipses, arcs, pixels, text),
    // in order; state changes left out.
    std::vector<RecordedOp> Marks() const;
    // Every LineTo and every polyline edge, in drawing order.
    std::vector<Segment> Segments() const;
    std::vector<Segment> SegmentsIn(Rgb pen) const;
    std::vector<std::string> Texts() const;

private:
    RecordedOp& Record(CanvasOp kind);

    std::vector<RecordedOp> ops_;
    ScreenPoint position_{};
    Rgb pen_ = colours::Black;
    int penWidth_ = 1;
    bool hollow_ = false;
    Rgb font_ = colours::Black;
};

}  // namespace lm
