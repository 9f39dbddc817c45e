// The dimension editors driven as a user drives them: opened from the menu, boxes typed
// into and left, keys and pastes filtered, reset pressed and clicked, a highlight button
// sending the editor away until the main window's ticks bring it back.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "../../files/FileTestSupport.h"
#include "../../mainwindow/qt/MainWindowFixture.h"
#include "common/qt/WindowPlacement.h"
#include "dialogs/qt/DimensionEditorWindow.h"
#include "mainwindow/DimensionHighlight.h"
#include "model/UnsavedChanges.h"

namespace lm {
namespace {

class DimensionEditorWindowTest : public test::MainWindowFixture {
protected:
    DimensionEditorWindow* OpenEditor(const char* menuItem, const char* windowName) {
        action(menuItem)->trigger();
        auto* w = form->findChild<DimensionEditorWindow*>(windowName);
        EXPECT_NE(w, nullptr) << windowName;
        if (w != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(w)) << windowName;
        }
        return w;
    }
    static QLineEdit* Box(QWidget* w, int n) {
        auto* e = w->findChild<QLineEdit*>(QString("Edit%1").arg(n));
        EXPECT_NE(e, nullptr) << n;
        return e;
    }
    static QPushButton* Named(QWidget* w, const QString& name) {
        auto* b = w->findChild<QPushButton*>(name);
        EXPECT_NE(b, nullptr) << name.toStdString();
        return b;
    }
    // Into box n with the mouse, its text replaced by typing, then on with Tab.
    static void TypeAndTab(QWidget* w, int n, const char* text) {
        QLineEdit* e = Box(w, n);
        e->setFocus(Qt::MouseFocusReason);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Tab);
    }
};

TEST_F(DimensionEditorWindowTest, TypedBoxesRecordUndoTabbedThroughOnesOnlyPickTheDynamicVariable) {
    DimensionEditorWindow* w = OpenEditor("FrameDim", "FrameDi");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Box(w, 2)->text(), "3.000");
    EXPECT_EQ(QApplication::focusWidget(), Named(w, "Close1"));

    TypeAndTab(w, 2, "3.5");
    EXPECT_EQ(model.Frame.Stroke, 3.5f);
    ASSERT_EQ(model.Undo.UndoCount, 1);
    EXPECT_EQ(model.Undo.Entries[1].DimensionNumber, 2);
    EXPECT_EQ(model.Undo.Entries[1].Before, 3.0f);
    EXPECT_EQ(model.Undo.Entries[1].After, 3.5f);
    tick();
    EXPECT_TRUE(button("UnDoDn")->isEnabled());

    // Tab has put the focus into box 3; leaving it untouched picks it, records nothing.
    EXPECT_EQ(QApplication::focusWidget(), Box(w, 3));
    QTest::keyClick(Box(w, 3), Qt::Key_Tab);
    EXPECT_EQ(model.Dyn.DynQueue[1].DynVarName, "Main Rod Length");
    EXPECT_EQ(model.Dyn.DynQueue[2].DynVarName, "Stroke");
    EXPECT_EQ(model.Undo.UndoCount, 1);

    // The arm's full travel sets the main window's bar range; it is no dynamic variable.
    TypeAndTab(w, 27, "1.25");
    EXPECT_EQ(bar("SBRevArm")->maximum(), 1250);
    EXPECT_EQ(bar("SBRevArm")->minimum(), -1250);
    EXPECT_EQ(model.Undo.UndoCount, 1);

    // Close: mid gear again, the bar at its centre, the window gone.
    button("Fwd")->click();
    QTest::mouseClick(Named(w, "Close1"), Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(bar("SBRevArm")->value(), 0);
    EXPECT_EQ(model.Gear.RevArmPos, model.Gear.RevArmCenter);
}

TEST_F(DimensionEditorWindowTest, KeysAndPastesPassTheSameFilterAndEnterAppliesWithoutClosing) {
    DimensionEditorWindow* w = OpenEditor("FrameDim", "FrameDi");
    ASSERT_NE(w, nullptr);
    QLineEdit* angle = Box(w, 6);
    angle->setFocus(Qt::MouseFocusReason);
    angle->clear();
    QTest::keyClicks(angle, "3a7.0.-0-");
    EXPECT_EQ(angle->text(), "37.0-0");
    QTest::keyClick(angle, Qt::Key_Return);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Named(w, "Close1"));
    EXPECT_EQ(model.Frame.EccAngFwd, 37.0f);  // the number before the misplaced minus
    EXPECT_EQ(model.Undo.UndoCount, 1);

    // A paste is filtered as typing is and, like typing, makes the change undoable.
    QLineEdit* rod = Box(w, 8);
    rod->setFocus(Qt::MouseFocusReason);
    rod->clear();
    QApplication::clipboard()->setText("1e5x.2.5");
    QTest::keyClick(rod, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rod->text(), "15.25");
    QTest::keyClick(rod, Qt::Key_Tab);
    EXPECT_EQ(model.Frame.EccRodFwd, 15.25f);
    EXPECT_EQ(model.Undo.UndoCount, 2);
    EXPECT_EQ(model.Undo.Entries[1].DynVarName, "Eccentric Forward Rod");

    // The centring boxes take pastes but never count them as typing.
    QLineEdit* norm = Box(w, 26);
    norm->setFocus(Qt::MouseFocusReason);
    norm->clear();
    QApplication::clipboard()->setText("0.5");
    QTest::keyClick(norm, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(norm, Qt::Key_Tab);
    EXPECT_EQ(model.Frame.RevArmCentNorm, 0.5f);
    EXPECT_EQ(model.Undo.UndoCount, 2);
    EXPECT_FALSE(model.Dyn.DimTyped);
}

TEST_F(DimensionEditorWindowTest, RightPressResetsAndKeepsUndoLeftClickAlsoClearsIt) {
    DimensionEditorWindow* w = OpenEditor("CylDim", "CylDimen");
    ASSERT_NE(w, nullptr);
    const float nominalY4 = model.P(4).Y;
    // The cylinder centre line carries the valve's with it.
    TypeAndTab(w, 2, "2");
    EXPECT_EQ(model.P(3).Y, 2.0f);
    EXPECT_EQ(model.P(4).Y, 2.0f + model.Cyl.ValveCLToCylCL);
    ASSERT_EQ(model.Undo.UndoCount, 1);

    QPushButton* reset = Named(w, "Reset1");
    QTest::mousePress(reset, Qt::RightButton);
    QTest::mouseRelease(reset, Qt::RightButton);
    EXPECT_EQ(model.P(4).Y, nominalY4);
    EXPECT_NE(Box(w, 2)->text(), "2.000");  // refilled
    EXPECT_EQ(model.Undo.UndoCount, 1);
    EXPECT_EQ(model.Dyn.DynQueue[1].DimensionNumber, 0);

    TypeAndTab(w, 2, "2");
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_EQ(model.P(4).Y, nominalY4);
    EXPECT_EQ(model.Undo.UndoCount, 0);
    tick();
    EXPECT_FALSE(button("UnDoDn")->isEnabled());
    EXPECT_TRUE(w->isVisible());
}

TEST_F(DimensionEditorWindowTest, AHighlightSendsTheEditorAwayAndTheTicksBringItBack) {
    DimensionEditorWindow* w = OpenEditor("CylDim", "CylDimen");
    ASSERT_NE(w, nullptr);
    const ViewState before = model.View;
    // A value typed but not yet applied survives the window going away.
    Box(w, 7)->setFocus(Qt::MouseFocusReason);
    Box(w, 7)->clear();
    QTest::keyClicks(Box(w, 7), "1.5");
    QTest::mouseClick(Named(w, "Button6"), Qt::LeftButton);
    EXPECT_EQ(model.Highlight.Dim, 106);
    EXPECT_EQ(model.Cyl.PistonWidth, 1.5f);

    tick();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(model.View.ViewScale, 55.0f);
    for (int t = 1; t < kHighlightLifeTicks; ++t) tick();
    EXPECT_FALSE(w->isVisible());
    tick();  // the 1001st
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(model.Highlight.Dim, 0);
    EXPECT_EQ(model.View.ViewScale, before.ViewScale);
    EXPECT_EQ(model.View.ViewOriginX, before.ViewOriginX);
    EXPECT_EQ(Box(w, 7)->text(), "1.500");

    // A press on the drawing ends the next one at the tick after it.
    QTest::mouseClick(Named(w, "Button3"), Qt::LeftButton);
    tick();
    tick();
    EXPECT_FALSE(w->isVisible());
    test::SendMouse(widget("ClientArea"), QEvent::MouseButtonPress, QPoint(600, 500));
    EXPECT_FALSE(w->isVisible());
    tick();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(model.View.ViewScale, before.ViewScale);
    // No other editor was opened.
    EXPECT_FALSE(form->windows().FrameEditor->isVisible());
}

// ---- The question before a changed set is dropped ----

TEST_F(DimensionEditorWindowTest, BoxesLeftUntouchedKeepTheirValueAndKeysReplaceTheSelection) {
    DimensionEditorWindow* w = OpenEditor("FrameDim", "FrameDi");
    ASSERT_NE(w, nullptr);
    // Tabbing through a box that shows 0.688 keeps the stored 0.6875: no change to save.
    QLineEdit* circle = Box(w, 4);
    circle->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(circle->text(), "0.688");
    QTest::keyClick(circle, Qt::Key_Tab);
    EXPECT_EQ(model.Frame.EccCircleDia, 0.6875f);
    EXPECT_FALSE(DimensionSetChanged(model));
    EXPECT_EQ(model.Dyn.DynQueue[static_cast<std::size_t>(model.Dyn.DynIndex)].DimensionNumber, 4);

    // "." typed over the selected "3.000" is the text's first point: ".5" is a half.
    QLineEdit* stroke = Box(w, 2);
    stroke->setFocus(Qt::MouseFocusReason);
    stroke->selectAll();
    QTest::keyClicks(stroke, ".5");
    EXPECT_EQ(stroke->text(), ".5");
    // A click on the window's background leaves the box and applies it.
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(300, 120));
    EXPECT_NE(QApplication::focusWidget(), stroke);
    EXPECT_EQ(model.Frame.Stroke, 0.5f);
    EXPECT_EQ(model.Undo.UndoCount, 1);
}

TEST(EditorPlace, BesideTheMainWindowWhereTheScreenHasRoom) {
    const QRect screen(0, 0, 1400, 1000);
    // Room on the right: level with the main window's top.
    EXPECT_EQ(PlaceBeside(QRect(100, 50, 640, 430), QSize(400, 260), screen), QPoint(740, 50));
    // None on the right, some on the left.
    EXPECT_EQ(PlaceBeside(QRect(700, 50, 640, 430), QSize(400, 260), screen), QPoint(300, 50));
    // Near the bottom it moves up to stay on the screen.
    EXPECT_EQ(PlaceBeside(QRect(100, 900, 640, 90), QSize(400, 260), screen), QPoint(740, 740));
    // Almost the room on the right: against the screen's right edge.
    EXPECT_EQ(PlaceBeside(QRect(384, 50, 632, 430), QSize(400, 260), screen), QPoint(1000, 50));
    // Not half the room on either side: it opens where it would have opened.
    EXPECT_EQ(PlaceBeside(QRect(150, 50, 1100, 430), QSize(400, 260), screen), std::nullopt);
}

class UnsavedChangesTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        form->FileHooks.askToSaveChanges = [this](QWidget*, const QString& name) {
            asked.push_back(name.toStdString());
            const UnsavedAnswer a = answers.empty() ? UnsavedAnswer::Cancel : answers.front();
            if (!answers.empty()) answers.erase(answers.begin());
            return a;
        };
        form->FileHooks.chooseOpenFile = [this](QWidget*, const FileDialogRequest&) {
            ++opened;
            return QString();
        };
        form->FileHooks.chooseSaveFile = [this](QWidget*, const FileDialogRequest&) {
            ++saves;
            return QString();
        };
        form->FileHooks.showError = [this](QWidget*, const QString&) { ++errors; };
    }

    std::vector<UnsavedAnswer> answers;
    std::vector<std::string> asked;
    int opened = 0, saves = 0, errors = 0;
};

TEST_F(UnsavedChangesTest, AnUnchangedSetGoesWithoutAQuestion) {
    action("OpenDimensions")->trigger();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(opened, 1);
}

TEST_F(UnsavedChangesTest, CancelKeepsEverythingOnEveryPath) {
    model.Frame.Stroke = 3.5f;
    answers = {UnsavedAnswer::Cancel, UnsavedAnswer::Cancel, UnsavedAnswer::Cancel};
    action("OpenDimensions")->trigger();
    action("OpenDosVersionDim")->trigger();
    action("Exit1")->trigger();
    EXPECT_EQ(asked, (std::vector<std::string>{"Nominal", "Nominal", "Nominal"}));
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(model.Frame.Stroke, 3.5f);
    // Closing the window asks too, and Cancel refuses the close.
    answers = {UnsavedAnswer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(asked.size(), 4u);
    // Discard lets it go.
    answers = {UnsavedAnswer::Discard};
    action("OpenDosVersionDim")->trigger();
    EXPECT_EQ(opened, 1);
}

TEST_F(UnsavedChangesTest, AFailedOrCancelledSaveAsksAgainASavedSetIsNotAskedAbout) {
    test::ScratchFolder dir;
    model.Frame.Stroke = 3.5f;
    // The save dialog cancelled, then a folder that does not exist, then Cancel.
    answers = {UnsavedAnswer::Save, UnsavedAnswer::Save, UnsavedAnswer::Cancel};
    const std::vector<std::string> paths = {"", dir / "no such folder/gear.lmd", dir / "gear.lmd"};
    form->FileHooks.chooseSaveFile = [this, &paths](QWidget*, const FileDialogRequest&) {
        return QString::fromStdString(paths[static_cast<std::size_t>(saves++)]);
    };
    EXPECT_FALSE(form->close());
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_EQ(saves, 2);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(model.Frame.Stroke, 3.5f);

    // Saved this time: the import goes ahead, and the saved set is not asked about again.
    answers = {UnsavedAnswer::Save};
    action("OpenDosVersionDim")->trigger();
    EXPECT_EQ(saves, 3);
    EXPECT_EQ(model.DataSetName, "gear");
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(asked.size(), 4u);
}

}  // namespace
}  // namespace lm
