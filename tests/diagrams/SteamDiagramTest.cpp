// The steam diagram: closed indicator cards, cut-off per end, the reverse half, and the
// gear state left as it was.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "GearSweep.h"
#include "common/Numbers.h"
#include "diagrams/Diagrams.h"
#include "graphics/NullCanvas.h"
#include "graphics/RecordingCanvas.h"
#include "kinematics/ReverseArm.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

using testing::SweepGear;
using testing::SweepPoint;

int Column(double travel) { return static_cast<int>(std::nearbyint(584 - 0.84375 * travel)); }

class SteamDiagram : public ::testing::Test {
protected:
    void SetUp() override { StartUp(m); }

    // Full gear in the forward (+1) or reverse (-1) half of the arm's travel.
    float FullGear(int half) const {
        const float d = half * m.Frame.RevArmCentMax;
        return PlainSense(m) ? m.Gear.RevArmCenter + d : m.Gear.RevArmCenter - d;
    }
    void UsePositions(std::initializer_list<float> positions) {
        int k = 0;
        for (float p : positions) m.Gear.RevArmPositions[static_cast<std::size_t>(++k)] = p;
        m.Gear.RevArmPosCount = k;
    }
    // The curve segments of one end, split by position at each legend number.
    std::vector<std::vector<Segment>> CurvesByPosition(Rgb pen) const {
        std::vector<std::vector<Segment>> out;
        for (const RecordedOp& op : canvas.Ops()) {
            if (op.kind == CanvasOp::TextOut && op.points[0].x == 545) out.emplace_back();
            if (op.kind == CanvasOp::LineTo && op.pen == pen && !out.empty())
                out.back().push_back({op.points[0], op.points[1], op.pen, op.penWidth});
        }
        return out;
    }
    std::vector<RecordedOp> TextsAt(ScreenPoint p) const {
        std::vector<RecordedOp> out;
        for (const RecordedOp& op : canvas.OfKind(CanvasOp::TextOut))
            if (op.points[0] == p) out.push_back(op);
        return out;
    }

    Model m;
    RecordingCanvas canvas;
    std::vector<SteamPositionReport> report;
};

// Cut-off where the steam opening turns from positive to not, along the sweep in running
// order, interpolated linearly in piston travel.
double LastCutOffTravel(const std::vector<SweepPoint>& s, float SweepPoint::*opening) {
    const std::vector<double> c = testing::ZeroCrossings(s, opening, false);
    return c.empty() ? std::numeric_limits<double>::quiet_NaN() : c.back();
}

TEST_F(SteamDiagram, FullForwardGearDrawsTwoClosedCurvesAndOneCutOffPerEnd) {
    UsePositions({FullGear(+1)});
    DrawSteamDiagram(m, canvas, &report);

    for (Rgb pen : {colours::DarkGreen, colours::Red}) {
        const auto curves = CurvesByPosition(pen);
        ASSERT_EQ(curves.size(), 1u);
        const std::vector<Segment>& c = curves[0];
        // 90 drawn steps of the 150 (one revolution), plus the cut-off's level line.
        EXPECT_EQ(c.size(), 91u);
        // One continuous line, except that the rear end carries on from where a front
        // cut-off in the same step left the travel.
        int gaps = 0;
        for (std::size_t k = 1; k < c.size(); ++k) {
            EXPECT_EQ(c[k].from.y, c[k - 1].to.y) << k;
            if (std::abs(c[k].from.x - c[k - 1].to.x) > 1) ++gaps;
        }
        EXPECT_EQ(gaps, pen == colours::Red ? 1 : 0);
        // Closed: the revolution ends where it began, the pressures having settled.
        EXPECT_EQ(c.back().to.x, c.front().from.x);
        EXPECT_LE(std::abs(c.back().to.y - c.front().from.y), 1);
    }
    // Drawing starts after 60 steps of 4 degrees from 96: at 336 degrees.
    const auto sweep = SweepGear(m, FullGear(+1), 336, 4, 2);
    EXPECT_EQ(CurvesByPosition(colours::DarkGreen)[0].front().from.x, Column(sweep[0].travel));
    EXPECT_EQ(CurvesByPosition(colours::DarkGreen)[0].front().to.x, Column(sweep[1].travel));

    // The percentages, each end on its own side, against an independent sweep.
    ASSERT_EQ(report.size(), 1u);
    ASSERT_TRUE(report[0].FrontCutOff && report[0].RearCutOff);
    const auto turn = SweepGear(m, FullGear(+1), 0, 4, 91);
    const double front = LastCutOffTravel(turn, &SweepPoint::frontSteam) / 6.4;
    const double rear = (640 - LastCutOffTravel(turn, &SweepPoint::rearSteam)) / 6.4;
    EXPECT_NEAR(*report[0].FrontCutOff, front, 0.01);
    EXPECT_NEAR(*report[0].RearCutOff, rear, 0.01);
    EXPECT_GT(*report[0].FrontCutOff, 50);  // full gear cuts off late
    EXPECT_GT(*report[0].RearCutOff, 50);
    const auto frontTexts = TextsAt({600, 246});
    const auto rearTexts = TextsAt({15, 246});
    ASSERT_FALSE(frontTexts.empty());
    ASSERT_FALSE(rearTexts.empty());
    EXPECT_EQ(frontTexts.back().text, FormatFixed(*report[0].FrontCutOff, 4, 1));
    EXPECT_EQ(rearTexts.back().text, FormatFixed(*report[0].RearCutOff, 4, 1));
    EXPECT_EQ(TextsAt({587, 231}).back().font, colours::DarkGreen);
    EXPECT_EQ(TextsAt({2, 231}).back().font, colours::Red);
    EXPECT_EQ(TextsAt({588, 246}).back().text, "1");
}

TEST_F(SteamDiagram, ReverseHalfRunsBackwardsAndLaterPositionsContinueTheRun) {
    UsePositions({FullGear(-1), FullGear(+1)});
    DrawSteamDiagram(m, canvas, &report);
    const auto curves = CurvesByPosition(colours::Red);
    ASSERT_EQ(curves.size(), 2u);

    // Reverse: 96 - 240 = -144, that is 216 degrees, then 212.
    const auto back = SweepGear(m, FullGear(-1), 216, -4, 2);
    EXPECT_EQ(curves[0].front().from.x, Column(back[0].travel));
    EXPECT_EQ(curves[0].front().to.x, Column(back[1].travel));
    // The second position starts where 150 reverse steps left the driver (96 - 600, that
    // is 216 degrees) and is drawn from 60 forward steps on: 96 degrees, then 100.
    const auto fwd = SweepGear(m, FullGear(+1), 96, 4, 2);
    EXPECT_EQ(curves[1].front().from.x, Column(fwd[0].travel));
    EXPECT_EQ(curves[1].front().to.x, Column(fwd[1].travel));

    // One cut-off row per position, 13 pixels apart.
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(TextsAt({600, 246}).back().text, FormatFixed(*report[0].FrontCutOff, 4, 1));
    EXPECT_EQ(TextsAt({600, 259}).back().text, FormatFixed(*report[1].FrontCutOff, 4, 1));
    EXPECT_EQ(TextsAt({3, 259}).back().text, "2");
    EXPECT_TRUE(TextsAt({600, 272}).empty());
}

TEST_F(SteamDiagram, LeavesTheGearStateAsItWas) {
    UsePositions({FullGear(+1), m.Gear.RevArmCenter});
    m.Gear.DriverAngle = 123.5f;
    m.Gear.RevArmPos = 5.25f;
    StepValveDiagram(m);
    DrawSteamDiagram(m, canvas, &report);
    EXPECT_EQ(m.Gear.DriverAngle, 123.5f);
    EXPECT_EQ(m.Gear.RevArmPos, 5.25f);
    EXPECT_EQ(m.Diagram.DiagramRevArmPos, m.Gear.RevArmCenter);

    // A second drawing from what the first left gives the same numbers.
    std::vector<SteamPositionReport> again;
    NullCanvas none;
    DrawSteamDiagram(m, none, &again);
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0].FrontCutOff, report[0].FrontCutOff);
    EXPECT_EQ(again[1].RearCutOff, report[1].RearCutOff);
}

TEST_F(SteamDiagram, ImpossibleGearsFinishWithoutFault) {
    UsePositions({FullGear(+1)});
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float v : {0.0f, 1e30f, nan}) {
        Model g = m;
        g.Frame.Stroke = v;
        g.Frame.MainRodLen = v;
        g.Cyl.ValveCtrToRing = v;
        g.Gear.RevArmPositions[1] = v == v ? v : 0;
        NullCanvas none;
        DrawSteamDiagram(g, none, &report);
    }
    EXPECT_EQ(report.size(), 3u);
}

}  // namespace
}  // namespace lm
