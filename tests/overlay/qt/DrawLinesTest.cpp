// The lines and circles window driven through its radio buttons, rows and boxes, with the
// pivot picked by a press on the main window in between.
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "../../files/FileTestSupport.h"
#include "../../mainwindow/qt/MainWindowFixture.h"
#include "view/ViewMapping.h"
#include "overlay/qt/DrawLines.h"

namespace lm {
namespace {

class DrawLinesTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        lines = form->findChild<DrawLines*>("DrawLines");
        ASSERT_NE(lines, nullptr);
        action("RefPoints")->trigger();
        if (form->running()) form->RunClick();
        tick();
    }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* area = widget("ClientArea");
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), area->mapToGlobal(QPointF(at)), button,
                      button, Qt::NoModifier);
        QApplication::sendEvent(area, &e);
    }
    void choose(const char* radio) {
        auto* b = lines->findChild<QRadioButton*>(radio);
        ASSERT_NE(b, nullptr) << radio;
        b->click();
    }
    QString label(int n) const { return lines->findChild<QLabel*>(QString("Label%1").arg(n))->text(); }
    QLineEdit* box(int n) const { return lines->findChild<QLineEdit*>(QString("Edit%1").arg(n)); }
    QPoint onScreen(int pivot) const {
        const ScreenPoint p = ToScreen(model.View, model.P(pivot));
        return {p.x, p.y};
    }
    // A red pixel at or next to `at` (the ends went through the boxes' three decimals).
    bool redNear(QPoint at) const {
        const QImage img = form->picture().scaled(1280, 1024);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (img.pixel(at + QPoint(dx, dy)) == qRgb(255, 0, 0)) return true;
        return false;
    }
    // The focus leaving a box, as a click elsewhere would.
    static void leave(QLineEdit* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(box, &out);
    }

    DrawLines* lines = nullptr;
};

TEST_F(DrawLinesTest, LineTiedToAPickedPivotIsDrawnFromTheNextPicture) {
    // The line's ends: reference point 1 by a left press, 2 by a right one.
    const QPoint from(420, 330), to(520, 350);
    press(from);
    press(to, Qt::RightButton);
    action("DrawLines1")->trigger();
    ASSERT_TRUE(lines->isVisible());
    choose("RadioGroup1_0");  // Line
    choose("RadioGroup2_1");  // Red
    choose("RadioGroup3_1");  // Pivot1: closed for the pick
    EXPECT_FALSE(lines->isVisible());
    EXPECT_TRUE(model.LinesWindow.OverlayPickPending);
    EXPECT_EQ(label(3), "Red");

    // The pick near the crank pin reopens the window, tied to pivot 2.
    press(onScreen(2) + QPoint(2, 0));
    ASSERT_TRUE(lines->isVisible());
    EXPECT_EQ(model.Lines.Entries[1].RefPivot1, 2.0f);
    EXPECT_TRUE(lines->findChild<QPushButton*>("DrawBut")->isEnabled());

    const QPoint middle = (from + to) / 2;
    tick();
    EXPECT_FALSE(redNear(middle));
    lines->findChild<QPushButton*>("DrawBut")->click();
    EXPECT_FALSE(lines->isVisible());
    EXPECT_FALSE(model.LinesWindow.OverlayPickPending);
    EXPECT_EQ(model.Lines.CurrentEntry, 2);
    tick();
    EXPECT_TRUE(redNear(middle));
    // A quarter turn on, the line has moved as the crank pin has.
    const QPoint pinBefore = onScreen(2);
    model.Gear.DriverAngle += 90;
    tick();
    EXPECT_FALSE(redNear(middle));
    EXPECT_TRUE(redNear(middle + onScreen(2) - pinBefore));

}

TEST_F(DrawLinesTest, ClosingForgetsTheChoicesSoPressesNoLongerReopen) {
    press({420, 330});
    for (bool titleBar : {false, true}) {
        SCOPED_TRACE(titleBar);
        action("DrawLines1")->trigger();
        choose("RadioGroup1_1");  // Circle
        choose("RadioGroup2_0");
        EXPECT_EQ(model.LinesWindow.ColourChoice, 0);
        if (titleBar)
            lines->close();
        else
            lines->findChild<QPushButton*>("CloseBut")->click();
        EXPECT_FALSE(lines->isVisible());
        EXPECT_EQ(model.LinesWindow.TypeChoice, -1);
        EXPECT_FALSE(lines->findChild<QRadioButton*>("RadioGroup1_1")->isChecked());
        press({430, 340});
        EXPECT_FALSE(lines->isVisible());
    }
}

TEST_F(DrawLinesTest, RowsAreEditedDirectlyAndComeBackWithTheFile) {
    action("DrawLines1")->trigger();
    // A circle's third box takes no typing; the others store what they hold when left.
    model.LinesWindow.Rows[1].Type = "Circle";
    lines->ShowState();
    QTest::keyClicks(box(3), "12");
    EXPECT_EQ(box(3)->text(), "");
    QTest::keyClicks(box(1), "-1.5x-.");
    EXPECT_EQ(box(1)->text(), "-1.5");
    leave(box(1));
    EXPECT_EQ(model.Lines.Entries[1].Vert1, -1.5f);

    // A click on row 7's number makes it current (the label, not a box, is clicked).
    QTest::mouseClick(lines->findChild<QLabel*>("Label25"), Qt::LeftButton);
    EXPECT_EQ(model.Lines.CurrentEntry, 7);
    lines->findChild<QPushButton*>("CloseBut")->click();

    // Saved with the set, emptied, and opened again: the row's labels come back.
    model.Lines.Entries[1].Type = 1;
    model.Lines.Entries[1].Color = 65535;
    model.Lines.Entries[1].Reference = 0;
    test::ScratchFolder dir;
    const QString path = QString::fromStdString(dir / "circle.lmd");
    form->FileHooks.chooseOpenFile = [path](QWidget*, const FileDialogRequest&) { return path; };
    form->FileHooks.chooseSaveFile = form->FileHooks.chooseOpenFile;
    action("SaveAsDimensions")->trigger();
    model.Lines.Entries[1].Type = -1;
    action("OpenDimensions")->trigger();
    EXPECT_EQ(label(2), "Circle");
    EXPECT_EQ(label(3), "Yellow");
    EXPECT_EQ(label(4), "0 , 0");
    EXPECT_EQ(box(1)->text(), "-1.500");
}

}  // namespace
}  // namespace lm
