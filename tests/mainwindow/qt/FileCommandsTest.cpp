// The File menu's commands with the dialogs answered by the test.
#include <QToolButton>

#include <string>
#include <vector>

#include "../../files/FileTestSupport.h"
#include "../../model/ModelTestSupport.h"
#include "MainWindowFixture.h"
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

}  // namespace
}  // namespace lm
