// Where a window opens beside the main window.

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace lm {

// The top-left corner for a window whose frame is `size`, beside the owner's frame: to its
// right, else to its left, level with its top (moved up as far as the screen needs). Where
// neither side has the whole room, against the screen's edge on the roomier side while at
// least half the window stands beside the owner; otherwise nothing.
std::optional<QPoint> PlaceBeside(const QRect& owner, QSize size, const QRect& screen);

// Moves `window` beside its parent's window where the screen has room; elsewhere it opens
// where it would have opened.
void MoveBesideOwner(QWidget* window);

}  // namespace lm
