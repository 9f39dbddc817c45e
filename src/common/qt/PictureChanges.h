// What of a kept picture changed from one drawing to the next, so the window repaints
// only there: a repaint also redraws every control lying over the repainted part, which
// costs more than drawing the picture itself.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

namespace lm {

class PictureChanges {
public:
    // The part of `shown` (logical pixels) where `now` differs from `before`, the picture
    // the window showed last; all of `shown` whenever the two cannot be compared or the
    // shown part is not the one of the last call. Only the rows `controls` spans are
    // compared: elsewhere a repaint redraws no control, and costs less than the comparison.
    QRegion Between(const QImage& now, const QImage& before, const QRect& shown, const QRect& controls);

private:
    QRect lastShown_;
};

}  // namespace lm
