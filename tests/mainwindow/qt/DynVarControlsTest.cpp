// The dynamic-variable bars and UnDo as the user clicks them, and what each picture
// decides for the window's own widgets.
#include <QKeyEvent>

#include "MainWindowFixture.h"
#include "model/DynamicVariables.h"

namespace lm {
namespace {

using test::ClickScrollBar;

class DynVarControlsTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        // Clicks give the focus only in an active window.
        form->show();
        QApplication::setActiveWindow(form.get());
        // Slot 1 is Stroke, slot 2 MainRodLen (dimension numbers 2 and 3).
        RegisterDynVar(model, 3, model.Frame.MainRodLen, "Main Rod Length");
        RegisterDynVar(model, 2, model.Frame.Stroke, "Stroke");
        action("DynamicVariables")->trigger();
        tick();
    }
};

TEST_F(DynVarControlsTest, AnArrowClickStepsTheDimensionAndItsEndRecordsOneUndo) {
    QScrollBar* b1 = bar("SBDynVar1");
    ASSERT_TRUE(shown(b1));
    ASSERT_TRUE(b1->isEnabled());
    // A real press gives the bar the focus first; an event sent by hand does not.
    b1->setFocus(Qt::MouseFocusReason);
    ClickScrollBar(b1, QStyle::SC_ScrollBarAddLine);
    EXPECT_FLOAT_EQ(model.Frame.Stroke, 3.001f);
    EXPECT_EQ(b1->value(), 0);
    // The end of the click: one entry from 3 to 3.001, and the focus back on the arm.
    EXPECT_EQ(model.Undo.UndoCount, 1);
    EXPECT_EQ(model.Undo.Entries[1].DimensionNumber, 2);
    EXPECT_EQ(model.Undo.Entries[1].Before, 3.0f);
    EXPECT_FLOAT_EQ(model.Undo.Entries[1].After, 3.001f);
    EXPECT_TRUE(button("UnDoDn")->isEnabled());
    EXPECT_EQ(form->focusWidget(), bar("SBRevArm"));

    // A page click on the left: 0.01 down, a second entry.
    b1->setFocus(Qt::MouseFocusReason);
    ClickScrollBar(b1, QStyle::SC_ScrollBarSubPage);
    EXPECT_FLOAT_EQ(model.Frame.Stroke, 2.991f);
    EXPECT_EQ(model.Undo.UndoCount, 2);
    EXPECT_FLOAT_EQ(model.Undo.Entries[1].Before, 3.001f);

    // UnDo walks back one entry per click, then has nothing left.
    button("UnDoDn")->click();
    EXPECT_FLOAT_EQ(model.Frame.Stroke, 3.001f);
    EXPECT_TRUE(button("UnDoDn")->isEnabled());
    button("UnDoDn")->click();
    EXPECT_EQ(model.Frame.Stroke, 3.0f);
    EXPECT_FALSE(button("UnDoDn")->isEnabled());
    EXPECT_EQ(model.Undo.UndoCount, 0);
}

TEST_F(DynVarControlsTest, EachBarWorksItsOwnSlotAndTheKeyboardEndsAScrollToo) {
    QScrollBar* b2 = bar("SBDynVar2");
    b2->setFocus();
    b2->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_FLOAT_EQ(model.Frame.MainRodLen, 9.999f);
    EXPECT_EQ(model.Frame.Stroke, 3.0f);
    EXPECT_EQ(model.Undo.UndoCount, 0);  // still scrolling
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(b2, &release);
    EXPECT_EQ(model.Undo.UndoCount, 1);
    EXPECT_EQ(model.Undo.Entries[1].DimensionNumber, 3);
    EXPECT_EQ(model.Undo.Entries[1].Before, 10.0f);
}

TEST_F(DynVarControlsTest, UnDoWithNothingRecordedOnlyDisablesItself) {
    const float stroke = model.Frame.Stroke;
    form->UnDoDnClick();
    EXPECT_FALSE(button("UnDoDn")->isEnabled());
    EXPECT_EQ(model.Frame.Stroke, stroke);
}

TEST_F(DynVarControlsTest, ThePictureDecidesTheUndoButtonBarsErrorItemAndTitle) {
    // Only the slots in use can be moved.
    EXPECT_TRUE(bar("SBDynVar1")->isEnabled());
    EXPECT_TRUE(bar("SBDynVar2")->isEnabled());
    EXPECT_FALSE(bar("SBDynVar3")->isEnabled());
    EXPECT_FALSE(bar("SBDynVar4")->isEnabled());

    // UnDoDn shows with the undo line, below the dynamic-variable lines while they show.
    EXPECT_FALSE(shown(button("UnDoDn")));
    action("SetUnDo")->trigger();
    tick();
    EXPECT_TRUE(shown(button("UnDoDn")));
    EXPECT_EQ(button("UnDoDn")->y(), 127);
    action("DynamicVariables")->trigger();
    tick();
    EXPECT_EQ(button("UnDoDn")->y(), 72);
    action("LargeFont")->trigger();
    tick();
    EXPECT_EQ(button("UnDoDn")->y(), 91);  // 72 x 1.27
    action("SetUnDo")->trigger();
    tick();
    EXPECT_FALSE(shown(button("UnDoDn")));

    // A geometry error shows the picture in the menu bar for nine ticks.
    model.Gear.GearError = true;
    tick();
    EXPECT_TRUE(action("Error")->isVisible());
    for (int t = 2; t <= 9; ++t) tick();
    EXPECT_TRUE(action("Error")->isVisible());
    tick();
    EXPECT_FALSE(action("Error")->isVisible());

    const QString title = form->windowTitle();
    EXPECT_TRUE(title.startsWith("LINKMOTION Inside Admission            Nominal     "))
        << title.toStdString();
    EXPECT_TRUE(title.endsWith("   Version 2.6")) << title.toStdString();
}

}  // namespace
}  // namespace lm
