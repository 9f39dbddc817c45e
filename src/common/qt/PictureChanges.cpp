// Finds the tiles of the picture that differ from what was last shown.

#include "common/qt/PictureChanges.h"

#include <QtMath>

#include <algorithm>
#include <cstring>
#include <vector>

namespace lm {

namespace {

// Changes are gathered in tiles of this many device pixels a side: small enough to miss
// the controls beside a changing readout, large enough to keep the region short.
constexpr int kTile = 16;

}  // namespace

QRegion PictureChanges::Between(const QImage& now, const QImage& before, const QRect& shown,
                                const QRect& controls) {
    const qreal dpr = now.devicePixelRatio();
    const QRect device = QRect(QPoint(0, 0), now.size())
                             .intersected(QRectF(QRectF(shown).topLeft() * dpr, QRectF(shown).size() * dpr)
                                              .toAlignedRect());
    const bool comparable = !now.isNull() && !before.isNull() && before.size() == now.size() &&
                            before.format() == now.format() && before.devicePixelRatio() == dpr &&
                            now.depth() == 32 && lastShown_ == shown;
    lastShown_ = shown;
    if (!comparable) return QRegion(shown);

    QRegion changed;
    const int compareTop = qFloor(controls.top() * dpr);
    const int compareBottom = qCeil((controls.bottom() + 1) * dpr) - 1;
    const int bytesPerPixel = 4;
    const std::size_t rowBytes = static_cast<std::size_t>(device.width()) * bytesPerPixel;
    const int tilesAcross = (device.width() + kTile - 1) / kTile;
    std::vector<char> tileChanged(static_cast<std::size_t>(tilesAcross));
    for (int bandTop = device.top(); bandTop <= device.bottom(); bandTop += kTile) {
        const int bandBottom = std::min(bandTop + kTile - 1, device.bottom());
        if (controls.isEmpty() || bandBottom < compareTop || bandTop > compareBottom) {
            changed += QRectF(device.left() / dpr, bandTop / dpr, device.width() / dpr,
                              (bandBottom + 1 - bandTop) / dpr)
                           .toAlignedRect();
            continue;
        }
        std::fill(tileChanged.begin(), tileChanged.end(), 0);
        int firstRow = -1, lastRow = -1;
        for (int y = bandTop; y <= bandBottom; ++y) {
            const uchar* a = now.constScanLine(y) + device.left() * bytesPerPixel;
            const uchar* b = before.constScanLine(y) + device.left() * bytesPerPixel;
            if (std::memcmp(a, b, rowBytes) == 0) continue;
            // A tile known to have changed need not be looked at again.
            for (int t = 0; t < tilesAcross; ++t) {
                if (tileChanged[static_cast<std::size_t>(t)]) continue;
                const std::size_t at = static_cast<std::size_t>(t) * kTile * bytesPerPixel;
                const std::size_t n = std::min<std::size_t>(kTile * bytesPerPixel, rowBytes - at);
                if (std::memcmp(a + at, b + at, n) != 0) tileChanged[static_cast<std::size_t>(t)] = 1;
            }
            if (firstRow < 0) firstRow = y;
            lastRow = y;
        }
        if (firstRow < 0) continue;
        // Runs of changed tiles over the band's changed rows, back in logical pixels.
        for (int t = 0; t < tilesAcross;) {
            if (!tileChanged[static_cast<std::size_t>(t)]) {
                ++t;
                continue;
            }
            int end = t;
            while (end < tilesAcross && tileChanged[static_cast<std::size_t>(end)]) ++end;
            const int left = device.left() + t * kTile;
            const int right = std::min(device.left() + end * kTile, device.right() + 1);
            const QRectF run(left / dpr, firstRow / dpr, (right - left) / dpr, (lastRow + 1 - firstRow) / dpr);
            changed += run.toAlignedRect();
            t = end;
        }
    }
    return changed.intersected(shown);
}

}  // namespace lm
