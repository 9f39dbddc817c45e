// Showing the kept picture and passing mouse presses, moves and context menus to the window.

#include "common/qt/PictureWidget.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace lm {

PictureWidget::PictureWidget(QWidget* parent, std::function<const QImage&()> picture,
                             QColor background)
    : QWidget(parent), picture_(std::move(picture)), background_(background) {
    // The paint covers every pixel itself, so nothing is filled underneath first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::SetMouseMoved(std::function<void()> moved) {
    mouseMoved_ = std::move(moved);
    setMouseTracking(static_cast<bool>(mouseMoved_));
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage& image = picture_();
    const QSize shown = image.isNull() ? QSize() : image.deviceIndependentSize().toSize();
    if (shown.width() < width() || shown.height() < height()) p.fillRect(rect(), background_);
    if (image.isNull()) return;
    // Rectangle by rectangle: under a one-rectangle clip the picture is copied row by row,
    // while a many-rectangle clip sends every copy through the painter's worker threads,
    // whose hand-overs cost more than the copy.
    for (const QRect& r : event->region()) {
        p.setClipRect(r);
        p.drawImage(0, 0, image);
    }
}

void PictureWidget::mousePressEvent(QMouseEvent* e) {
    if (MousePressed) MousePressed(e->button(), e->position().toPoint());
}

void PictureWidget::mouseMoveEvent(QMouseEvent*) {
    if (mouseMoved_) mouseMoved_();
}

void PictureWidget::contextMenuEvent(QContextMenuEvent* e) {
    if (ContextMenuAsked) ContextMenuAsked(e->globalPos());
    else QWidget::contextMenuEvent(e);
}

void PictureWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (Resized) Resized(e->size());
}

}  // namespace lm
