// Laying out a text in the painter's font once, kept under the font and device it was
// made for.

#include "graphics/qt/TextLayouts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace lm {

namespace {

TextLayouts::Layout MakeLayout(const QPainter& painter, const QString& text) {
    TextLayouts::Layout layout;
    layout.width = painter.fontMetrics().horizontalAdvance(text);
    qsizetype blanks = 0;
    while (blanks < text.size() && text.at(blanks) == QLatin1Char(' ')) ++blanks;
    if (blanks > 0)
        layout.indent = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text.left(blanks));
    if (blanks == text.size()) return layout;
    QTextLayout lines(text.mid(blanks), painter.font(), painter.device());
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

QString TextLayouts::FontKey(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    const QString where = device ? QStringLiteral("%1 %2 %3")
                                       .arg(device->devicePixelRatioF())
                                       .arg(device->logicalDpiX())
                                       .arg(device->logicalDpiY())
                                 : QString();
    return painter.font().key() + QLatin1Char(' ') + where + QLatin1Char('\x1f');
}

const TextLayouts::Layout& TextLayouts::Of(const QPainter& painter, const QString& fontKey,
                                           const QString& text) {
    const QString key = fontKey + text;
    auto found = layouts_.constFind(key);
    if (found != layouts_.constEnd()) return *found;
    // A turning gear repeats its readouts every revolution; past this many the oldest
    // are no better a guess than any, so all go.
    if (layouts_.size() >= kMaxTexts) layouts_.clear();
    return *layouts_.insert(key, MakeLayout(painter, text));
}

}  // namespace lm
