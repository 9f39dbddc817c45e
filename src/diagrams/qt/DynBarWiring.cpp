// The dynamic-variable bars' wiring: focus, end of a click, drag or key stroke, no wheel.

#include "diagrams/qt/DynBarWiring.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <memory>

#include "common/qt/HorizontalBar.h"
#include "model/DynamicVariables.h"

namespace lm {

namespace {

// Sees the bar gain the focus and end a scroll; owned by the bar.
class DynBarWatcher : public QObject {
public:
    DynBarWatcher(QScrollBar* bar, int k, std::shared_ptr<const DynBarReactions> reactions)
        : QObject(bar), k_(k), reactions_(std::move(reactions)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::FocusIn:
                if (reactions_->Entered) reactions_->Entered(k_);
                break;
            case QEvent::MouseButtonRelease:
                // The end of an arrow click, a page click or a drag: every step of it has
                // been applied by now.
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) Ended();
                break;
            case QEvent::KeyRelease: {
                const auto* key = static_cast<QKeyEvent*>(event);
                if (IsScrollKey(key->key()) && !key->isAutoRepeat()) Ended();
                break;
            }
            case QEvent::Wheel:
                return true;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool IsScrollKey(int key) {
        return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_PageUp ||
               key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down;
    }
    void Ended() {
        if (reactions_->ScrollEnded) reactions_->ScrollEnded(k_);
    }

    int k_;
    std::shared_ptr<const DynBarReactions> reactions_;
};

}  // namespace

QScrollBar* CreateDynBar(QWidget* parent, int k, const QString& name, const QRect& geometry,
                         DynBarReactions reactions) {
    QScrollBar* b = MakeHorizontalBar(parent, name, geometry, kDynBarMin, kDynBarMax,
                                      kDynBarSmallChange, kDynBarLargeChange);
    b->hide();
    auto shared = std::make_shared<const DynBarReactions>(std::move(reactions));
    b->installEventFilter(new DynBarWatcher(b, k, shared));
    QObject::connect(b, &QScrollBar::valueChanged, b, [b, k, shared](int position) {
        if (shared->Changed) shared->Changed(k, position);
        if (b->value() != 0) b->setValue(0);
    });
    return b;
}

}  // namespace lm
