// The event plot on a recording canvas: each row's point where its arm position and
// value put it, forward gear on the right whichever way the arm's numbers run, gaps
// where an event does not occur, a value axis of round steps covering every value, a
// second table dashed; and the delimited table's columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "graphics/RecordingCanvas.h"
#include "workbench/EventPlot.h"
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

TEST(EventPlot, PutsEachRowAtItsArmPositionAndValueWithForwardOnTheRight) {
    // Plot area of the 560 x 250 picture: x 48..546 (mid gear at 297), y 24..216. The
    // cut-offs run 20 to 75 %: an axis from 0 to 80 in steps of 20, 2.4 pixels a percent.
    for (float sign : {1.0f, -1.0f}) {
        const ValveEventsTable t = Table(sign);
        RecordingCanvas c;
        DrawEventPlot(c, {kCutOffPair, &t, "", nullptr, "", std::nullopt});
        const auto front = Polylines(c, kFrontEventColour);
        const auto rear = Polylines(c, kRearEventColour);
        // Forward front: 20 % at mid gear (x 297, y 216 - 48), 50 % halfway (x 421.5, to
        // even 422; y 96), 75 % at full forward (x 546, y 36). The reverse front line has
        // a missing middle row: two lone points, no line.
        ASSERT_EQ(front.size(), 1u) << sign;
        EXPECT_EQ(front[0], (std::vector<ScreenPoint>{{297, 168}, {422, 96}, {546, 36}})) << sign;
        // Reverse rear runs left: 24 % at mid, 45 % halfway, 65 % at full reverse.
        ASSERT_EQ(rear.size(), 2u);
        EXPECT_EQ(rear[1], (std::vector<ScreenPoint>{{297, 158}, {172, 108}, {48, 60}})) << sign;
    }
    const std::vector<std::string> texts = [] {
        const ValveEventsTable t = Table(1);
        RecordingCanvas c;
        DrawEventPlot(c, {kCutOffPair, &t, "", nullptr, "", std::nullopt});
        return c.Texts();
    }();
    for (const char* label : {"Cut-off, % of stroke", "0", "20", "80"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "100"), texts.end());
}

TEST(EventPlot, AxesAreRoundAndCoverEveryValueOfBothTables) {
    const auto axis = [](double lo, double hi) {
        const NiceAxis a = NiceAxisFor(lo, hi);
        return std::vector<double>{a.Low, a.High, a.Step};
    };
    EXPECT_EQ(axis(0, 75), (std::vector<double>{0, 80, 20}));
    EXPECT_EQ(axis(0, 87.7), (std::vector<double>{0, 100, 20}));
    const NiceAxis lead = NiceAxisFor(-0.0203, 0.0266);  // the nominal gear's leads
    EXPECT_NEAR(lead.Step, 0.01, 1e-15);
    EXPECT_NEAR(lead.Low, -0.03, 1e-15);
    EXPECT_NEAR(lead.High, 0.03, 1e-15);
    const NiceAxis one = NiceAxisFor(5, 5);  // a single value still gets a span
    EXPECT_LT(one.Low, 5);
    EXPECT_GT(one.High, 5);
    // The labels' decimals: steps worked out in binary still read as their round decimal.
    EXPECT_EQ(StepDecimals(0.25), 2);
    EXPECT_EQ(StepDecimals(0.1 + 0.2), 1);
    EXPECT_EQ(StepDecimals(3 * 0.0001), 4);
    EXPECT_EQ(StepDecimals(2500), 0);
    EXPECT_EQ(RoundStep(0), 1);  // nothing to span: still a step the grid can walk

    // Leads are lengths, from whichever table reaches further.
    ValveEventsTable t = Table(1), other = Table(1);
    t.Forward[0].Values[static_cast<std::size_t>(ValveEvent::FrontLead)] = -0.004;
    other.Forward[2].Values[static_cast<std::size_t>(ValveEvent::RearLead)] = 0.031;
    const EventPlotFrame f = EventPlotFrameFor({0, &t, "", &other, "", std::nullopt}, 560, 250);
    EXPECT_LE(f.Low, -0.004);
    EXPECT_GE(f.High, 0.031);
    EXPECT_LT(f.High - f.Low, 0.1);
    EXPECT_EQ(EventPlotTitle(0), "Lead, length units");
}

TEST(EventPlot, ASecondTableIsDashedBesideTheFirst) {
    const ValveEventsTable t = Table(1), other = Table(1);
    RecordingCanvas alone, both;
    DrawEventPlot(alone, {kCutOffPair, &t, "This gear", nullptr, "", std::nullopt});
    DrawEventPlot(both, {kCutOffPair, &t, "This gear", &other, "B.lmd", std::nullopt});
    // The first table's lines as before; the second table's points are squares (five
    // front cut-offs occur in it) joined by short dashes in the same colours.
    const auto squares = [](const RecordingCanvas& c) {
        return std::count_if(c.Ops().begin(), c.Ops().end(), [](const RecordedOp& op) {
            return op.kind == CanvasOp::Polyline && op.pen == kFrontEventColour && op.points.size() == 5;
        });
    };
    EXPECT_EQ(squares(alone), 0);
    EXPECT_EQ(squares(both), 5);
    EXPECT_EQ(Polylines(both, kFrontEventColour).size(), Polylines(alone, kFrontEventColour).size() + 5);
    int dashes = 0;
    for (const RecordedOp& op : both.OfKind(CanvasOp::LineTo)) {
        // The legend's sample line, above the plot, is whole.
        if (op.pen != kFrontEventColour || op.points.size() != 2 || op.points[0].y < 30) continue;
        const double length = std::hypot(op.points[1].x - op.points[0].x, op.points[1].y - op.points[0].y);
        EXPECT_LE(length, 7.0);
        ++dashes;
    }
    EXPECT_GT(dashes, 20);
    const std::vector<std::string> texts = both.Texts();
    for (const char* label : {"This gear", "B.lmd"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
}

TEST(EventPlot, MarksTheReverserAndSurvivesAnEmptyTable) {
    const ValveEventsTable t = Table(1);
    RecordingCanvas c;
    DrawEventPlot(c, {kCutOffPair, &t, "", nullptr, "", 7.0f});  // half forward
    const auto marks = c.SegmentsIn(kReverserMarkColour);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].from, (ScreenPoint{422, 24}));
    EXPECT_EQ(marks[0].to, (ScreenPoint{422, 216}));

    for (const EventPlot& plot : {EventPlot{}, EventPlot{kCutOffPair, nullptr, "", nullptr, "", 3.0f},
                                  EventPlot{99, nullptr, "", nullptr, "", std::nullopt}}) {
        RecordingCanvas empty;
        DrawEventPlot(empty, plot);
        EXPECT_TRUE(Polylines(empty, kFrontEventColour).empty());
    }
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
