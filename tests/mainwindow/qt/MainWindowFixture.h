// The main window under test, with hand-driven ticks and widgets found by name.

#pragma once

// The main window made for a test, its ticks driven by hand, and its widgets and menu
// items found by the names people know them by.

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <memory>

#include <gtest/gtest.h>

#include "mainwindow/qt/MainForm.h"

namespace lm::test {

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<MainForm>(model, MainFormOptions{16, false});
        // No test may stop on a real message box; those that care answer themselves.
        form->FileHooks.askToSaveChanges = [](QWidget*, const QString&) { return UnsavedAnswer::Discard; };
    }

    QPushButton* button(const char* name) {
        auto* b = form->findChild<QPushButton*>(name);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    QScrollBar* bar(const char* name) {
        auto* b = form->findChild<QScrollBar*>(name);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    QAction* action(const char* name) {
        auto* a = form->findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    QWidget* widget(const char* name) {
        auto* w = form->findChild<QWidget*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    bool shown(QWidget* w) const { return w->isVisibleTo(form.get()); }
    void tick() { form->Timer1Timer(); }

    Model model;
    std::unique_ptr<MainForm> form;
};

// Where a part of a horizontal scroll bar lies (an arrow, a trough half), as its style
// draws it.
inline QPoint ScrollBarPart(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    if (bar->orientation() == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar).center();
}

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A press and release on one part of the bar, as a user's click.
inline void ClickScrollBar(QScrollBar* bar, QStyle::SubControl part) {
    const QPoint at = ScrollBarPart(bar, part);
    SendMouse(bar, QEvent::MouseButtonPress, at);
    SendMouse(bar, QEvent::MouseButtonRelease, at);
}

}  // namespace lm::test
