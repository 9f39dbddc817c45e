// The tolerances tab as a user drives it: a typed study run on a copy of the gear with
// the core's very numbers, a cancelled run that shows nothing, bad input refused with a
// message, and the study file saved and opened again.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>

#include "ValveEventsWindowFixture.h"
#include "kinematics/MidGear.h"
#include "model/DimensionEdit.h"
#include "tolerance/StudyForm.h"
#include "tolerance/ToleranceReport.h"
#include "tolerance/ToleranceRun.h"
#include "workbench/qt/TolerancesTab.h"

namespace lm::test {
namespace {

class TolerancesTabTest : public ValveEventsWindowTest {
protected:
    void SetUp() override {
        ValveEventsWindowTest::SetUp();
        window = Open();
        ASSERT_NE(window, nullptr);
        tab = window->Tolerances();
    }
    void TearDown() override {
        window->close();
        ValveEventsWindowTest::TearDown();
    }
    void Type(const char* box, const QString& text) { child<QLineEdit>(tab, box)->setText(text); }
    void Run() { child<QPushButton>(tab, "RunTolerances")->click(); }

    ValveEventsWindow* window = nullptr;
    TolerancesTab* tab = nullptr;
};

TEST_F(TolerancesTabTest, ATypedStudyRunsOnACopyAndShowsTheCoresOwnNumbers) {
    const std::vector<float> start = Dimensions();
    Type("Tol_EccRodFwd", "0.002");
    Type("Tol_pin12", "0.004");
    Type("ToleranceSamples", "40");
    Type("ToleranceSettings", "mid, fwd, full-rev..fwd/2");
    Run();
    EXPECT_FALSE(child<QPushButton>(tab, "RunTolerances")->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return !tab->Running(); }));
    ASSERT_TRUE(tab->HasResult()) << tab->Message().toStdString();
    EXPECT_EQ(Dimensions(), start);

    // The same study worked out here, straight from the core.
    ToleranceStudy study;
    study.Samples = 40;
    study.Settings = {"mid", "fwd", "full-rev..fwd/2"};
    study.SetTolerance("EccRodFwd", 0.002);
    study.SetClearance(12, 0.004);
    const StudyPlan plan = PlanStudy(model, study);
    const ToleranceSummary expected = Summarize(plan, StudyNominal(model, plan), *RunSamples(model, plan, 0, 40));
    EXPECT_EQ(ToleranceJson(tab->Plan(), tab->Summary()), ToleranceJson(plan, expected));

    auto* results = child<QTableWidget>(tab, "ToleranceResults");
    ASSERT_EQ(results->rowCount(), 4 * kStudyEventCount);
    const int fwdCutOff = kStudyEventCount + static_cast<int>(ValveEvent::FrontCutOff);
    // A setting names its rows once, over all of them.
    EXPECT_EQ(Cell(results, kStudyEventCount, 0), "fwd");
    EXPECT_EQ(results->rowSpan(kStudyEventCount, 0), kStudyEventCount);
    EXPECT_EQ(Cell(results, 2 * kStudyEventCount, 0), "full-rev..\nfwd\n@0");
    // Sizing to contents passes over spanned cells; the column still fits its lines.
    QStyleOptionViewItem option;
    option.initFrom(results);
    const QModelIndex range = results->model()->index(2 * kStudyEventCount, 0);
    EXPECT_GE(results->columnWidth(0), results->itemDelegate()->sizeHint(option, range).width());
    EXPECT_EQ(Cell(results, fwdCutOff, 6).toStdString(),
              StudyValueText(static_cast<int>(ValveEvent::FrontCutOff), expected.At(1, 6).P99));
    const std::string largest = plan.Sources[static_cast<std::size_t>(expected.At(1, 6).Shares[0].Source)];
    EXPECT_TRUE(Cell(results, fwdCutOff, 9).startsWith(QString::fromStdString(largest)));

    // Both pictures drawn, and saved as the other plots are.
    EXPECT_FALSE(tab->Bands().image().isNull());
    QTemporaryDir dir;
    for (const char* name : {"bands.png", "bands.svg"}) {
        tab->AskPicturePath = [&](QWidget*, const QString&) { return dir.filePath(name); };
        child<QPushButton>(tab, "SaveToleranceBands")->click();
        EXPECT_GT(QFile(dir.filePath(name)).size(), 1000) << name;
    }
    tab->AskPicturePath = [&](QWidget*, const QString&) { return dir.filePath("shares.svg"); };
    child<QPushButton>(tab, "SaveToleranceShares")->click();
    EXPECT_GT(QFile(dir.filePath("shares.svg")).size(), 1000);
    // A change of the gear afterwards: the results are said to be of the gear before.
    ApplyEditedDimension(model, *FindDimension("EccRodFwd"), 7.8f);
    window->Watch();
    EXPECT_TRUE(tab->Message().startsWith("The gear has changed")) << tab->Message().toStdString();
}

TEST_F(TolerancesTabTest, ACancelledRunShowsNothingOfItself) {
    const std::vector<float> start = Dimensions();
    Type("ToleranceDefaultLength", "0.002");
    Type("ToleranceSamples", "100000");
    Run();
    EXPECT_TRUE(child<QPushButton>(tab, "CancelTolerances")->isEnabled());
    child<QPushButton>(tab, "CancelTolerances")->click();
    ASSERT_TRUE(WaitFor([&] { return !tab->Running(); }));
    EXPECT_FALSE(tab->HasResult());
    EXPECT_TRUE(tab->Message().startsWith("Cancelled")) << tab->Message().toStdString();
    EXPECT_EQ(child<QTableWidget>(tab, "ToleranceResults")->rowCount(), 0);
    EXPECT_FALSE(child<QPushButton>(tab, "SaveToleranceCsv")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(tab, "RunTolerances")->isEnabled());
    EXPECT_EQ(Dimensions(), start);
}

TEST_F(TolerancesTabTest, BadInputIsRefusedWithAMessageAndNothingRuns) {
    const struct {
        const char* box;
        const char* text;
        const char* says;
    } cases[] = {
        {"ToleranceSamples", "0", "samples: 0 is not from 1 to 10000000"},
        {"ToleranceSamples", "20000000", "samples: 20000000 is not from 1"},
        {"ToleranceSamples", "2.5", "samples: '2.5' is not a whole number"},
        {"ToleranceSeed", "", "seed: '' is not a whole number"},
        {"ToleranceSettings", "mid, sideways", "setting 'sideways'"},
        {"ToleranceDefaultLength", "2000000", "defaultLength: the tolerance 2e+06 is above"},
    };
    for (const auto& c : cases) {
        tab->ShowStudy(ToleranceStudy{});
        Type(c.box, c.text);
        Run();
        EXPECT_FALSE(tab->Running()) << c.box;
        EXPECT_TRUE(tab->Message().contains(c.says)) << tab->Message().toStdString();
    }
    EXPECT_FALSE(tab->HasResult());

    // The drawn gear itself cannot be assembled: the worker says so, and shows nothing.
    ApplyEditedDimension(model, *FindDimension("LiftingLinkLen"), 0.8f);
    FindMidGear(model);
    tab->ShowStudy(ToleranceStudy{});
    Type("ToleranceSamples", "5");
    Run();
    ASSERT_TRUE(WaitFor([&] { return !tab->Running(); }));
    EXPECT_FALSE(tab->HasResult());
    EXPECT_TRUE(tab->Message().contains("cannot be assembled at mid")) << tab->Message().toStdString();
}

TEST_F(TolerancesTabTest, TheStudySavedIsTheStudyOpenedAndABrokenFileChangesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("gear.json");
    Type("Tol_LinkRadius", "0.01");
    Type("Tol_EccAngFwd", "0");
    Type("Tol_pin8", "0.006");
    Type("ToleranceDefaultAngle", "0.05");
    Type("ToleranceSettings", "fwd..full-fwd/3");
    child<QComboBox>(tab, "ToleranceSpread")->setCurrentIndex(1);
    const StudyForm typed = tab->Form();
    tab->AskStudyToSave = [&](QWidget*, const QString&) { return path; };
    child<QPushButton>(tab, "SaveStudy")->click();

    tab->ShowStudy(ToleranceStudy{});
    tab->AskStudyToOpen = [&](QWidget*, const QString&) { return path; };
    child<QPushButton>(tab, "OpenStudy")->click();
    const StudyForm opened = tab->Form();
    EXPECT_EQ(opened.Rows, typed.Rows);
    EXPECT_EQ(opened.DefaultAngle, "0.05");
    EXPECT_EQ(opened.Settings, "fwd..full-fwd/3");
    EXPECT_TRUE(opened.Normal);

    QFile broken(dir.filePath("broken.json"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(R"({"clearances": {"14": 0.01}})");
    broken.close();
    QString shown;
    tab->ShowError = [&](QWidget*, const QString& message) { shown = message; };
    tab->AskStudyToOpen = [&](QWidget*, const QString&) { return broken.fileName(); };
    child<QPushButton>(tab, "OpenStudy")->click();
    EXPECT_TRUE(shown.contains("broken.json")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("pivot 14 is not a pin joint")) << shown.toStdString();
    EXPECT_EQ(tab->Form().Rows, typed.Rows);
}

}  // namespace
}  // namespace lm::test
