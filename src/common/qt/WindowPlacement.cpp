// Where a window opens beside the main window.

#include "common/qt/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace lm {

std::optional<QPoint> PlaceBeside(const QRect& owner, QSize size, const QRect& screen) {
    if (size.height() > screen.height()) return std::nullopt;
    const int top = std::clamp(owner.top(), screen.top(), screen.bottom() + 1 - size.height());
    if (owner.right() + size.width() <= screen.right()) return QPoint(owner.right() + 1, top);
    if (owner.left() - size.width() >= screen.left()) return QPoint(owner.left() - size.width(), top);
    return std::nullopt;
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
