// The valve-events window opened from the main window's menu: its table filled by the
// worker and following a change of the gear, the fit run, applied and undone through its
// buttons, and bad input refused with a message.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>

#include <fstream>
#include <sstream>

#include <functional>

#include "ValveEventsWindowFixture.h"
#include "kinematics/MidGear.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "workbench/ValveEvents.h"
#include "workbench/ValveEventsText.h"
#include "workbench/qt/EventsTab.h"
#include "workbench/qt/FitTab.h"
#include "workbench/qt/ValveEventsWindow.h"

namespace lm::test {
namespace {

TEST_F(ValveEventsWindowTest, OpensBesideTheGearAndFillsItsTableFromTheWorkerAfterEveryChange) {
    ValveEventsWindow* w = Open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    // The gear keeps turning: a tick still advances the angle.
    const float angle = model.Gear.DriverAngle;
    tick();
    EXPECT_NE(model.Gear.DriverAngle, angle);

    auto* table = child<QTableWidget>(w, "EventsTable");
    ASSERT_TRUE(WaitFor([&] { return w->Events()->HasTable(); }));
    ASSERT_EQ(table->rowCount(), 38);
    const ValveEventsTable expected = ComputeValveEvents(model);
    // Forward row 18 (full forward) and reverse row 9: cut-off front and rear, and the
    // column of an event that may not occur is empty exactly where it does not.
    const int cutOffFront = 3 + 3 * 3;
    for (const auto& [tableRow, row] : {std::pair{18, expected.Forward[18]}, std::pair{19 + 9, expected.Reverse[9]}}) {
        EXPECT_EQ(Cell(table, tableRow, cutOffFront).toStdString(),
                  EventCellText(ValveEvent::FrontCutOff, row.Value(ValveEvent::FrontCutOff)));
        EXPECT_EQ(Cell(table, tableRow, cutOffFront + 1).toStdString(),
                  EventCellText(ValveEvent::RearCutOff, row.Value(ValveEvent::RearCutOff)));
    }
    EXPECT_EQ(Cell(table, 0, 3 + 3 * 1).isEmpty(), !expected.Forward[0].Value(ValveEvent::FrontMaxOpening));

    // A longer valve stem end: the next look finds the change, the table follows it.
    const QString before = Cell(table, 18, cutOffFront);
    ApplyEditedDimension(model, *FindDimension("ValveCtrToJoint"), 3.2f);
    FindMidGear(model);
    w->Watch();
    const ValveEventsTable changed = ComputeValveEvents(model);
    ASSERT_TRUE(WaitFor([&] { return w->Events()->Table().Forward[18].Values == changed.Forward[18].Values; }));
    EXPECT_NE(Cell(table, 18, cutOffFront), before);
    EXPECT_EQ(Cell(table, 18, cutOffFront).toStdString(),
              EventCellText(ValveEvent::FrontCutOff, changed.Forward[18].Value(ValveEvent::FrontCutOff)));
    w->close();
}

TEST_F(ValveEventsWindowTest, AFitAppliedAndUndoneThroughTheButtonsRestoresTheSetExactly) {
    FitTab* fit = FitOnUnbalancedGear({"ValveCtrToJoint", "RockerPivotHorz"});
    ASSERT_NE(fit, nullptr);
    QWidget* w = fit->window();
    const std::vector<float> start = Dimensions();
    const float centre = model.Gear.RevArmCenter;
    // Choosing a dimension fills its bounds 10 % either side.
    EXPECT_FLOAT_EQ(child<QLineEdit>(fit, "FitLow1")->text().toFloat(), 3.2f * 0.9f);
    child<QLineEdit>(fit, "FitGoals")->setText("equal-cutoff@fwd");
    child<QPushButton>(fit, "RunFit")->click();
    EXPECT_TRUE(child<QPushButton>(fit, "CancelFit")->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return !fit->Running(); }));
    ASSERT_TRUE(fit->Result().Converged()) << fit->Message().toStdString();
    EXPECT_EQ(Dimensions(), start);  // nothing changes before Apply
    EXPECT_EQ(child<QTableWidget>(fit, "FitValues")->rowCount(), 4);  // two values, the residual, the goal

    child<QPushButton>(fit, "ApplyFit")->click();
    EXPECT_NE(Dimensions(), start);
    EXPECT_EQ(GetDimension(model, *FindDimension("ValveCtrToJoint")), fit->Result().After[0]);
    EXPECT_GE(model.Undo.UndoCount, 1);
    EXPECT_TRUE(model.Undo.ButtonsEnabled);
    EXPECT_FALSE(child<QPushButton>(fit, "ApplyFit")->isEnabled());  // once only

    child<QPushButton>(fit, "UndoFit")->click();
    EXPECT_EQ(Dimensions(), start);
    EXPECT_EQ(model.Gear.RevArmCenter, centre);
    EXPECT_FALSE(child<QPushButton>(fit, "UndoFit")->isEnabled());
    w->close();
}

TEST_F(ValveEventsWindowTest, TheCsvIsTheWholeTableAndAFailedSaveLeavesTheOldFileAlone) {
    ValveEventsWindow* w = Open();
    ASSERT_NE(w, nullptr);
    EventsTab* events = w->Events();
    ASSERT_TRUE(WaitFor([&] { return events->HasTable(); }));
    QTemporaryDir dir;
    const QString path = dir.filePath("events.csv");
    QString shownError;
    events->AskCsvPath = [&](QWidget*, const QString&) { return path; };
    events->ShowError = [&](QWidget*, const QString& message) { shownError = message; };
    child<QPushButton>(events, "SaveCsv")->click();
    std::ifstream in(path.toStdString());
    std::stringstream saved;
    saved << in.rdbuf();
    const std::string text = saved.str();
    EXPECT_EQ(text, ValveEventsDelimited(events->Table(), ','));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 39);  // header + 2 x 19 rows
    EXPECT_TRUE(shownError.isEmpty());

    // A folder where the file should go: a message, and nothing written beside it.
    events->AskCsvPath = [&](QWidget*, const QString&) { return dir.path(); };
    child<QPushButton>(events, "SaveCsv")->click();
    EXPECT_TRUE(shownError.contains("it is a folder")) << shownError.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"events.csv"});
    w->close();
}

TEST_F(ValveEventsWindowTest, ACancelledFitOffersNothingToApply) {
    FitTab* fit = FitOnUnbalancedGear({"ValveCtrToJoint", "RockerPivotHorz"});
    ASSERT_NE(fit, nullptr);
    QWidget* w = fit->window();
    const std::vector<float> start = Dimensions();
    child<QLineEdit>(fit, "FitGoals")->setText("equal-cutoff@fwd, equal-cutoff@rev");
    child<QPushButton>(fit, "RunFit")->click();
    EXPECT_FALSE(child<QPushButton>(fit, "RunFit")->isEnabled());
    child<QPushButton>(fit, "CancelFit")->click();
    ASSERT_TRUE(WaitFor([&] { return !fit->Running(); }));
    EXPECT_EQ(fit->Result().Outcome, FitOutcome::Cancelled);
    EXPECT_TRUE(fit->Message().startsWith("Cancelled")) << fit->Message().toStdString();
    EXPECT_FALSE(child<QPushButton>(fit, "ApplyFit")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(fit, "RunFit")->isEnabled());
    fit->ApplyClick();  // even asked directly
    EXPECT_EQ(Dimensions(), start);
    w->close();
}

TEST_F(ValveEventsWindowTest, BadGoalsAndBoundsAreRefusedWithAMessageAndNothingRuns) {
    ValveEventsWindow* w = Open();
    ASSERT_NE(w, nullptr);
    FitTab* fit = w->Fit();
    const std::vector<float> start = Dimensions();
    auto run = [&] {
        child<QPushButton>(fit, "RunFit")->click();
        EXPECT_FALSE(fit->Running());
        return fit->Message().toStdString();
    };
    EXPECT_NE(run().find("choose at least one dimension"), std::string::npos);

    child<QComboBox>(fit, "FitDimension1")->setCurrentText("EccRodFwd");
    child<QLineEdit>(fit, "FitGoals")->setText("equal-cutof@fwd");
    EXPECT_NE(run().find("unknown goal 'equal-cutof@fwd'"), std::string::npos);

    child<QLineEdit>(fit, "FitGoals")->setText("equal-cutoff@fwd");
    child<QLineEdit>(fit, "FitLow1")->setText("70");
    child<QLineEdit>(fit, "FitHigh1")->setText("60");
    EXPECT_NE(run().find("the low bound must be below the high one"), std::string::npos);
    // What the number box lets through but is no number.
    child<QLineEdit>(fit, "FitHigh1")->setText("-");
    EXPECT_NE(run().find("are not two numbers"), std::string::npos);

    EXPECT_FALSE(child<QPushButton>(fit, "ApplyFit")->isEnabled());
    EXPECT_EQ(Dimensions(), start);
    w->close();
}

}  // namespace
}  // namespace lm::test
