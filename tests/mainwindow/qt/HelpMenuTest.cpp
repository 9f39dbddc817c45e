// The Help menu opens the windows made at start-up: the guide with its text, and F1 too.
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

#include "MainWindowFixture.h"

namespace lm::test {
namespace {

class HelpMenuTest : public MainWindowFixture {
protected:
    // Runs the command; the modal window it opens is looked at and closed from inside
    // its own event loop. Returns the memo's text ("" without one), or "-" when no
    // window came up.
    QString OpenAndClose(QAction* command, const char* windowName) {
        auto seen = std::make_shared<QString>("-");
        QTimer::singleShot(0, form.get(), [f = form.get(), windowName, seen] {
            auto* w = f->findChild<QDialog*>(windowName);
            if (w == nullptr || !w->isVisible()) return;
            auto* memo = w->findChild<QPlainTextEdit*>("Memo1");
            *seen = memo != nullptr ? memo->toPlainText() : QString();
            w->close();
        });
        command->trigger();
        QCoreApplication::processEvents();  // a window that never came up leaves no timer behind
        return *seen;
    }
};

TEST_F(HelpMenuTest, InstructionsShowTheGuideAndF1IsTheirKey) {
    // The copy beside the test program is the one start-up read.
    QFile guide(QCoreApplication::applicationDirPath() + "/instruct.doc");
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString firstLine = QString::fromUtf8(guide.readLine()).trimmed();
    ASSERT_FALSE(firstLine.isEmpty());

    const QString shown = OpenAndClose(action("Instructions"), "Inst");
    EXPECT_TRUE(shown.trimmed().startsWith(firstLine)) << shown.left(80).toStdString();
    EXPECT_EQ(action("Instructions")->shortcut(), QKeySequence(QKeySequence::HelpContents));

    EXPECT_NE(OpenAndClose(action("SpecInstr"), "SpecialInst"), "-");
    EXPECT_NE(OpenAndClose(action("About1"), "AboutBox"), "-");
    // Each comes back for another look.
    EXPECT_TRUE(OpenAndClose(action("Instructions"), "Inst").trimmed().startsWith(firstLine));
}

TEST_F(HelpMenuTest, CtrlEndGoesToTheEndOfTheGuide) {
    auto* inst = form->findChild<QDialog*>("Inst");
    ASSERT_NE(inst, nullptr);
    inst->show();
    auto* memo = inst->findChild<QPlainTextEdit*>("Memo1");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(memo->textCursor().atEnd());
    EXPECT_GT(memo->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(memo->viewport()->rect().contains(memo->cursorRect()));
    QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_TRUE(memo->textCursor().atStart());
    EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
    inst->close();
}

}  // namespace
}  // namespace lm::test
