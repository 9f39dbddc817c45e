// Pages of pictures painted onto a printer or into a PDF.

#pragma once

#include <QByteArray>

#include <string>
#include <vector>

#include "graphics/Pages.h"

class QPagedPaintDevice;
class QPainter;

namespace lm {

// The paper of the user's locale: Letter in the US, otherwise A4.
PageSize LocalePaper();

// Text widths in the canvas's font, as the QPainter canvas draws it.
TextWidth CanvasTextWidth();

// One page onto a painter whose one unit is `unitsPerPoint` of a point from the paper's
// top-left corner: each picture through the QPainter canvas, scaled into its box and
// clipped to it, so lines and text stay vectors.
void PaintPage(QPainter& painter, const Page& page, double unitsPerPoint);

// Every page onto a device already set to the pages' size, a new sheet for each after
// the first. False when the device cannot be painted on.
bool PaintPages(QPagedPaintDevice& device, const std::vector<Page>& pages);

// The pages as a PDF of that page size, in memory; false when it cannot be made.
bool EncodePagesPdf(QByteArray& bytes, const std::vector<Page>& pages, PageSize size,
                    const std::string& title);

// Written through the safe replace every file goes through: a failure leaves an existing
// file as it was and nothing half-written. An error message naming the file, empty on
// success; the path is UTF-8.
std::string SavePagesPdf(const std::string& path, const std::vector<Page>& pages, PageSize size,
                         const std::string& title);

}  // namespace lm
