// The reverse-arm positions window: its boxes, key filter and what leaving them stores.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "diagrams/qt/SetRevArm.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

class SetRevArmTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(model);  // mid gear: positions 1..3 are centre, centre + norm, centre - norm
        window = std::make_unique<SetRevArm>(model);
        window->FormActivate();
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    // Types into box k as the user does: the focus goes to it, the text is replaced.
    void Type(int k, const QString& text) {
        QLineEdit* e = window->Edit(k);
        e->setFocus();
        e->selectAll();
        for (QChar ch : text) Key(k, ch);
    }
    void Key(int k, QChar ch, int key = 0) {
        QKeyEvent press(QEvent::KeyPress, key != 0 ? key : ch.unicode(), Qt::NoModifier, QString(ch));
        QApplication::sendEvent(window->Edit(k), &press);
    }
    void Leave() { window->findChild<QPushButton*>("Close1")->setFocus(); }
    float Centre() const { return model.Gear.RevArmCenter; }
    float FullTravel() const { return model.Frame.RevArmCentMax; }

    Model model;
    std::unique_ptr<SetRevArm> window;
};

TEST_F(SetRevArmTest, LayoutCaptionAndTabOrder) {
    EXPECT_EQ(window->objectName(), "SetRevArm");
    EXPECT_EQ(window->windowTitle(), "Set Reverse Arm Positions");
    EXPECT_EQ(window->size(), QSize(409, 154));
    EXPECT_EQ(window->Edit(10)->geometry(), QRect(138, 31, 49, 16));
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(window->Edit(k)->geometry(), QRect(138, 47 + 16 * (k - 1), 49, 16)) << k;
    for (int k = 5; k <= 9; ++k)
        EXPECT_EQ(window->Edit(k)->geometry(), QRect(333, 31 + 16 * (k - 5), 49, 16)) << k;
    auto* close = window->findChild<QPushButton*>("Close1");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->geometry(), QRect(158, 114, 92, 31));
    EXPECT_EQ(close->text(), "Close");
    EXPECT_EQ(window->focusWidget(), close);

    QStringList order;
    QWidget* w = window->Edit(2);
    for (int i = 0; i < 11; ++i, w = w->nextInFocusChain()) order << w->objectName();
    EXPECT_EQ(order.join(","), "Edit2,Edit3,Edit4,Edit6,Edit7,Edit8,Edit9,Edit10,Edit1,Edit5,Close1");

    // Three positions in use: their boxes and the next one show, with the values 5.3.
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(window->Edit(k)->isVisible()) << k;
    for (int k = 5; k <= 9; ++k) EXPECT_FALSE(window->Edit(k)->isVisible()) << k;
    EXPECT_EQ(window->Edit(10)->text(), "1.500");
    EXPECT_EQ(window->Edit(4)->text(), "0.000");
}

TEST_F(SetRevArmTest, PositionTwoSetToZeroEndsTheRunWhenTheWindowCloses) {
    ASSERT_NE(model.Gear.RevArmPositions[3], 0.0f);
    Type(2, "0");
    // Closed with the focus still in the box: the typed 0 counts all the same.
    window->reject();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(model.Gear.RevArmPositions[2], 0.0f);
    for (int k = 3; k <= 9; ++k) EXPECT_EQ(model.Gear.RevArmPositions[static_cast<std::size_t>(k)], 0.0f) << k;
    EXPECT_EQ(model.Gear.RevArmPosCount, 1);
    EXPECT_TRUE(model.DiagramWindows.DiagramRedrawPending);
    EXPECT_FALSE(window->Edit(3)->isVisibleTo(window.get()));
}

TEST_F(SetRevArmTest, EditedPositionsStayWithinTheArmsTravelAndPositionOneNeverZero) {
    const float low = Centre() - FullTravel(), high = Centre() + FullTravel();
    ASSERT_GT(low, 0.001f);  // so 0.001 is beyond full gear in this gear

    Type(1, "0");
    Leave();
    EXPECT_EQ(model.Gear.RevArmPositions[1], low);  // 0 -> 0.001 -> clamped up

    Type(4, "99");
    Leave();
    EXPECT_EQ(model.Gear.RevArmPositions[4], high);
    Type(5, "-99");
    Leave();
    EXPECT_EQ(model.Gear.RevArmPositions[5], low);

    // Within the travel a typed value is taken as it is.
    const float inside = Centre() + 0.25f;
    Type(3, QString::number(static_cast<double>(inside), 'f', 3));
    Leave();
    EXPECT_NEAR(model.Gear.RevArmPositions[3], inside, 0.0006f);

    // The vertical scale never goes below a tenth.
    Type(10, "0");
    Leave();
    EXPECT_EQ(model.Diagram.VerticalScale, 0.1f);
    Type(10, "2.5");
    Leave();
    EXPECT_EQ(model.Diagram.VerticalScale, 2.5f);

    window->findChild<QPushButton*>("Close1")->click();
    EXPECT_EQ(model.Gear.RevArmPosCount, 5);
    EXPECT_EQ(window->Edit(1)->text(), QString::number(static_cast<double>(low), 'f', 3));
}

TEST_F(SetRevArmTest, TheKeyFilterTakesOneSignOnePointAndDigitsAndOpensTheNextBox) {
    Type(3, "1a-.-.5");
    EXPECT_EQ(window->Edit(3)->text(), "1-.5");
    // Enter is swallowed: the window stays and the box keeps its text.
    Key(3, QChar('\r'), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Edit(3)->text(), "1-.5");

    // Any key in the last box in use, even a refused one, opens the next.
    ASSERT_FALSE(window->Edit(5)->isVisible());
    window->Edit(4)->setFocus();
    Key(4, QChar('x'));
    EXPECT_TRUE(window->Edit(5)->isVisible());
    EXPECT_EQ(window->Edit(4)->text(), "0.000");
    // Backspace edits and opens too; the ninth box has no next.
    Key(5, QChar('\b'), Qt::Key_Backspace);
    EXPECT_TRUE(window->Edit(6)->isVisible());
    window->Edit(9)->show();
    Key(9, QChar('7'));
    EXPECT_TRUE(window->Edit(10)->isVisible());

    // A box left with a 0 before its next display pass: the run closes up to it again.
    Leave();
    window->ShowRevArmPositions();
    EXPECT_FALSE(window->Edit(6)->isVisible());
}

}  // namespace
}  // namespace lm
