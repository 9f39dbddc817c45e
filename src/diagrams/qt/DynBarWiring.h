// Making the dynamic-variable scroll bars every window with dynamic variables shares.

#pragma once

#include <QRect>
#include <QString>

#include <functional>

class QScrollBar;
class QWidget;

namespace lm {

// What a window does with its dynamic-variable bar k (1..4). The main window's bars and
// every diagram's bars are wired the same way; only these reactions differ.
struct DynBarReactions {
    // Every position the bar reports, including the 0 it is put back to afterwards.
    std::function<void(int bar, int position)> Changed;
    // The bar took the focus: the value before the user's change is remembered.
    std::function<void(int bar)> Entered;
    // A click, drag or key stroke on the bar has ended.
    std::function<void(int bar)> ScrollEnded;
};

// Makes dynamic-variable bar k: the shared range and steps, hidden, taking the focus on a
// click. After each reported change the bar is put back to 0; that reset reports once more
// with position 0, which the step rule must see, so it is not blocked. A wheel turn has no
// end the undo history could record, so the bars ignore the wheel.
QScrollBar* CreateDynBar(QWidget* parent, int bar, const QString& name, const QRect& geometry,
                         DynBarReactions reactions);

}  // namespace lm
