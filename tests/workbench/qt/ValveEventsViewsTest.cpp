// The Valve Events window's views clicked by name: rows the gear cannot be assembled in
// tinted, a second gear compared without touching this one, the plot's event chosen, the
// fit's table with its changed cells marked and its constraints, the sensitivity's steps.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>
#include <fstream>

#include "../../model/ModelTestSupport.h"
#include "ValveEventsWindowFixture.h"
#include "files/DimensionFile.h"
#include "kinematics/MidGear.h"
#include "model/DimensionEdit.h"
#include "workbench/ValveEventsText.h"
#include "workbench/qt/EventsGrid.h"
#include "workbench/qt/EventsTab.h"
#include "workbench/qt/FitTab.h"
#include "workbench/qt/SensitivityTab.h"

namespace lm::test {
namespace {

constexpr int kCutOffFront = kEventsGridLeadingColumns + 3 * 3;

TEST_F(ValveEventsWindowTest, RowsTheGearCannotBeAssembledInAreTintedAndSaySo) {
    ApplyEditedDimension(model, *FindDimension("LiftingLinkLen"), 0.8f);
    FindMidGear(model);
    ValveEventsWindow* w = Open();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(WaitFor([&] { return w->Events()->HasTable(); }));
    auto* grid = child<QTableWidget>(w, "EventsTable");
    const ValveEventsTable& t = w->Events()->Table();
    int flagged = 0;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const bool error = r < 19 ? t.Forward[static_cast<std::size_t>(r)].GearError
                                  : t.Reverse[static_cast<std::size_t>(r - 19)].GearError;
        EXPECT_EQ(IsMarkedUnassemblable(grid, r), error) << r;
        EXPECT_EQ(grid->item(r, kCutOffFront)->toolTip().contains("cannot be assembled"), error) << r;
        flagged += error;
    }
    EXPECT_GT(flagged, 0);
    EXPECT_LT(flagged, 38);  // some rows can be
    w->close();
}

TEST_F(ValveEventsWindowTest, ComparingShowsTheOtherGearBesideThisOneAndNeverChangesIt) {
    QTemporaryDir dir;
    const QString other = dir.filePath("other.lmd");
    Model b = model;
    ApplyEditedDimension(b, *FindDimension("ValveCtrToJoint"), 3.2f);
    FindMidGear(b);
    ASSERT_TRUE(SaveDimensionFile(b, other.toStdString()).ok());
    const QString same = dir.filePath("same.lmd");
    ASSERT_TRUE(SaveDimensionFile(model, same.toStdString()).ok());

    ValveEventsWindow* w = Open();
    ASSERT_NE(w, nullptr);
    EventsTab* events = w->Events();
    ASSERT_TRUE(WaitFor([&] { return events->HasTable(); }));
    const Model before = model;
    const QImage alone = events->Plot().image();
    QString shownError;
    events->ShowError = [&](QWidget*, const QString& message) { shownError = message; };

    QString asked = other;
    events->AskComparePath = [&](QWidget*, const QString&) { return asked; };
    child<QPushButton>(events, "CompareWith")->click();
    ASSERT_TRUE(WaitFor([&] { return events->HasComparison() && !events->ComparisonRunning(); }));
    EXPECT_EQ(Differences(model, before), std::vector<std::string>{});
    EXPECT_TRUE(shownError.isEmpty()) << shownError.toStdString();
    EXPECT_NE(events->Plot().image(), alone);  // the other gear's lines are drawn too

    // The table of differences is the other gear's events less this gear's, row by row.
    auto* grid = child<QTableWidget>(events, "EventsTable");
    child<QComboBox>(events, "TableShows")->setCurrentIndex(2);
    EXPECT_EQ(events->TableShown(), EventsTab::Shown::Difference);
    const ValveEventsTable a = ComputeValveEvents(model), bt = ComputeValveEvents(b);
    for (const int row : {0, 10, 18}) {
        const auto i = static_cast<std::size_t>(row);
        const double expected = *bt.Forward[i].Value(ValveEvent::FrontCutOff) - *a.Forward[i].Value(ValveEvent::FrontCutOff);
        EXPECT_EQ(Cell(grid, row, kCutOffFront).toStdString(), EventCellText(ValveEvent::FrontCutOff, expected)) << row;
    }
    child<QComboBox>(events, "TableShows")->setCurrentIndex(1);
    EXPECT_EQ(Cell(grid, 18, kCutOffFront).toStdString(),
              EventCellText(ValveEvent::FrontCutOff, bt.Forward[18].Value(ValveEvent::FrontCutOff)));

    // A file that is no dimension file: one message, and the comparison there was stays.
    const QString junk = dir.filePath("junk.lmd");
    {
        std::ofstream out(junk.toStdString());
        out << "not a gear";
    }
    asked = junk;
    child<QPushButton>(events, "CompareWith")->click();
    EXPECT_FALSE(shownError.isEmpty());
    EXPECT_TRUE(events->HasComparison());
    EXPECT_EQ(Cell(grid, 18, kCutOffFront).toStdString(),
              EventCellText(ValveEvent::FrontCutOff, bt.Forward[18].Value(ValveEvent::FrontCutOff)));

    // This gear against itself differs nowhere.
    asked = same;
    child<QPushButton>(events, "CompareWith")->click();
    ASSERT_TRUE(WaitFor([&] { return !events->ComparisonRunning(); }));
    child<QComboBox>(events, "TableShows")->setCurrentIndex(2);
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = kEventsGridLeadingColumns; c < grid->columnCount(); ++c) {
            const QString text = Cell(grid, r, c);
            EXPECT_TRUE(text.isEmpty() || text.toDouble() == 0.0) << r << "," << c << " " << text.toStdString();
        }

    child<QPushButton>(events, "ClearComparison")->click();
    EXPECT_FALSE(events->HasComparison());
    EXPECT_EQ(events->TableShown(), EventsTab::Shown::ThisGear);
    EXPECT_EQ(events->Plot().image(), alone);
    EXPECT_EQ(Differences(model, before), std::vector<std::string>{});
    w->close();
}

TEST_F(ValveEventsWindowTest, ThePlotShowsTheEventChosen) {
    ValveEventsWindow* w = Open();
    ASSERT_NE(w, nullptr);
    EventsTab* events = w->Events();
    ASSERT_TRUE(WaitFor([&] { return events->HasTable(); }));
    auto* chooser = child<QComboBox>(events, "PlotEvent");
    EXPECT_EQ(chooser->currentText(), "Cut-off");
    std::vector<QImage> pictures{events->Plot().image()};
    for (const char* event : {"Lead", "Release", "Cut-off"}) {
        chooser->setCurrentText(event);
        pictures.push_back(events->Plot().image());
    }
    EXPECT_NE(pictures[1], pictures[0]);
    EXPECT_NE(pictures[2], pictures[1]);
    EXPECT_EQ(pictures[3], pictures[0]);  // back to cut-off, the same picture
    w->close();
}

TEST_F(ValveEventsWindowTest, TheFitShowsEveryCellItChangedAndKeepsItsConstraint) {
    FitTab* fit = FitOnUnbalancedGear({"ValveCtrToJoint", "RockerPivotHorz", "EccRodFwd"});
    ASSERT_NE(fit, nullptr);
    QWidget* w = fit->window();
    const std::vector<float> start = Dimensions();
    child<QLineEdit>(fit, "FitGoals")->setText("equal-cutoff@fwd");
    child<QLineEdit>(fit, "FitConstraints")->setText("lead>=0.02@mid");
    child<QPushButton>(fit, "RunFit")->click();
    ASSERT_TRUE(WaitFor([&] { return !fit->Running(); }));
    ASSERT_TRUE(fit->Result().Converged()) << fit->Message().toStdString();
    EXPECT_EQ(Dimensions(), start);

    // Every cell whose text the fit changed is marked, and no other.
    auto* grid = child<QTableWidget>(fit, "FitEvents");
    ASSERT_EQ(grid->rowCount(), 38);
    int marked = 0;
    const auto rowOf = [](const ValveEventsTable& t, int r) {
        return r < 19 ? t.Forward[static_cast<std::size_t>(r)] : t.Reverse[static_cast<std::size_t>(r - 19)];
    };
    for (int r = 0; r < 38; ++r) {
        const ValveEventRow a = rowOf(fit->TableBefore(), r), b = rowOf(fit->TableAfter(), r);
        const bool frontLeadChanged = EventCellText(ValveEvent::FrontLead, a.Value(ValveEvent::FrontLead)) !=
                                      EventCellText(ValveEvent::FrontLead, b.Value(ValveEvent::FrontLead));
        EXPECT_EQ(IsMarkedChanged(grid, r, kEventsGridLeadingColumns), frontLeadChanged) << r;
        for (int c = kEventsGridLeadingColumns; c < grid->columnCount(); ++c) marked += IsMarkedChanged(grid, r, c);
    }
    EXPECT_EQ(marked, fit->ChangedCells());
    EXPECT_GT(marked, 0);
    EXPECT_TRUE(child<QLabel>(fit, "FitUnasked")->text().startsWith("Largest change no goal"));
    // The constraint's row: its worst value after the fit at least its limit.
    auto* values = child<QTableWidget>(fit, "FitValues");
    ASSERT_EQ(values->rowCount(), 6);  // three values, the residual, the goal, the constraint
    EXPECT_TRUE(values->item(5, 0)->text().startsWith("lead>=0.02@mid"));
    EXPECT_GE(values->item(5, 2)->text().toDouble(), 0.02);

    // The table before the fit, unmarked.
    child<QComboBox>(fit, "FitTableShows")->setCurrentIndex(1);
    EXPECT_EQ(fit->ChangedCells(), 0);
    EXPECT_EQ(Cell(grid, 18, kCutOffFront).toStdString(),
              EventCellText(ValveEvent::FrontCutOff, fit->TableBefore().Forward[18].Value(ValveEvent::FrontCutOff)));

    // A threshold that is no positive number, or a constraint that cannot be read: a
    // message, and nothing runs.
    child<QLineEdit>(fit, "FitThreshold")->setText("0");
    child<QPushButton>(fit, "RunFit")->click();
    EXPECT_FALSE(fit->Running());
    EXPECT_TRUE(fit->Message().contains("threshold")) << fit->Message().toStdString();
    child<QLineEdit>(fit, "FitThreshold")->setText("0.01");
    child<QLineEdit>(fit, "FitConstraints")->setText("lead>0.02@mid");
    child<QPushButton>(fit, "RunFit")->click();
    EXPECT_FALSE(fit->Running());
    EXPECT_TRUE(fit->Message().contains(">=")) << fit->Message().toStdString();
    EXPECT_EQ(Dimensions(), start);
    w->close();
}

TEST_F(ValveEventsWindowTest, SensitivityTakesItsStepsAndRanksByTolerancesWhenBothAreGiven) {
    ValveEventsWindow* w = Open();
    ASSERT_NE(w, nullptr);
    SensitivityTab* tab = w->Sensitivity();
    auto* status = child<QLabel>(tab, "SensitivityStatus");
    child<QLineEdit>(tab, "SensitivityStepLength")->setText("0");
    child<QPushButton>(tab, "ComputeSensitivity")->click();
    EXPECT_TRUE(status->text().startsWith("Nothing was computed")) << status->text().toStdString();
    EXPECT_FALSE(tab->HasResult());
    child<QLineEdit>(tab, "SensitivityStepLength")->setText("0.003");
    child<QLineEdit>(tab, "SensitivityToleranceLength")->setText("0.01");
    child<QPushButton>(tab, "ComputeSensitivity")->click();
    EXPECT_TRUE(status->text().contains("both tolerances")) << status->text().toStdString();

    child<QLineEdit>(tab, "SensitivityToleranceAngle")->setText("2");
    child<QPushButton>(tab, "ComputeSensitivity")->click();
    ASSERT_TRUE(WaitFor([&] { return tab->HasResult(); }));
    auto* grid = child<QTableWidget>(tab, "SensitivityTable");
    EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "Effect of one tolerance, % of stroke");
    ASSERT_EQ(grid->rowCount(), 44);
    double previous = INFINITY;
    for (int r = 0; r < 44 && !Cell(grid, r, 3).isEmpty(); ++r) {
        EXPECT_LE(Cell(grid, r, 3).toDouble(), previous) << r;
        previous = Cell(grid, r, 3).toDouble();
        EXPECT_TRUE(Cell(grid, r, 2).startsWith("% of stroke per ")) << r;
    }
    w->close();
}

}  // namespace
}  // namespace lm::test
