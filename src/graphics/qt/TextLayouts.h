// Texts laid out once and drawn again from their glyphs: the main window draws the same
// readout texts tick after tick, and laying them out costs more than drawing them.
#pragma once

#include <QGlyphRun>
#include <QList>
#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

class QPainter;

namespace lm {

class TextLayouts {
public:
    struct Layout {
        int width = 0;         // what QFontMetrics::horizontalAdvance gives the whole text
        double indent = 0.0;   // advance of the leading blanks
        QList<QGlyphRun> runs; // the rest, baseline at y = 0, starting at x = 0
    };

    // What tells one font on one device from another. The canvas sets its fonts only by
    // size and weight, so those and the device's resolution are enough.
    struct Font {
        int pixels = 0;
        bool bold = false;
        double ratio = 1.0;
        int dpiX = 0, dpiY = 0;
        bool operator==(const Font&) const = default;
    };
    static Font FontOf(const QPainter& painter, int pixels, bool bold);

    // Leading blanks (right-aligned numbers) are drawn as an offset: SVG viewers disagree
    // on whether blanks in a text element take up room, a position they all honour. The
    // offset is fractional, as the layout itself advances, so the picture keeps its pixels.
    struct Blanks {
        qsizetype count = 0;
        double indent = 0.0;
    };
    static Blanks LeadingBlanks(const QPainter& painter, const QString& text);

    // The layout of `text` in the painter's font (described by `font`) on its device,
    // made on first use.
    const Layout& Of(const QPainter& painter, const Font& font, std::string_view text);

    static constexpr std::size_t kMaxTexts = 4096;

private:
    struct Key {
        Font font;
        std::string text;  // as given: no conversion is needed to find a kept layout
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const noexcept;
    };
    std::unordered_map<Key, Layout, KeyHash> layouts_;
};

}  // namespace lm
