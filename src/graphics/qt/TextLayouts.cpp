// Laying out a text in the painter's font once, kept under the font and device it was
// made for.

#include "graphics/qt/TextLayouts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <functional>
#include <utility>

namespace lm {

namespace {

TextLayouts::Layout MakeLayout(const QPainter& painter, const QString& text) {
    TextLayouts::Layout layout;
    layout.width = painter.fontMetrics().horizontalAdvance(text);
    const TextLayouts::Blanks blanks = TextLayouts::LeadingBlanks(painter, text);
    layout.indent = blanks.indent;
    if (blanks.count == text.size()) return layout;
    QTextLayout lines(text.mid(blanks.count), painter.font(), painter.device());
    lines.beginLayout();
    QTextLine line = lines.createLine();
    if (line.isValid()) line.setPosition(QPointF(0, 0));
    lines.endLayout();
    if (!line.isValid()) return layout;
    // The glyphs are placed on the baseline, so drawing them at the point drawText is
    // given puts them where drawText would.
    const double baseline = line.ascent();
    for (QGlyphRun run : lines.glyphRuns()) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions) p.ry() -= baseline;
        run.setPositions(positions);
        layout.runs.append(run);
    }
    return layout;
}

}  // namespace

TextLayouts::Blanks TextLayouts::LeadingBlanks(const QPainter& painter, const QString& text) {
    Blanks blanks;
    while (blanks.count < text.size() && text.at(blanks.count) == QLatin1Char(' ')) ++blanks.count;
    if (blanks.count > 0)
        blanks.indent = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text.left(blanks.count));
    return blanks;
}

TextLayouts::Font TextLayouts::FontOf(const QPainter& painter, int pixels, bool bold) {
    const QPaintDevice* device = painter.device();
    if (!device) return {pixels, bold, 1.0, 0, 0};
    return {pixels, bold, device->devicePixelRatioF(), device->logicalDpiX(), device->logicalDpiY()};
}

std::size_t TextLayouts::KeyHash::operator()(const Key& k) const noexcept {
    return qHashMulti(std::hash<std::string>{}(k.text), k.font.pixels, k.font.bold, k.font.ratio, k.font.dpiX,
                      k.font.dpiY);
}

const TextLayouts::Layout& TextLayouts::Of(const QPainter& painter, const Font& font, std::string_view text) {
    Key key{font, std::string(text)};
    auto found = layouts_.find(key);
    if (found != layouts_.end()) return found->second;
    // A turning gear repeats its readouts every revolution; past this many the oldest
    // are no better a guess than any, so all go.
    if (layouts_.size() >= kMaxTexts) layouts_.clear();
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return layouts_.emplace(std::move(key), MakeLayout(painter, s)).first->second;
}

}  // namespace lm
