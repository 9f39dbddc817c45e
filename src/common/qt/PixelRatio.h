// The pixel ratio pictures are drawn at: the screen's, kept within what memory and
// the drawing code can take.
#pragma once

#include <QWidget>

#include <algorithm>

namespace lm {

inline qreal PictureRatio(const QWidget* w) { return std::clamp(w->devicePixelRatioF(), 1.0, 4.0); }

}  // namespace lm
