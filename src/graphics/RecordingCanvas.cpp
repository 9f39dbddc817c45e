// Recording every canvas call with the pen and font it was made with.

#include "graphics/RecordingCanvas.h"

namespace lm {

RecordedOp& RecordingCanvas::Record(CanvasOp kind) {
    RecordedOp& op = ops_.emplace_back();
    op.kind = kind;
    op.pen = pen_;
    op.penWidth = penWidth_;
    op.hollow = hollow_;
    op.font = font_;
    return op;
}

void RecordingCanvas::Clear(Rgb colour) { Record(CanvasOp::Clear).colour = colour; }

void RecordingCanvas::SetPenColour(Rgb colour) {
    pen_ = colour;
    Record(CanvasOp::SetPenColour).colour = colour;
}

void RecordingCanvas::SetPenWidth(int width) {
    penWidth_ = width;
    Record(CanvasOp::SetPenWidth).value = width;
}

void RecordingCanvas::SetHollowBrush() {
    hollow_ = true;
    Record(CanvasOp::SetHollowBrush);
}

void RecordingCanvas::MoveTo(ScreenPoint p) {
    position_ = p;
    Record(CanvasOp::MoveTo).points = {p};
}

void RecordingCanvas::LineTo(ScreenPoint p) {
    Record(CanvasOp::LineTo).points = {position_, p};
    position_ = p;
}

void RecordingCanvas::Polyline(std::span<const ScreenPoint> points) {
    Record(CanvasOp::Polyline).points.assign(points.begin(), points.end());
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
    Record(CanvasOp::Ellipse).box = {left, top, right, bottom};
}

void RecordingCanvas::Arc(int left, int top, int right, int bottom, ScreenPoint start,
                          ScreenPoint end) {
    RecordedOp& op = Record(CanvasOp::Arc);
    op.box = {left, top, right, bottom};
    op.points = {start, end};
}

void RecordingCanvas::SetPixel(ScreenPoint p, Rgb colour) {
    RecordedOp& op = Record(CanvasOp::SetPixel);
    op.points = {p};
    op.colour = colour;
}

void RecordingCanvas::TextOut(ScreenPoint p, std::string_view text) {
    RecordedOp& op = Record(CanvasOp::TextOut);
    op.points = {p};
    op.text = std::string(text);
}

void RecordingCanvas::SetTextBackground(bool opaque, Rgb colour) {
    RecordedOp& op = Record(CanvasOp::SetTextBackground);
    op.flag = opaque;
    op.colour = colour;
}

void RecordingCanvas::SetFontColour(Rgb colour) {
    font_ = colour;
    Record(CanvasOp::SetFontColour).colour = colour;
}

void RecordingCanvas::SetFontBold(bool bold) { Record(CanvasOp::SetFontBold).flag = bold; }

void RecordingCanvas::SetFontSize(int pixels) { Record(CanvasOp::SetFontSize).value = pixels; }

std::vector<RecordedOp> RecordingCanvas::OfKind(CanvasOp kind) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops_)
        if (op.kind == kind) out.push_back(op);
    return out;
}

std::vector<RecordedOp> RecordingCanvas::Marks() const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops_) {
        switch (op.kind) {
            case CanvasOp::LineTo:
            case CanvasOp::Polyline:
            case CanvasOp::Ellipse:
            case CanvasOp::Arc:
            case CanvasOp::SetPixel:
            case CanvasOp::TextOut:
                out.push_back(op);
                break;
            default:
                break;
        }
    }
    return out;
}

std::vector<Segment> RecordingCanvas::Segments() const {
    std::vector<Segment> out;
    for (const RecordedOp& op : ops_) {
        if (op.kind != CanvasOp::LineTo && op.kind != CanvasOp::Polyline) continue;
        for (std::size_t i = 1; i < op.points.size(); ++i)
            out.push_back({op.points[i - 1], op.points[i], op.pen, op.penWidth});
    }
    return out;
}

std::vector<Segment> RecordingCanvas::SegmentsIn(Rgb pen) const {
    std::vector<Segment> out;
    for (const Segment& s : Segments())
        if (s.pen == pen) out.push_back(s);
    return out;
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> out;
    for (const RecordedOp& op : ops_)
        if (op.kind == CanvasOp::TextOut) out.push_back(op.text);
    return out;
}

}  // namespace lm
