// Where a window opens beside the main window.

#include "common/qt/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace lm {

std::optional<QPoint> PlaceBeside(const QRect& owner, QSize size, const QRect& screen) {
    if (size.height() > screen.height()) return std::nullopt;
    const int top = std::clamp(owner.top(), screen.top(), screen.bottom() + 1 - size.height());
    const int roomRight = screen.right() - owner.right();
    const int roomLeft = owner.left() - screen.left();
    if (roomRight >= size.width()) return QPoint(owner.right() + 1, top);
    if (roomLeft >= size.width()) return QPoint(owner.left() - size.width(), top);
    // Short of room on both sides: against the screen's edge on the roomier side, over
    // the owner's edge rather than its middle, while at least half the window is beside it.
    if (std::max(roomLeft, roomRight) * 2 < size.width()) return std::nullopt;
    if (roomRight >= roomLeft) return QPoint(screen.right() + 1 - size.width(), top);
    return QPoint(screen.left(), top);
}

void MoveBesideOwner(QWidget* window) {
    const QWidget* owner = window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr;
    if (owner == nullptr || !owner->isVisible() || owner->screen() == nullptr) return;
    // Before it is first shown a window has no frame yet: it gets the owner's.
    const QSize frame = owner->frameGeometry().size() - owner->geometry().size();
    const QSize size = window->size() + frame;
    if (const auto at = PlaceBeside(owner->frameGeometry(), size, owner->screen()->availableGeometry()))
        window->move(*at);
}

}  // namespace lm
