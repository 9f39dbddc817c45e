// The main window from the keyboard (arrow keys on the bars, the standard shortcuts)
// and at sizes other than the one it opens at.
#include <QTest>
#include <QToolBar>

#include "MainWindowFixture.h"
#include "mainwindow/MainRender.h"
#include "model/DynamicVariables.h"

namespace lm {
namespace {

using test::ClickScrollBar;

class WindowKeysAndSizeTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        form->show();
        QApplication::setActiveWindow(form.get());
        tick();
    }
};

TEST_F(WindowKeysAndSizeTest, ArrowKeysMoveABarAsItsArrowButtonsDo) {
    QScrollBar* arm = bar("SBRevArm");
    ASSERT_EQ(QApplication::focusWidget(), arm);  // the first key goes to the arm
    QTest::keyClick(arm, Qt::Key_Right);
    EXPECT_EQ(arm->value(), 1);
    QTest::keyClick(arm, Qt::Key_Up);
    EXPECT_EQ(arm->value(), 2);
    ClickScrollBar(arm, QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(arm->value(), 3);
    QTest::keyClick(arm, Qt::Key_Left);
    QTest::keyClick(arm, Qt::Key_Down);
    EXPECT_EQ(arm->value(), 1);

    // A dynamic-variable bar: Right steps the dimension up, as its right arrow does.
    RegisterDynVar(model, 2, model.Frame.Stroke, "Stroke");
    action("DynamicVariables")->trigger();
    tick();
    QScrollBar* dyn = bar("SBDynVar1");
    dyn->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dyn, Qt::Key_Right);
    EXPECT_FLOAT_EQ(model.Frame.Stroke, 3.001f);
    EXPECT_EQ(model.Undo.UndoCount, 1);
}

TEST_F(WindowKeysAndSizeTest, OpensAtItsClientSizeAndAnEnlargedWindowShowsMoreOfThePicture) {
    QWidget* area = form->centralWidget();
    EXPECT_EQ(area->size(), QSize(kClientAreaWidth, kClientAreaHeight));

    form->resize(1000, 800);
    QApplication::processEvents();
    tick();
    ASSERT_GT(area->width(), kClientAreaWidth);
    ASSERT_GT(area->height(), kClientAreaHeight);
    EXPECT_EQ(form->findChild<QToolBar*>("ToolBar1")->width(), area->width());

    // Beyond the opening size the window shows the picture itself, not a blank field.
    const QImage shown = area->grab().toImage();
    const QImage picture = form->picture().scaled(form->picture().deviceIndependentSize().toSize());
    int differing = 0;
    for (int y = kClientAreaHeight + 10; y < area->height(); y += 7)
        for (int x = 10; x < area->width(); x += 7) {
            if (shown.pixel(x, y) != picture.pixel(x, y)) ++differing;
        }
    EXPECT_EQ(differing, 0);

    // Never larger than the picture.
    form->resize(3000, 3000);
    QApplication::processEvents();
    EXPECT_LE(area->width(), kPictureWidth);
    EXPECT_LE(area->height(), kPictureHeight);
}

TEST_F(WindowKeysAndSizeTest, StandardShortcutsReachTheirCommands) {
    int opened = 0, saved = 0;
    form->FileHooks.chooseOpenFile = [&opened](QWidget*, const FileDialogRequest&) {
        ++opened;
        return QString();
    };
    form->FileHooks.chooseSaveFile = [&saved](QWidget*, const FileDialogRequest&) {
        ++saved;
        return QString();
    };
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(saved, 1);

    // Ctrl+Z does nothing until there is something to undo, then undoes it.
    const float stroke = model.Frame.Stroke;
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model.Frame.Stroke, stroke);
    RegisterDynVar(model, 2, model.Frame.Stroke, "Stroke");
    action("DynamicVariables")->trigger();
    tick();
    bar("SBDynVar1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(bar("SBDynVar1"), Qt::Key_Right);
    ASSERT_NE(model.Frame.Stroke, stroke);
    tick();
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model.Frame.Stroke, stroke);

    // Space runs and stops the driver while the picture has the focus, and only then.
    QWidget* area = form->centralWidget();
    area->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(form->running());
    QTest::keyClick(area, Qt::Key_Space);
    EXPECT_FALSE(form->running());
    EXPECT_EQ(button("Run")->text(), "Run");
    QTest::keyClick(area, Qt::Key_Space);
    EXPECT_TRUE(form->running());
    bar("SBRevArm")->setFocus();
    QTest::keyClick(bar("SBRevArm"), Qt::Key_Space);
    EXPECT_TRUE(form->running());
}

}  // namespace
}  // namespace lm
