// The band plot and the share chart against a summary made up here: each band's fill
// spans its 1st to 99th percentile at its setting, the nominal line runs through the
// nominal values, missing values break the lines, and the bars are as long as their shares.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "graphics/RecordingCanvas.h"
#include "tolerance/ToleranceCharts.h"

namespace lm {
namespace {

constexpr int kCutOffPair = 3;
constexpr int kFront = 2 * kCutOffPair, kRear = kFront + 1;

struct Made {
    StudyPlan Plan;
    ToleranceSummary Summary;
};

// Three settings at -1, 0 and 1 of the reverser; front cut-off 20, 30, 40 with a band
// of +-2, rear cut-off 18, missing, 38 with a band of +-1.
Made ThreeSettings() {
    Made m;
    m.Plan.Sources = {"EccRodFwd", "pin 8", "Stroke"};
    for (double r : {1.0, -1.0, 0.0}) {  // not in reverser order: the plot sorts them
        PlannedSetting s;
        s.Reverser = r;
        m.Plan.Settings.push_back(s);
    }
    m.Summary.Results.resize(3 * kStudyEventCount);
    for (std::size_t s = 0; s < 3; ++s) {
        const double r = m.Plan.Settings[s].Reverser;
        EventStatistics& front = m.Summary.Results[s * kStudyEventCount + kFront];
        front.Nominal = static_cast<float>(30 + 10 * r);
        front.P1 = front.Nominal - 2;
        front.P99 = front.Nominal + 2;
        EventStatistics& rear = m.Summary.Results[s * kStudyEventCount + kRear];
        rear.Nominal = r == 0 ? NAN : static_cast<float>(28 + 10 * r);
        rear.P1 = r == 0 ? NAN : rear.Nominal - 1;
        rear.P99 = r == 0 ? NAN : rear.Nominal + 1;
    }
    return m;
}

TEST(ToleranceBands, EachBandSpansItsPercentilesAndTheNominalLineJoinsTheSettings) {
    const Made m = ThreeSettings();
    RecordingCanvas c;
    DrawToleranceBands(c, m.Plan, m.Summary, kCutOffPair);
    const BandPlotFrame f = BandPlotFrameFor(m.Plan, m.Summary, kCutOffPair, kBandPlotWidth, kBandPlotHeight);
    EXPECT_LT(f.MinValue, 17);
    EXPECT_GT(f.MaxValue, 42);

    // At the middle setting the front fill covers 28..32 and the rear has none.
    const int x = f.X(0);
    const auto fill = c.SegmentsIn(kFrontBandFill);
    EXPECT_NE(std::find(fill.begin(), fill.end(), Segment{{x, f.Y(32)}, {x, f.Y(28) + 1}, kFrontBandFill, 1}),
              fill.end());
    for (const Segment& s : c.SegmentsIn(kRearBandFill)) EXPECT_TRUE(s.from.x < f.X(-0.5) || s.from.x > f.X(0.5));

    // The front nominal line, thick, through 20, 30 and 40 from left to right; the rear
    // one broken at the missing middle into two lone points.
    std::vector<ScreenPoint> nominal;
    for (const RecordedOp& op : c.OfKind(CanvasOp::Polyline))
        if (op.pen == kFrontEventColour && op.penWidth == 2) nominal = op.points;
    EXPECT_EQ(nominal, (std::vector<ScreenPoint>{{f.X(-1), f.Y(20)}, {f.X(0), f.Y(30)}, {f.X(1), f.Y(40)}}));
    for (const RecordedOp& op : c.OfKind(CanvasOp::Polyline)) EXPECT_FALSE(op.pen == kRearEventColour);
}

TEST(ToleranceShares, BarsAreAsLongAsTheirSharesAndTheSmallestGoTogether) {
    StudyPlan plan;
    EventStatistics r;
    r.Explained = 0.995;
    for (int k = 0; k < 14; ++k) {
        plan.Sources.push_back("D" + std::to_string(k));
        // 0.4, then 0.2, then 0.1, the rest 0.3 / 11 each.
        r.Shares.push_back({k, k == 0 ? 0.4 : k == 1 ? 0.2 : k == 2 ? 0.1 : 0.3 / 11});
    }
    RecordingCanvas c;
    DrawShareChart(c, plan, r, "Variance of FrontCutOff at fwd");
    const std::vector<std::string> texts = c.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "others (5)"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "40.0 %"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "The fit on the tolerances explains 99.5 % of the variance"),
              texts.end());
    // The longest bar row of each of the first three: lengths in the shares' proportion.
    std::vector<int> longest;
    int row = -1;
    for (const Segment& s : c.SegmentsIn({70, 110, 180})) {
        if (s.from.y != row && (longest.empty() || s.from.y > row + 1)) longest.push_back(0);
        row = s.from.y;
        longest.back() = std::max(longest.back(), s.to.x - s.from.x);
    }
    ASSERT_EQ(longest.size(), 10u);
    EXPECT_NEAR(static_cast<double>(longest[1]) / longest[0], 0.5, 0.02);
    EXPECT_NEAR(static_cast<double>(longest[2]) / longest[0], 0.25, 0.02);
    EXPECT_NEAR(static_cast<double>(longest[9]) / longest[0], 5 * 0.3 / 11 / 0.4, 0.02);
}

}  // namespace
}  // namespace lm
