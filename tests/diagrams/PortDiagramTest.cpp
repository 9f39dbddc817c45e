// The port diagram: event crossings on its nineteen rows, curves, the normal-gear line,
// the cycle annotation, reverse graphs and impossible gears.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "GearSweep.h"
#include "common/Numbers.h"
#include "diagrams/Diagrams.h"
#include "graphics/NullCanvas.h"
#include "graphics/RecordingCanvas.h"
#include "kinematics/MidGear.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

using testing::SweepGear;
using testing::SweepPoint;
using testing::ZeroCrossings;

constexpr Rgb kTeal{0, 128, 128}, kGreen{0, 128, 0}, kMaroon{128, 0, 0};

class PortDiagram : public ::testing::Test {
protected:
    void SetUp() override { StartUp(m); }

    std::vector<RecordedOp> TextsAt(ScreenPoint p) const {
        std::vector<RecordedOp> out;
        for (const RecordedOp& op : canvas.OfKind(CanvasOp::TextOut))
            if (op.points[0] == p) out.push_back(op);
        return out;
    }

    // Every crossing of every row against a sweep of the gear in 4-degree steps from
    // 4 degrees, one revolution, with the opening crossings interpolated here.
    void ExpectCrossingsMatchOwnSweep(char graph) {
        const bool plain = (m.Gear.LiftingArmLenSolved > 0) == (m.Gear.EccSign > 0);
        const double towardsForward = plain ? 1 : -1;
        ASSERT_EQ(report.size(), 19u);
        int found = 0;
        for (int i = 0; i < 19; ++i) {
            const double d = i * static_cast<double>(m.Frame.RevArmCentMax) / 18;
            const double pos = m.Gear.RevArmCenter + (graph == 'F' ? 1 : -1) * towardsForward * d;
            EXPECT_NEAR(report[i].RevArmPos, pos, 1e-5) << i;
            const float step = graph == 'F' ? 4 : -4;
            const auto s = SweepGear(m, report[i].RevArmPos, step, step, 91);
            const std::pair<float SweepPoint::*, bool> events[] = {
                {&SweepPoint::frontSteam, true},    {&SweepPoint::frontExhaust, true},
                {&SweepPoint::rearSteam, true},     {&SweepPoint::rearExhaust, true},
                {&SweepPoint::frontSteam, false},   {&SweepPoint::frontExhaust, false},
                {&SweepPoint::rearSteam, false},    {&SweepPoint::rearExhaust, false},
            };
            for (int e = 0; e < kPortEventCount; ++e) {
                const auto expected = ZeroCrossings(s, events[e].first, events[e].second);
                const auto& got = report[i].Crossings[e];
                ASSERT_EQ(got.size(), expected.size()) << "row " << i << " event " << e;
                for (std::size_t k = 0; k < got.size(); ++k) EXPECT_NEAR(got[k], expected[k], 1e-3);
                found += static_cast<int>(got.size());
            }
        }
        EXPECT_GT(found, 19 * 4);  // exhaust events every row, steam events away from mid gear
    }

    Model m;
    RecordingCanvas canvas;
    std::vector<PortRowReport> report;
};

TEST_F(PortDiagram, ForwardCrossingsAreTheOpeningsZeroCrossingsOnNineteenRows) {
    DrawPortDiagram(m, canvas, 'F', true, &report);
    ExpectCrossingsMatchOwnSweep('F');
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(TextsAt({556, 336 - 16 * i}).at(0).text, FormatFixed(report[i].RevArmPos, 7, 3));
    EXPECT_FALSE(TextsAt({554, 32}).empty());
    EXPECT_TRUE(TextsAt({605, 32}).empty());

    // In full forward gear the front port cuts off late in the stroke.
    ASSERT_EQ(report[18].Crossings[FrontSteamCloses].size(), 1u);
    EXPECT_GT(report[18].Crossings[FrontSteamCloses][0] / 6.4, 50);
}

TEST_F(PortDiagram, EachEventsCurveJoinsItsCrossingsFromTheSecondOccurrenceOn) {
    DrawPortDiagram(m, canvas, 'F', false, &report);
    // Each event's first crossing only starts its curve: one line fewer than crossings.
    std::map<bool, int> lines;  // by front end
    for (int e = 0; e < kPortEventCount; ++e) {
        int n = 0;
        for (const PortRowReport& r : report) n += static_cast<int>(r.Crossings[e].size());
        lines[e == FrontSteamOpens || e == FrontExhaustOpens || e == FrontSteamCloses ||
              e == FrontExhaustCloses] += n > 0 ? n - 1 : 0;
    }
    EXPECT_EQ(canvas.SegmentsIn(kTeal).size(), static_cast<std::size_t>(lines[true]));
    EXPECT_EQ(canvas.SegmentsIn(colours::Red).size(), static_cast<std::size_t>(lines[false]));

    // The release curve from row 17 to row 18, placed by travel from the front.
    const float r17 = report[17].Crossings[FrontExhaustOpens].back();
    const float r18 = report[18].Crossings[FrontExhaustOpens].back();
    const Segment expected{{9 + RoundToInt(0.84375L * r17), 71}, {9 + RoundToInt(0.84375L * r18), 55}, kTeal, 1};
    const auto teal = canvas.SegmentsIn(kTeal);
    EXPECT_NE(std::find(teal.begin(), teal.end(), expected), teal.end());
    // No line reaches down to the first row's crossings from below.
    for (const Segment& s : canvas.Segments()) EXPECT_NE(s.from.y, 359);
    // Without the cycle labels there is no annotation.
    EXPECT_TRUE(canvas.OfKind(CanvasOp::Polyline).empty());
}

TEST_F(PortDiagram, NormalGearLineAndMaximum) {
    DrawPortDiagram(m, canvas, 'F', true);
    const int yN = RoundToInt(343 - 288 * static_cast<long double>(m.Frame.RevArmCentNorm) / m.Frame.RevArmCentMax);
    const auto blue = canvas.SegmentsIn(colours::Blue);
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_EQ(blue[0].from, (ScreenPoint{59, yN}));
    EXPECT_EQ(blue[0].to, (ScreenPoint{650, yN}));
    EXPECT_EQ(TextsAt({345, yN - 7}).at(0).font, colours::Blue);
    EXPECT_EQ(TextsAt({420, 47}).at(0).font, colours::Red);

    canvas.Forget();
    m.Frame.RevArmCentMax = m.Frame.RevArmCentNorm;  // normal working gear is full gear
    DrawPortDiagram(m, canvas, 'F', true);
    EXPECT_EQ(canvas.SegmentsIn(colours::Blue).at(0).from.y, 55);

    // A gear with no travel has no scale to put the line on, and all rows at mid gear.
    canvas.Forget();
    m.Frame.RevArmCentMax = 0;
    DrawPortDiagram(m, canvas, 'F', true, &report);
    EXPECT_TRUE(canvas.SegmentsIn(colours::Blue).empty());
    for (const PortRowReport& r : report) EXPECT_EQ(r.RevArmPos, m.Gear.RevArmCenter);
}

TEST_F(PortDiagram, CycleAnnotationRunsAlongRowThirteensCrossings) {
    DrawPortDiagram(m, canvas, 'F', true, &report);
    const auto at = [&](PortEvent e) { return 9 + 0.84375L * report[13].Crossings[e].back(); };
    const long double p = at(FrontSteamCloses), q = at(FrontExhaustOpens), r = at(FrontExhaustCloses);
    const long double a = at(FrontSteamOpens);
    EXPECT_EQ(TextsAt({RoundToInt(p + 10), 129}).at(0).text, "Exp");
    EXPECT_EQ(TextsAt({RoundToInt(q - 190), 163}).at(0).text, "Exh");
    EXPECT_EQ(TextsAt({RoundToInt(r - 25), 129}).at(0).text, "Com");
    EXPECT_EQ(TextsAt({RoundToInt(p - 140), 95}).at(0).text, "Adm");
    const auto lines = canvas.OfKind(CanvasOp::Polyline);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[4].points[1], (ScreenPoint{RoundToInt(a), 135}));  // admission's arrow tip
    EXPECT_EQ(lines[4].points.back(), (ScreenPoint{RoundToInt(p - 150), 101}));
}

TEST_F(PortDiagram, ReverseGraphAndAMirroredSenseGear) {
    DrawPortDiagram(m, canvas, 'R', true, &report);
    ExpectCrossingsMatchOwnSweep('R');
    EXPECT_FALSE(canvas.SegmentsIn(kGreen).empty());
    EXPECT_FALSE(canvas.SegmentsIn(kMaroon).empty());
    EXPECT_TRUE(canvas.SegmentsIn(kTeal).empty());
    EXPECT_FALSE(TextsAt({596, 336}).empty());

    // Eccentric at 120 degrees: EccSign turns negative and the rows run the other way.
    m.Frame.EccAngFwd = 120;
    FindMidGear(m);
    ASSERT_LT(m.Gear.EccSign, 0);
    for (char g : {'F', 'R'}) {
        report.clear();
        DrawPortDiagram(m, canvas, g, true, &report);
        ExpectCrossingsMatchOwnSweep(g);
    }
}

TEST_F(PortDiagram, RestoresTheGearStateAndSurvivesImpossibleGears) {
    m.Gear.DriverAngle = 77.25f;
    m.Gear.RevArmPos = 4.5f;
    DrawPortDiagram(m, canvas, 'F', true);
    EXPECT_EQ(m.Gear.DriverAngle, 77.25f);
    EXPECT_EQ(m.Gear.RevArmPos, 4.5f);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float v : {0.0f, nan}) {
        Model g = m;
        g.Frame.Stroke = v;
        g.Frame.RevArmCentNorm = 1e30f;  // the normal line far off, its label too
        g.Cyl.ValveCtrToRing = v;
        NullCanvas none;
        report.clear();
        DrawPortDiagram(g, none, 'R', true, &report);
        EXPECT_EQ(report.size(), 19u);
        EXPECT_EQ(g.Gear.DriverAngle, 77.25f);
    }
}

}  // namespace
}  // namespace lm
