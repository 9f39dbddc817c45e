// The cut-off plot on a recording canvas: each row's point where its arm position and
// cut-off put it, forward gear on the right whichever way the arm's numbers run, gaps
// where a port never cuts off; and the delimited table's columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "graphics/RecordingCanvas.h"
#include "workbench/CutOffPlot.h"
#include "workbench/ValveEventsText.h"

namespace lm {
namespace {

ValveEventRow Row(int row, float pos, std::optional<double> front, std::optional<double> rear) {
    ValveEventRow r;
    r.Row = row;
    r.RevArmPos = pos;
    r.Values[static_cast<std::size_t>(ValveEvent::FrontCutOff)] = front;
    r.Values[static_cast<std::size_t>(ValveEvent::RearCutOff)] = rear;
    return r;
}

// Mid gear at arm 2, full gear 10 either side; forward towards `forwardSign`.
ValveEventsTable Table(float forwardSign) {
    ValveEventsTable t;
    t.Forward = {Row(0, 2, 20, 22), Row(1, 2 + forwardSign * 5, 50, 48), Row(2, 2 + forwardSign * 10, 75, 70)};
    t.Reverse = {Row(0, 2, 25, 24), Row(1, 2 - forwardSign * 5, std::nullopt, 45),
                 Row(2, 2 - forwardSign * 10, 60, 65)};
    return t;
}

std::vector<std::vector<ScreenPoint>> Polylines(const RecordingCanvas& c, Rgb pen) {
    std::vector<std::vector<ScreenPoint>> lines;
    for (const RecordedOp& op : c.OfKind(CanvasOp::Polyline))
        if (op.pen == pen) lines.push_back(op.points);
    return lines;
}

TEST(CutOffPlot, PutsEachRowAtItsArmPositionAndCutOffWithForwardOnTheRight) {
    // Plot area of the 560 x 250 picture: x 44..546 (mid gear at 295), y 24 (100 %) ..
    // 216 (0 %): 1.92 pixels per percent.
    for (float sign : {1.0f, -1.0f}) {
        RecordingCanvas c;
        DrawCutOffPlot(c, Table(sign));
        const auto front = Polylines(c, kFrontCutOffColour);
        const auto rear = Polylines(c, kRearCutOffColour);
        // Forward front: mid gear 20 % at x 295, half gear 50 % at 420.5 (to even: 420),
        // full forward 75 % at the right edge.
        // The reverse front line has a missing middle row: two lone points, no line.
        ASSERT_EQ(front.size(), 1u) << sign;
        EXPECT_EQ(front[0], (std::vector<ScreenPoint>{{295, 178}, {420, 120}, {546, 72}})) << sign;
        // Reverse rear runs left: 24 % at mid, 45 % halfway, 65 % at full reverse.
        ASSERT_EQ(rear.size(), 2u);
        EXPECT_EQ(rear[1], (std::vector<ScreenPoint>{{295, 170}, {170, 130}, {44, 91}})) << sign;
    }
}

TEST(CutOffPlot, MarksTheReverserAndSurvivesAnEmptyTable) {
    RecordingCanvas c;
    DrawCutOffPlot(c, Table(1), 7.0f);  // half forward
    const auto marks = c.SegmentsIn(kReverserMarkColour);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].from, (ScreenPoint{420, 24}));
    EXPECT_EQ(marks[0].to, (ScreenPoint{420, 216}));

    RecordingCanvas empty;
    DrawCutOffPlot(empty, {}, std::nullopt);
    EXPECT_TRUE(Polylines(empty, kFrontCutOffColour).empty());
}

TEST(ValveEventsText, EveryLineHasEveryColumnAndMissingEventsAreEmpty) {
    const std::string text = ValveEventsDelimited(Table(1), '\t');
    std::istringstream lines(text);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    ASSERT_EQ(all.size(), 7u);
    for (const std::string& line : all) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 33) << line;
    EXPECT_EQ(all[0].substr(0, 44), "graph\trow\tRevArmPos\tFrontLead\tRearLead\tFront");
    // Reverse row 1: no front cut-off, so neither it nor the cut-off difference.
    EXPECT_EQ(all[5].substr(0, 7), "R\t1\t-3\t");
    EXPECT_NE(all[5].find("\t\t45.000\t"), std::string::npos) << all[5];  // to the thousandth it is known to
}

}  // namespace
}  // namespace lm
