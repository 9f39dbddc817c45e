// The oval diagram: crosshead columns, closed ovals even for impossible gears, labels
// and the mid-gear block.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DiagramTestModel.h"
#include "MidGearReference.h"
#include "diagrams/Diagrams.h"
#include "diagrams/PistonColumn.h"
#include "graphics/NullCanvas.h"

namespace lm {
namespace {

using testing::StartedModel;
using testing::CurveSegments;
using testing::TextsAt;

// The crosshead's travel from mid stroke over the crank radius, from the triangle of
// crank and rod.
double CrossheadFraction(double angleDeg, double stroke, double rod) {
    const double a = angleDeg * 3.14159265358979323846 / 180, r = stroke / 2;
    const double x = r * std::cos(a) + std::sqrt(rod * rod - std::pow(r * std::sin(a), 2));
    return (x - rod) / r;
}

TEST(OvalDiagram, PistonColumnRunsFrom584AtFrontDeadCentreTo44AtBack) {
    Model m = StartedModel();
    for (float rod : {3.0f, 10.0f, 1e4f}) {
        m.Frame.MainRodLen = rod;
        const PistonColumn column(m);
        EXPECT_EQ(column(0), 584) << rod;
        EXPECT_EQ(column(360), 584) << rod;
        EXPECT_EQ(column(180), 44) << rod;
        for (double a : {40.0, 90.0, 200.0, 300.0})
            EXPECT_NEAR(column(static_cast<float>(a)), 314 + 270.5 * CrossheadFraction(a, 3, rod), 0.5001) << rod;
    }
    // A short rod reaches mid stroke before the crank stands upright.
    m.Frame.MainRodLen = 3;
    EXPECT_LT(PistonColumn(m)(90), 314);
    m.Frame.MainRodLen = 1e4f;
    EXPECT_EQ(PistonColumn(m)(90), 314);
}

TEST(OvalDiagram, ImpossibleCrankAndRodStillDrawClosedOvals) {
    Model m = StartedModel();
    m.Frame.MainRodLen = 1;  // shorter than the crank throw of 1.5
    const PistonColumn shortRod(m);
    EXPECT_GE(shortRod(90), 0);
    EXPECT_LE(shortRod(90), 632);
    m.Frame.MainRodLen = 10;
    m.Frame.Stroke = 0;
    m.Gear.GearError = false;
    RecordingCanvas c;
    EXPECT_TRUE(DrawOvalDiagram(m, c));  // the stroke divisor was guarded
    EXPECT_EQ(CurveSegments(c).size(), 3u * 45);
}

TEST(OvalDiagram, DrawsOneClosedOvalOf45PiecesPerPosition) {
    Model m = StartedModel();
    const float angle = 77, arm = m.Gear.RevArmPos - 0.3f;
    m.Gear.DriverAngle = angle;
    m.Gear.RevArmPos = arm;
    RecordingCanvas c;
    DrawOvalDiagram(m, c);
    EXPECT_EQ(m.Gear.DriverAngle, angle);
    EXPECT_EQ(m.Gear.RevArmPos, arm);

    const auto oval = CurveSegments(c);
    ASSERT_EQ(oval.size(), 3u * 45);
    const int at32 = PistonColumn(m)(32);
    for (int i = 0; i < 3; ++i) {
        const Segment& first = oval[static_cast<std::size_t>(45 * i)];
        const Segment& last = oval[static_cast<std::size_t>(45 * i + 44)];
        EXPECT_EQ(first.from.x, at32);
        EXPECT_EQ(last.to, first.from) << i;  // 32 degrees at both ends
        // The fourth piece ends at driver angle 0, the front dead centre.
        EXPECT_EQ(oval[static_cast<std::size_t>(45 * i + 3)].to.x, 584);
        for (std::size_t k = 1; k < 45; ++k) EXPECT_EQ(oval[45 * static_cast<std::size_t>(i) + k].from, oval[45 * static_cast<std::size_t>(i) + k - 1].to);
    }
    // Frame and labels: the two end lines and the travel scale's ends.
    EXPECT_EQ(TextsAt(c, {45, 353}), std::vector<std::string>{"100"});
    EXPECT_EQ(TextsAt(c, {577, 348}), std::vector<std::string>{"0"});
    EXPECT_EQ(TextsAt(c, {15, 210}), std::vector<std::string>{"0.0"});  // the axis labels' column
}

TEST(OvalDiagram, NumbersEachBranchNearMidStroke) {
    Model m = StartedModel();
    m.Gear.RevArmPosCount = 1;
    const float arm = m.Gear.RevArmPositions[1];
    const double offset = double(m.Cyl.ValveCtrToJoint) - m.Cyl.CylCtrToDriver;
    const auto travel = [&](double angle) {
        return test::SolveIndependently(m, angle, arm).p[ValveStemJoint].x + offset;
    };
    const double s = m.Diagram.VerticalScale;
    RecordingCanvas c;
    DrawOvalDiagram(m, c);
    std::vector<ScreenPoint> numbers;
    for (const RecordedOp& op : c.OfKind(CanvasOp::TextOut))
        if (op.text == " 1" && (op.points[0].x == 300 || op.points[0].x == 334)) numbers.push_back(op.points[0]);
    ASSERT_EQ(numbers.size(), 2u);
    // The usual valve (front port narrower than the ring distance): the number on the
    // 280-degree branch sits below it, the one on the 88-degree branch above.
    EXPECT_EQ(numbers[0].x, 300);
    EXPECT_NEAR(numbers[0].y, 213 - 375 * travel(280) / s, 1);
    EXPECT_EQ(numbers[1].x, 334);
    EXPECT_NEAR(numbers[1].y, 204 - 375 * travel(88) / s, 1);
}

TEST(OvalDiagram, LeadAndLapAtMidGearFromItsOwnAngles) {
    Model m = StartedModel();
    SineOvalReport report;
    NullCanvas c;
    DrawOvalDiagram(m, c, &report);
    ASSERT_EQ(report.Blocks.size(), 1u);
    const auto want = testing::ExpectedMidGearBlock(m, m.Gear.RevArmCenter, testing::OvalAngles());
    EXPECT_NEAR(report.Blocks[0].FrontLead, want.frontLead, 5e-4);
    EXPECT_NEAR(report.Blocks[0].RearLead, want.rearLead, 5e-4);
    EXPECT_NEAR(report.Blocks[0].FrontLap, want.frontLap, 5e-4);
    EXPECT_NEAR(report.Blocks[0].RearExCl, want.rearExCl, 5e-4);
}

}  // namespace
}  // namespace lm
