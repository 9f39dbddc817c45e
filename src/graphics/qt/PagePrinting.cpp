// Pages painted through the QPainter canvas: on a printer, or into a PDF in memory.

#include "graphics/qt/PagePrinting.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <cmath>
#include <span>

#include "common/AtomicFile.h"
#include "graphics/qt/QPainterCanvas.h"

namespace lm {

PageSize LocalePaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? kLetterPage : kA4Page;
}

TextWidth CanvasTextWidth() {
    return [](std::string_view text, int pixels, bool bold) {
        const QFontMetricsF metrics(CanvasFont(pixels, bold));
        const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        return static_cast<int>(std::ceil(metrics.horizontalAdvance(s)));
    };
}

void PaintPage(QPainter& painter, const Page& page, double unitsPerPoint) {
    for (const PlacedPicture& p : page.pictures) {
        if (!p.draw || p.width <= 0 || p.height <= 0 || !(p.scale > 0)) continue;
        painter.save();
        painter.scale(unitsPerPoint, unitsPerPoint);
        painter.translate(p.left, p.top);
        painter.scale(p.scale, p.scale);
        painter.setClipRect(QRectF(0, 0, p.width, p.height));
        QPainterCanvas canvas(painter);
        p.draw(canvas);
        painter.restore();
    }
}

bool PaintPages(QPagedPaintDevice& device, const std::vector<Page>& pages) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double unitsPerPoint = device.logicalDpiX() / 72.0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        PaintPage(painter, pages[i], unitsPerPoint);
    }
    return painter.end();
}

bool EncodePagesPdf(QByteArray& bytes, const std::vector<Page>& pages, PageSize size,
                    const std::string& title) {
    bytes.clear();
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        // A4 and Letter are known by name to viewers and printers.
        pdf.setPageSize(QPageSize(QSize(size.width, size.height)));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        pdf.setTitle(QString::fromStdString(title));
        pdf.setCreator("LINKMOTION Inside Admission");
        if (!PaintPages(pdf, pages)) return false;
    }
    return !bytes.isEmpty();
}

std::string SavePagesPdf(const std::string& path, const std::vector<Page>& pages, PageSize size,
                         const std::string& title) {
    QByteArray bytes;
    if (!EncodePagesPdf(bytes, pages, size, title))
        return "Cannot save \"" + path + "\": the report could not be made.";
    return WriteFileAtomically(path, std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                               static_cast<std::size_t>(bytes.size())));
}

}  // namespace lm
