// The number box: what typing, pasting and dropping leave in it, and where Enter goes.
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QWidget>

#include <gtest/gtest.h>

#include "common/qt/NumericEdit.h"

namespace lm {
namespace {

class NumericEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 80);
        box = new NumericEdit(&window);
        next = new NumericEdit(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        box->setFocus();
    }
    void Key(QWidget* w, int key, const QString& text = {}, Qt::KeyboardModifiers mods = {}) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(w, &press);
    }
    void Type(const QString& text) {
        for (QChar ch : text) Key(box, ch.unicode(), QString(ch));
    }

    QWidget window;
    NumericEdit* box = nullptr;
    NumericEdit* next = nullptr;
};

TEST_F(NumericEditTest, TypingKeepsOneSignOnePointAndDigits) {
    Type("-12a.5-.x3");
    EXPECT_EQ(box->text(), "-12.53");
    Key(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "-12.5");
    // Where the sign stands is not checked: "12-3" can be typed.
    box->clear();
    Type("12-3");
    EXPECT_EQ(box->text(), "12-3");
}

TEST_F(NumericEditTest, KeysAreReportedWithWhetherTheFilterTookThem) {
    std::vector<bool> seen;
    QObject::connect(box, &NumericEdit::KeyTyped, [&seen](bool accepted) { seen.push_back(accepted); });
    Type("1.x.");
    Key(box, Qt::Key_Backspace);
    EXPECT_EQ(seen, (std::vector<bool>{true, true, false, false, true}));
}

TEST_F(NumericEditTest, PastedAndDroppedTextObeyTheFilter) {
    Type("7");
    QApplication::clipboard()->setText("1,234.5e-6 mm");
    box->paste();
    EXPECT_EQ(box->text(), "71234.5-6");

    box->clear();
    QMimeData mime;
    mime.setText("--8..25x");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    EXPECT_EQ(box->text(), "-8.25");
}

TEST_F(NumericEditTest, MinusRefusedWhereNotAllowed) {
    NumericEdit positive(&window, false);
    positive.insert("-3.5");
    EXPECT_EQ(positive.text(), "3.5");
}

TEST_F(NumericEditTest, EnterMovesTheFocusOnAndIsNotTyped) {
    Type("4");
    Key(box, Qt::Key_Return, "\r");
    EXPECT_EQ(box->text(), "4");
    EXPECT_EQ(QApplication::focusWidget(), next);

    next->SetEnterTarget(box);
    Key(next, Qt::Key_Enter, "\r");
    EXPECT_EQ(QApplication::focusWidget(), box);

    box->SetEnterRefused(true);
    Key(box, Qt::Key_Return, "\r");
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->text(), "4");
}

}  // namespace
}  // namespace lm
