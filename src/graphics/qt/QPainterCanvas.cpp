// The canvas on a QPainter: clamped coordinates and the raster conventions of the
// pictures' layout.

#include "graphics/qt/QPainterCanvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "graphics/qt/FontFaces.h"

namespace lm {

namespace {

int ClampCoordinate(int v) {
    return std::clamp(v, -QPainterCanvas::kCoordinateLimit, QPainterCanvas::kCoordinateLimit);
}

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// A box given the raster way (right and bottom edges outside), normalised.
struct Box {
    double left, top, width, height;  // width and height count pixels
};

Box NormalisedBox(int left, int top, int right, int bottom) {
    const int l = ClampCoordinate(left), r = ClampCoordinate(right);
    const int t = ClampCoordinate(top), b = ClampCoordinate(bottom);
    return {double(std::min(l, r)), double(std::min(t, b)), double(std::abs(r - l)),
            double(std::abs(b - t))};
}

// The geometric rectangle whose one-pixel outline covers the box's pixels and no more.
QRectF OutlineRect(const Box& box, double offset) {
    return QRectF(box.left + offset, box.top + offset, box.width - 1, box.height - 1);
}

// Qt places arc angles on the ellipse parametrically, so the angle of the point where a
// screen radial meets the ellipse depends on the box's aspect, not only on the radial.
double ParametricAngleDegrees(const QRectF& rect, QPointF through) {
    const double dx = through.x() - rect.center().x();
    const double dyUp = rect.center().y() - through.y();
    const double a = rect.width() / 2, b = rect.height() / 2;
    const double radians = (a > 0 && b > 0) ? std::atan2(dyUp * a, dx * b) : std::atan2(dyUp, dx);
    return radians * 180.0 / std::numbers::pi;
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter) : painter_(painter) {
    const QPaintDevice* device = painter_.device();
    const QPaintEngine* engine = painter_.paintEngine();
    const QTransform world = painter_.worldTransform();
    const bool wholePixelShift = world.type() <= QTransform::TxTranslate &&
                                 world.dx() == std::round(world.dx()) &&
                                 world.dy() == std::round(world.dy());
    const bool rasterAtScaleOne = engine && engine->type() == QPaintEngine::Raster && device &&
                                  device->devicePixelRatio() == 1.0 && wholePixelShift;
    centreOddStrokes_ = !rasterAtScaleOne;

    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrush(Qt::NoBrush);
    ApplyPen();
    ApplyFont();
}

QPainterCanvas::QPainterCanvas(QPainter& painter, TextLayouts& layouts) : QPainterCanvas(painter) {
    layouts_ = &layouts;
}

void QPainterCanvas::ApplyPen() {
    QPen pen(ToQColor(penColour_));
    pen.setStyle(Qt::SolidLine);
    pen.setWidth(penWidth_);
    if (penWidth_ == 1) {
        // A one-pixel line leaves out its end pixel, so polylines and touching lines
        // do not double their joints.
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        // Wide lines have round ends and joints so closed outlines show no notches.
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    painter_.setPen(pen);
}

QFont CanvasFont(int pixels, bool bold) {
    // The readout columns run off the window's edge in a wide face.
    QFont font = FaceFont(FontFace::Narrow, pixels);
    // Coloured fringes would show on exported pictures.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setBold(bold);
    return font;
}

void QPainterCanvas::ApplyFont() {
    painter_.setFont(CanvasFont(fontSize_, fontBold_));
    metrics_.reset();
    layoutFont_ = TextLayouts::FontOf(painter_, fontSize_, fontBold_);
}

double QPainterCanvas::StrokeOffset() const {
    return (centreOddStrokes_ && penWidth_ % 2 == 1) ? 0.5 : 0.0;
}

void QPainterCanvas::Clear(Rgb colour) {
    const QPaintDevice* device = painter_.device();
    if (!device) return;
    painter_.save();
    painter_.resetTransform();
    painter_.fillRect(QRect(0, 0, device->width(), device->height()), ToQColor(colour));
    painter_.restore();
}

void QPainterCanvas::SetPenColour(Rgb colour) {
    penColour_ = colour;
    ApplyPen();
}

void QPainterCanvas::SetPenWidth(int width) {
    // Width 0 is the thinnest line, as on the old raster surfaces.
    penWidth_ = std::clamp(width, 1, kMaxPenWidth);
    ApplyPen();
}

void QPainterCanvas::SetHollowBrush() { painter_.setBrush(Qt::NoBrush); }

void QPainterCanvas::MoveTo(ScreenPoint p) { current_ = {ClampCoordinate(p.x), ClampCoordinate(p.y)}; }

void QPainterCanvas::LineTo(ScreenPoint p) {
    const ScreenPoint to{ClampCoordinate(p.x), ClampCoordinate(p.y)};
    const double o = StrokeOffset();
    painter_.drawLine(QPointF(current_.x + o, current_.y + o), QPointF(to.x + o, to.y + o));
    current_ = to;
}

void QPainterCanvas::Polyline(std::span<const ScreenPoint> points) {
    if (points.size() < 2) return;
    const double o = StrokeOffset();
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (ScreenPoint p : points) polygon.append(QPointF(ClampCoordinate(p.x) + o, ClampCoordinate(p.y) + o));
    painter_.drawPolyline(polygon);
}

void QPainterCanvas::Ellipse(int left, int top, int right, int bottom) {
    const Box box = NormalisedBox(left, top, right, bottom);
    if (box.width < 1 || box.height < 1) return;
    painter_.drawEllipse(OutlineRect(box, StrokeOffset()));
}

void QPainterCanvas::Arc(int left, int top, int right, int bottom, ScreenPoint start, ScreenPoint end) {
    const Box box = NormalisedBox(left, top, right, bottom);
    if (box.width < 1 || box.height < 1) return;
    const double o = StrokeOffset();
    const QRectF rect = OutlineRect(box, o);
    const QPointF s(ClampCoordinate(start.x) + o, ClampCoordinate(start.y) + o);
    const QPointF e(ClampCoordinate(end.x) + o, ClampCoordinate(end.y) + o);
    const double startAngle = ParametricAngleDegrees(rect, s);
    const double endAngle = ParametricAngleDegrees(rect, e);
    double sweep = std::fmod(endAngle - startAngle + 720.0, 360.0);
    // Coinciding radials mean the whole ellipse.
    if (sweep <= 0.0) sweep = 360.0;
    QPainterPath path;
    path.arcMoveTo(rect, startAngle);
    path.arcTo(rect, startAngle, sweep);
    painter_.drawPath(path);
}

void QPainterCanvas::SetPixel(ScreenPoint p, Rgb colour) {
    painter_.fillRect(QRect(ClampCoordinate(p.x), ClampCoordinate(p.y), 1, 1), ToQColor(colour));
}

void QPainterCanvas::TextOut(ScreenPoint p, std::string_view text) {
    if (text.empty()) return;
    if (!metrics_) metrics_.emplace(painter_.fontMetrics());
    const QFontMetrics& metrics = *metrics_;
    const int x = ClampCoordinate(p.x), y = ClampCoordinate(p.y);
    if (layouts_) {
        const TextLayouts::Layout& layout = layouts_->Of(painter_, layoutFont_, text);
        if (textOpaque_) painter_.fillRect(QRect(x, y, layout.width, metrics.height()), ToQColor(textBackground_));
        if (layout.runs.isEmpty()) return;
        painter_.setPen(ToQColor(fontColour_));
        const QPointF baseline(x + layout.indent, y + metrics.ascent());
        for (const QGlyphRun& run : layout.runs) painter_.drawGlyphRun(baseline, run);
        ApplyPen();
        return;
    }
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (textOpaque_)
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()),
                          ToQColor(textBackground_));
    const TextLayouts::Blanks blanks = TextLayouts::LeadingBlanks(painter_, s);
    if (blanks.count == s.size()) return;
    painter_.setPen(ToQColor(fontColour_));
    painter_.drawText(QPointF(x + blanks.indent, y + metrics.ascent()), s.mid(blanks.count));
    ApplyPen();
}

void QPainterCanvas::SetTextBackground(bool opaque, Rgb colour) {
    textOpaque_ = opaque;
    textBackground_ = colour;
}

void QPainterCanvas::SetFontColour(Rgb colour) { fontColour_ = colour; }

void QPainterCanvas::SetFontBold(bool bold) {
    if (bold == fontBold_) return;
    fontBold_ = bold;
    ApplyFont();
}

int QPainterCanvas::TextWidth(std::string_view text) {
    if (!metrics_) metrics_.emplace(painter_.fontMetrics());
    return metrics_->horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QPainterCanvas::SetFontSize(int pixels) {
    // A negative size counts as its magnitude; zero asks for the default.
    if (pixels == 0) pixels = kDefaultFontSize;
    if (pixels < 0) pixels = pixels == std::numeric_limits<int>::min() ? kMaxFontSize : -pixels;
    pixels = std::clamp(pixels, 1, kMaxFontSize);
    if (pixels == fontSize_) return;
    fontSize_ = pixels;
    ApplyFont();
}

}  // namespace lm
