// Pivots picked with two presses on the main window's drawing, and the pivot data table
// opened from the button that comes with the display.
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScreen>

#include <algorithm>

#include <gtest/gtest.h>

#include "dialogs/qt/DataTable.h"
#include "view/ViewMapping.h"
#include "view/WindowTitles.h"
#include "MainWindowFixture.h"

namespace lm {
namespace {

class PivotPicksTest : public test::MainWindowFixture {
protected:
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* area = widget("ClientArea");
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), area->mapToGlobal(QPointF(at)), button,
                      button, Qt::NoModifier);
        QApplication::sendEvent(area, &e);
    }
    QPoint onScreen(int pivot) const {
        const ScreenPoint p = ToScreen(model.View, model.P(pivot));
        return {p.x, p.y};
    }
    // Dark pixels in a strip of the finished picture: where text has been drawn.
    int inkIn(QRect r) const {
        const QImage img = form->picture().scaled(1280, 1024);
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) n += qGray(img.pixel(x, y)) < 100;
        return n;
    }
};

TEST_F(PivotPicksTest, RowNumberThenPivotTracksItAndTheDisplayShowsIt) {
    action("SetPivotData")->trigger();
    EXPECT_TRUE(model.Display.RefPointsOn);
    EXPECT_TRUE(shown(button("DataTableBut")));
    tick();
    const QRect row2Numbers(12, 160, 80, 9);
    EXPECT_EQ(inkIn(row2Numbers), 0);

    press({10, 165});  // row 2's number
    EXPECT_TRUE(model.Tracking.TrackPending);
    // Right beside the crank pin (pivot 2 is nearer to nothing else there).
    press(onScreen(2) + QPoint(1, 1));
    EXPECT_FALSE(model.Tracking.TrackPending);
    EXPECT_EQ(model.Tracking.Rows[2].Pivot, 2.0f);
    tick();
    EXPECT_GT(inkIn(row2Numbers), 20);

    // With the large font the rows move down, and the button below them with them.
    action("LargeFont")->trigger();
    EXPECT_EQ(button("DataTableBut")->y(), 261);  // 214 x 1.22
    press({10, 215});  // row 3's number: 211..220 at this size (172..181 x 1.22)
    EXPECT_EQ(model.Tracking.TrackRow, 3);

    // Switched off, the button goes.
    action("SetPivotData")->trigger();
    EXPECT_FALSE(shown(button("DataTableBut")));
}

TEST_F(PivotPicksTest, TableShowsAllSixPivotsAndItsFirstLineFollowsTheTitlesClock) {
    action("SetPivotData")->trigger();
    button("DataTableBut")->click();
    auto* table = form->findChild<DataTable*>("DataTable");
    ASSERT_NE(table, nullptr);
    auto* memo = table->findChild<QPlainTextEdit*>("DataMemo");
    // Every column of the widest row is in view without scrolling, where the screen has
    // the room; elsewhere the window takes what it has.
    const QStringList lines = memo->toPlainText().split('\n');
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, QFontMetrics(memo->font()).horizontalAdvance(line));
    const int room = table->screen()->availableGeometry().width() * 95 / 100;
    if (room >= widest + 60)
        EXPECT_LE(widest, memo->viewport()->width());
    else
        EXPECT_EQ(table->width(), room);
    // The first line's date and time are the titles' (same formats), and follow them.
    EXPECT_EQ(lines[0].toStdString(), "Pivot Data   Nominal     " + ShortDateNow() + "   " + LongTimeNow());
    model.DataSetName = "Renamed";
    tick();
    EXPECT_TRUE(memo->toPlainText().startsWith("Pivot Data   Renamed     "));
    EXPECT_TRUE(table->windowTitle().contains("Renamed"));
    table->close();
}

TEST_F(PivotPicksTest, TableIsRebuiltAtEveryOpeningAndPutsTheAngleBack) {
    action("SetPivotData")->trigger();
    model.Tracking.Rows[1] = {3.0f, true};
    model.Gear.DriverAngle = 123.0f;
    model.Gear.StepAngle = 4.0f;
    button("DataTableBut")->click();
    auto* table = form->findChild<DataTable*>("DataTable");
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    auto* memo = table->findChild<QPlainTextEdit*>("DataMemo");
    const QStringList lines = memo->toPlainText().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4 + 37);
    EXPECT_TRUE(lines[1].contains("Step Angle  10.000"));
    EXPECT_TRUE(lines.last().startsWith(" 360.00"));
    EXPECT_EQ(model.Gear.DriverAngle, 123.0f);
    EXPECT_EQ(model.Gear.StepAngle, 4.0f);

    // The user's edits last until the next opening; the step in force then is used.
    memo->setPlainText("scribbled");
    table->close();
    form->state().StepAngleSetting = 7.0f;
    button("DataTableBut")->click();
    const QStringList again = memo->toPlainText().split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(again.size(), 4 + 52);  // 0, 7, ..., 357
    EXPECT_TRUE(again.last().startsWith(" 357.00"));

    // The Edit menu follows the selection when it opens.
    QAction* copy = table->findChild<QAction*>("Copy1");
    QAction* selectAll = table->findChild<QAction*>("SelectAll1");
    EXPECT_FALSE(copy->isEnabled());
    selectAll->trigger();
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_FALSE(selectAll->isEnabled());
    copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().count('\n'), again.size());
    table->close();
}

}  // namespace
}  // namespace lm
