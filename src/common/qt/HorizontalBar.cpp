// The horizontal bar's arrow keys, and the helper that makes one with its range and hint.

#include "common/qt/HorizontalBar.h"

#include <QKeyEvent>

#include "common/qt/ControlPlaces.h"

namespace lm {

void HorizontalBar::keyPressEvent(QKeyEvent* e) {
    // The scroll bar's own handling turns Left/Right round; a keyboard user expects what
    // the arrow buttons do.
    if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
        switch (e->key()) {
            case Qt::Key_Right:
            case Qt::Key_Up:
                triggerAction(SliderSingleStepAdd);
                e->accept();
                return;
            case Qt::Key_Left:
            case Qt::Key_Down:
                triggerAction(SliderSingleStepSub);
                e->accept();
                return;
            default:
                break;
        }
    }
    QScrollBar::keyPressEvent(e);
}

HorizontalBar* MakeHorizontalBar(QWidget* parent, const QString& name, const QRect& geometry,
                                 int min, int max, int small, int large, const QString& hint) {
    auto* b = new HorizontalBar(parent);
    b->setObjectName(name);
    PlaceControl(b, geometry);
    b->setRange(min, max);
    b->setSingleStep(small);
    b->setPageStep(large);
    if (!hint.isEmpty()) b->setToolTip(hint);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

}  // namespace lm
