// The Help windows: the loaded text shown read-only, the error box when a file is
// missing, and the About lines.
#include "dialogs/qt/AboutBox.h"
#include "dialogs/qt/InstructionWindows.h"
#include "dialogs/qt/ProgramIcon.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include <fstream>

#include <gtest/gtest.h>

#include "../../files/FileTestSupport.h"

namespace lm {
namespace {

TEST(InstructionWindows, ShowTheLoadedTextReadOnly) {
    test::ScratchFolder folder;
    std::ofstream(folder / "LmISpIns.doc") << "WORKING TECHNIQUES\n\nLine two\n";
    SpecialInst window;
    window.Load(DataFolders{"", folder.path().string(), ""});
    EXPECT_TRUE(window.loadError().isEmpty());
    auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("WORKING TECHNIQUES\n\nLine two\n"));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("LmISpIns.doc"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Linkmotion Special Instructions"));
}

TEST(InstructionWindows, MissingFileKeepsThePlaceholderAndShowsTheErrorBox) {
    test::ScratchFolder empty;
    Inst window;
    window.Load(DataFolders{empty.path().string(), "", ""});
    EXPECT_TRUE(window.loadError().startsWith(QStringLiteral("Error Loading instruct.doc: ")))
        << window.loadError().toStdString();
    EXPECT_EQ(window.memo()->toPlainText(), QStringLiteral("Memo1"));

    // The box is modal; close it as a user would and check what it said.
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    ShowLoadError(nullptr, window.loadError());
    EXPECT_EQ(shown, window.loadError());
}

TEST(InstructionWindows, StartUpFindsTheShippedTextBesideTheProgram) {
    // The build puts the texts beside the test program, as an install puts them in its
    // data folder; start-up must find them there from any current folder.
    QString reported;
    Inst window;
    window.LoadAtStartUp([&reported](const QString& error) { reported = error; });
    EXPECT_TRUE(reported.isEmpty()) << reported.toStdString();
    EXPECT_TRUE(window.memo()->toPlainText().contains(QStringLiteral("User Guide")));
}

TEST(AboutBox, EightLinesWithNameVersionHistoryAndContact) {
    AboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About These Programs"));
    const QStringList lines = AboutBox::Lines();
    ASSERT_EQ(lines.size(), 8);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("LINKMOTION Inside Admission")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("2.6")));
    EXPECT_EQ(lines[4], QStringLiteral("using the MsDos versions as the basis."));
    EXPECT_EQ(lines[5], QStringLiteral("Comments to"));
    EXPECT_TRUE((lines[6] + lines[7]).contains(QStringLiteral("issue tracker")));
    EXPECT_FALSE((lines.join(' ')).contains(QLatin1Char('@')));  // no mail address
    for (int i = 0; i < 8; ++i) {
        auto* label = box.findChild<QLabel*>(QStringLiteral("Line%1").arg(i + 1));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), lines[i]);
        EXPECT_LE(label->geometry().right(), box.width());  // nothing cut off
    }
}

TEST(ProgramIcon, IsCompiledInAndDrawsAtAnySize) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 48, 256}) {
        const QImage image = icon.pixmap(size, size).toImage();
        ASSERT_EQ(image.width(), size);
        EXPECT_NE(image.pixel(size / 2, size / 2), image.pixel(0, 0)) << size;  // not blank
    }
}

}  // namespace
}  // namespace lm
