// The File menu's commands with the dialogs answered by the test.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <filesystem>
#include <memory>

#include <string>
#include <vector>

#include "../../files/FileTestSupport.h"
#include "../../model/ModelTestSupport.h"
#include "MainWindowFixture.h"
#include "common/qt/SettingsStore.h"
#include "kinematics/ReverseArm.h"

namespace lm {
namespace {

using test::ScratchFolder;

class FileCommandsTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        // The dialogs answer with the path the test chose; the error box is counted.
        form->FileHooks.chooseOpenFile = [this](QWidget*, const FileDialogRequest& r) {
            requests.push_back(r);
            return QString::fromStdString(answer);
        };
        form->FileHooks.chooseSaveFile = form->FileHooks.chooseOpenFile;
        form->FileHooks.showError = [this](QWidget* parent, const QString& message) {
            EXPECT_EQ(parent, form.get());
            errors.push_back(message.toStdString());
        };
    }

    ScratchFolder dir;
    std::string answer;
    std::vector<FileDialogRequest> requests;
    std::vector<std::string> errors;
};

TEST(QtFileFilter, TurnsBarSeparatedPairsIntoQtFilters) {
    EXPECT_EQ(QtFileFilter("Data File (*.lmd) |*.lmd|All Files (*.*)|*.*"),
              "Data File (*.lmd);;All Files (*)");
    EXPECT_EQ(QtFileFilter("Text|*.txt"), "Text (*.txt)");
    EXPECT_EQ(QtFileFilter(""), "");
    EXPECT_EQ(QtFileFilter("Name without pattern"), "");  // a lone name is no filter
}

TEST_F(FileCommandsTest, EachCommandAsksWithItsOwnDialog) {
    answer = "";  // cancelled every time
    action("OpenDimensions")->trigger();
    action("OpenDosVersionDim")->trigger();
    action("SaveAsDimensions")->trigger();
    form->findChild<QToolButton*>("ToolButton1")->click();
    form->findChild<QToolButton*>("ToolButton2")->click();
    ASSERT_EQ(requests.size(), 5u);
    const QString lmd = "Data File (*.lmd);;All Files (*)";
    EXPECT_EQ(requests[0].filter, lmd);
    EXPECT_EQ(requests[0].defaultSuffix, "lmd");
    EXPECT_EQ(requests[1].filter, "Data File (*.lmp);;All Files (*)");
    EXPECT_EQ(requests[1].defaultSuffix, "lmp");
    EXPECT_EQ(requests[2].title, "Save As.....");
    EXPECT_EQ(requests[2].filter, lmd);
    EXPECT_EQ(requests[2].defaultSuffix, "lmd");
    EXPECT_EQ(requests[3].filter, lmd);           // the open tool button
    EXPECT_EQ(requests[4].title, "Save As.....");  // the save tool button
    // Cancelled: nothing said, nothing changed.
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(model.DataSetName, "Nominal");
}

TEST_F(FileCommandsTest, SaveThenOpenBringsTheSetBackWithTheArmAtMidGear) {
    model.Frame.Stroke = 3.25f;
    model.Frame.RevArmCentMax = 1.2f;
    answer = dir / "gear.lmd";
    action("SaveAsDimensions")->trigger();
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(model.DataSetName, "gear");

    action("ResetAll")->trigger();
    button("Rev")->click();
    ASSERT_EQ(model.Frame.Stroke, 3.0f);
    ASSERT_EQ(model.Gear.RotationDir, Rotation::Rev);

    action("OpenDimensions")->trigger();
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(model.Frame.Stroke, 3.25f);
    EXPECT_EQ(model.DataSetName, "gear");
    QScrollBar* revArm = bar("SBRevArm");
    EXPECT_EQ(revArm->minimum(), -1200);
    EXPECT_EQ(revArm->maximum(), 1200);
    EXPECT_EQ(revArm->value(), 0);
    EXPECT_EQ(model.Gear.RevArmPos, model.Gear.RevArmCenter);
    EXPECT_EQ(model.Gear.RotationDir, Rotation::Fwd);
    EXPECT_FALSE(button("Center")->isEnabled());
    EXPECT_TRUE(button("Fwd")->isEnabled());
    EXPECT_TRUE(button("Rev")->isEnabled());
    // Fwd uses the loaded travel: 1.04 of 1.2 over 1200 steps.
    button("Fwd")->click();
    EXPECT_EQ(revArm->value(), 1040);
}

TEST_F(FileCommandsTest, ABadFileGivesTheErrorBoxAndChangesNothing) {
    button("Fwd")->click();
    const std::string path = dir / "broken.lmd";
    test::WriteBytes(path, std::vector<unsigned char>(101, 0x41));
    const Model before = model;

    answer = path;
    action("OpenDimensions")->trigger();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("broken.lmd"), std::string::npos) << errors[0];
    EXPECT_EQ(test::Differences(before, model), std::vector<std::string>{});
    EXPECT_EQ(bar("SBRevArm")->value(), 1040);
    EXPECT_FALSE(button("Fwd")->isEnabled());

    // The older format too: a file shorter than its 13 records.
    const std::string shortOld = dir / "old.lmp";
    test::WriteRecords(shortOld, test::DistinctRecords(12));
    answer = shortOld;
    action("OpenDosVersionDim")->trigger();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(test::Differences(before, model), std::vector<std::string>{});

    // A save that cannot be written leaves the set's name alone.
    answer = dir / "no such folder/gear.lmd";
    action("SaveAsDimensions")->trigger();
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(model.DataSetName, "Nominal");
}

TEST_F(FileCommandsTest, AHostileTravelGivesTheBarNoRangeItCannotHold) {
    answer = dir / "gear.lmd";
    action("SaveAsDimensions")->trigger();
    std::vector<unsigned char> bytes = test::ReadBytes(answer);
    for (const float travel : {-1e30f, 1e30f}) {
        // Record 12 slot 2: the full-gear travel.
        const std::vector<unsigned char> value = test::LittleEndianBytes({{travel, 0, 0, 0, 0}});
        std::copy(value.begin(), value.begin() + 4, bytes.begin() + 11 * 20 + 4);
        test::WriteBytes(answer, bytes);
        action("OpenDimensions")->trigger();
        if (!errors.empty()) continue;  // refused outright is fine too
        QScrollBar* revArm = bar("SBRevArm");
        EXPECT_LE(revArm->minimum(), 0) << travel;
        EXPECT_GE(revArm->maximum(), 0) << travel;
        EXPECT_EQ(revArm->minimum(), -revArm->maximum()) << travel;
        revArm->triggerAction(QAbstractSlider::SliderPageStepAdd);
        button("Fwd")->click();
        button("Center")->click();
    }
}

TEST_F(FileCommandsTest, AnOlderFormatImportSetsTheBarFromItsTravel) {
    const std::string path = dir / "dos gear.lmp";
    test::WriteRecords(path, test::DistinctRecords(13));
    answer = path;
    action("OpenDosVersionDim")->trigger();
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(model.DataSetName, "dos gear");
    // Record 13 holds the full-gear travel in slot 1 and EccDia in slot 3.
    EXPECT_EQ(model.Frame.RevArmCentMax, test::DistinctValue(13, 1));
    EXPECT_EQ(model.Frame.EccDia, test::DistinctValue(13, 3));
    EXPECT_EQ(bar("SBRevArm")->maximum(), 13125);
    EXPECT_EQ(bar("SBRevArm")->minimum(), -13125);
    EXPECT_EQ(bar("SBRevArm")->value(), RevArmBarPosition(model));
}

// A file named on the command line (or dropped) goes the File menu's way: open, or
// import for ".lmp", the same refusal for a bad file, the same question first.
TEST_F(FileCommandsTest, AFileHandedOverIsOpenedOrImportedAsTheMenuWould) {
    model.Frame.Stroke = 3.25f;
    answer = dir / "gear.lmd";
    action("SaveAsDimensions")->trigger();
    action("ResetAll")->trigger();
    requests.clear();

    form->OpenFile(QString::fromStdString(dir / "gear.lmd"));
    EXPECT_EQ(model.Frame.Stroke, 3.25f);
    EXPECT_EQ(model.DataSetName, "gear");
    const std::string old = dir / "dos gear.LMP";
    test::WriteRecords(old, test::DistinctRecords(13));
    form->OpenFile(QString::fromStdString(old));
    EXPECT_EQ(model.Frame.EccDia, test::DistinctValue(13, 3));
    EXPECT_EQ(model.DataSetName, "dos gear");
    EXPECT_TRUE(requests.empty());  // no dialog: the name was given
    ASSERT_TRUE(errors.empty()) << errors.front();

    // A bad file: the menu's message, nothing changed.
    const std::string broken = dir / "broken.lmd";
    test::WriteBytes(broken, std::vector<unsigned char>(101, 0x41));
    const Model before = model;
    form->OpenFile(QString::fromStdString(broken));
    answer = broken;
    action("OpenDimensions")->trigger();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], errors[1]);
    EXPECT_EQ(test::Differences(before, model), std::vector<std::string>{});

    // A changed set is asked about first; Cancel keeps it.
    model.Frame.Stroke = 2.5f;
    int asked = 0;
    form->FileHooks.askToSaveChanges = [&](QWidget*, const QString&) {
        ++asked;
        return UnsavedAnswer::Cancel;
    };
    form->OpenFile(QString::fromStdString(dir / "gear.lmd"));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(model.Frame.Stroke, 2.5f);
}

// Ctrl+S goes back to the set's own file without a word; only a set without one (new,
// reset or imported) is asked a name, and Save As always asks.
TEST_F(FileCommandsTest, CtrlSSavesToTheFileTheSetCameFrom) {
    form->show();
    QApplication::setActiveWindow(form.get());
    const std::string gear = dir / "gear.lmd";
    answer = gear;
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);  // nominal: asks
    ASSERT_EQ(requests.size(), 1u);

    model.Frame.Stroke = 3.5f;
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(requests.size(), 1u);
    action("ResetAll")->trigger();
    action("OpenDimensions")->trigger();
    EXPECT_EQ(model.Frame.Stroke, 3.5f);  // the second, silent save reached the file

    // Opened from a file: saved there.
    model.Frame.Stroke = 3.75f;
    requests.clear();
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(requests.empty());
    EXPECT_TRUE(errors.empty());
    // Ctrl+Shift+S is Save As, whatever the desktop's own bindings.
    answer = dir / "copy.lmd";
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "Save As.....");
    action("ResetAll")->trigger();
    answer = gear;
    action("OpenDimensions")->trigger();
    EXPECT_EQ(model.Frame.Stroke, 3.75f);

    // An imported set has no dimension file of its own; a reset one is nobody's.
    const std::string old = dir / "old.lmp";
    test::WriteRecords(old, test::DistinctRecords(13));
    form->OpenFile(QString::fromStdString(old));
    requests.clear();
    answer = "";
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(requests.size(), 1u);
    form->OpenFile(QString::fromStdString(gear));
    action("ResetAll")->trigger();
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(requests.size(), 2u);
}

// With the program's settings in a scratch file, as the program has its user's.
class RememberedFileCommandsTest : public FileCommandsTest {
protected:
    void SetUp() override {
        FileCommandsTest::SetUp();
        settings = std::make_unique<SettingsStore>(QString::fromStdString(dir / "settings.conf"));
        SetProgramSettings(settings.get());
    }
    void TearDown() override { SetProgramSettings(nullptr); }
    QStringList RecentCaptions() {
        auto* menu = form->findChild<QMenu*>("RecentSets");
        EXPECT_NE(menu, nullptr);
        form->FillRecentMenu(menu);
        QStringList captions;
        for (QAction* a : menu->actions()) captions << a->text();
        return captions;
    }
    std::unique_ptr<SettingsStore> settings;
};

TEST_F(RememberedFileCommandsTest, RecentSetsListTheLastOpenedOrSavedAndDropTheGone) {
    EXPECT_EQ(RecentCaptions(), QStringList{"(none yet)"});
    answer = dir / "a.lmd";
    action("SaveAsDimensions")->trigger();
    answer = dir / "b.lmd";
    action("SaveAsDimensions")->trigger();
    form->OpenFile(QString::fromStdString(dir / "a.lmd"));
    const QString folder = QString::fromStdString(dir.path().string());
    EXPECT_EQ(RecentCaptions(), (QStringList{"&1 a.lmd  (" + folder + ")", "&2 b.lmd  (" + folder + ")"}));

    // Chosen from the menu: opened as the File menu opens it.
    model.Frame.Stroke = 2.75f;
    answer = dir / "b.lmd";
    int asked = 0;
    form->FileHooks.askToSaveChanges = [&](QWidget*, const QString&) {
        ++asked;
        return UnsavedAnswer::Discard;
    };
    form->findChild<QMenu*>("RecentSets")->findChild<QAction*>("RecentSet2")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(model.DataSetName, "b");

    // A set that has gone: a message, and off the list.
    std::filesystem::remove(dir / "a.lmd");
    RecentCaptions();
    form->findChild<QMenu*>("RecentSets")->findChild<QAction*>("RecentSet2")->trigger();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("a.lmd\" is no longer there"), std::string::npos) << errors[0];
    EXPECT_EQ(RecentCaptions(), QStringList{"&1 b.lmd  (" + folder + ")"});
    EXPECT_EQ(model.DataSetName, "b");
}

// A file dropped on the window is opened as if named on the command line.
TEST_F(FileCommandsTest, ADroppedFileIsOpenedAsTheMenuWouldAndOnlyOneAtATime) {
    answer = dir / "gear.lmd";
    model.Frame.Stroke = 3.25f;
    action("SaveAsDimensions")->trigger();
    action("ResetAll")->trigger();
    const auto drop = [this](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPointF at(300, 200);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &dropped);
        QCoreApplication::processEvents();
        return dropped.isAccepted();
    };
    const QUrl gear = QUrl::fromLocalFile(QString::fromStdString(dir / "gear.lmd"));
    EXPECT_FALSE(drop({gear, gear}));
    EXPECT_FALSE(drop({QUrl("https://example.org/gear.lmd")}));
    EXPECT_EQ(model.Frame.Stroke, 3.0f);
    ASSERT_TRUE(drop({gear}));
    EXPECT_EQ(model.Frame.Stroke, 3.25f);

    // A changed set is asked about first; a file that is no dimension file is refused.
    model.Frame.Stroke = 2.5f;
    int asked = 0;
    form->FileHooks.askToSaveChanges = [&](QWidget*, const QString&) {
        ++asked;
        return UnsavedAnswer::Discard;
    };
    const std::string text = dir / "notes.txt";
    test::WriteBytes(text, std::vector<unsigned char>(55, 'x'));
    ASSERT_TRUE(drop({QUrl::fromLocalFile(QString::fromStdString(text))}));
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("notes.txt"), std::string::npos);
    EXPECT_EQ(model.Frame.Stroke, 2.5f);
}

}  // namespace
}  // namespace lm
