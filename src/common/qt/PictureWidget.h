// The client area of a window whose content is a kept picture: it shows the picture and
// hands the mouse to the window. Nothing is drawn or opened from inside the paint.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

namespace lm {

class PictureWidget : public QWidget {
public:
    // `picture` is read at every paint; the part of the widget it does not cover shows
    // `background`.
    PictureWidget(QWidget* parent, std::function<const QImage&()> picture, QColor background);

    std::function<void(Qt::MouseButton, QPoint)> MousePressed;
    // Set, it turns on mouse tracking.
    void SetMouseMoved(std::function<void()> moved);
    std::function<void(QPoint globalPos)> ContextMenuAsked;
    std::function<void(QSize)> Resized;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::function<const QImage&()> picture_;
    QColor background_;
    std::function<void()> mouseMoved_;
};

}  // namespace lm
