// Texts laid out once and drawn again from their glyphs: the main window draws the same
// readout texts tick after tick, and laying them out costs more than drawing them.
#pragma once

#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>

class QPainter;

namespace lm {

class TextLayouts {
public:
    struct Layout {
        int width = 0;         // what QFontMetrics::horizontalAdvance gives the whole text
        double indent = 0.0;   // advance of the leading blanks
        QList<QGlyphRun> runs; // the rest, baseline at y = 0, starting at x = 0
    };

    // What tells the painter's font and device apart from others: made when the font
    // changes, given with every text.
    static QString FontKey(const QPainter& painter);

    // The layout of `text` in the painter's font on its device, made on first use.
    const Layout& Of(const QPainter& painter, const QString& fontKey, const QString& text);

    static constexpr int kMaxTexts = 4096;

private:
    QHash<QString, Layout> layouts_;
};

}  // namespace lm
