// The horizontal scroll bar every window uses: the arrow keys move its thumb the way the
// arrow buttons do (Right and Up towards the right, the value up; Left and Down back).
#pragma once

#include <QRect>
#include <QScrollBar>
#include <QString>

namespace lm {

class HorizontalBar : public QScrollBar {
public:
    explicit HorizontalBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A bar at a pixel place, with its range, its arrow and page steps and its hint; it takes
// the focus on a click or a tab.
HorizontalBar* MakeHorizontalBar(QWidget* parent, const QString& name, const QRect& geometry,
                                 int min, int max, int small, int large,
                                 const QString& hint = {});

}  // namespace lm
