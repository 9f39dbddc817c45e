// The sine diagram: its curves, the mid-gear lead and lap, mirrored and odd gears.

#include <gtest/gtest.h>

#include <cmath>

#include "DiagramTestModel.h"
#include "MidGearReference.h"
#include "common/Numbers.h"
#include "diagrams/Diagrams.h"
#include "kinematics/MidGear.h"

namespace lm {
namespace {

using testing::StartedModel;
using testing::CurveSegments;
using testing::TextsAt;

int IndependentRow(const Model& m, double angle, float arm) {
    const double x4 = test::SolveIndependently(m, angle, arm).p[ValveStemJoint].x;
    const double v = x4 + m.Cyl.ValveCtrToJoint - m.Cyl.CylCtrToDriver;
    return static_cast<int>(std::nearbyint(215 - 375 * v / m.Diagram.VerticalScale));
}

void ExpectBlock(const MidGearBlock& got, const testing::ExpectedBlock& want) {
    // The printed three decimals; the solver's link search settles within 0.0001.
    EXPECT_NEAR(got.FrontLead, want.frontLead, 5e-4);
    EXPECT_NEAR(got.RearLead, want.rearLead, 5e-4);
    EXPECT_NEAR(got.FrontLap, want.frontLap, 5e-4);
    EXPECT_NEAR(got.RearLap, want.rearLap, 5e-4);
    EXPECT_NEAR(got.FrontExCl, want.frontExCl, 5e-4);
    EXPECT_NEAR(got.RearExCl, want.rearExCl, 5e-4);
}

TEST(SineDiagram, DrawsOneCurveOf66PiecesPerPositionFrom328To136Degrees) {
    Model m = StartedModel();
    ASSERT_EQ(m.Gear.RevArmPosCount, 3);
    const float angle = 123.5f, arm = m.Gear.RevArmPos + 0.25f;
    m.Gear.DriverAngle = angle;
    m.Gear.RevArmPos = arm;
    RecordingCanvas c;
    StepValveDiagram(m);
    DrawSineDiagram(m, c);
    EXPECT_EQ(m.Gear.DriverAngle, angle);
    EXPECT_EQ(m.Gear.RevArmPos, arm);
    EXPECT_EQ(m.Diagram.DiagramRevArmPos, m.Gear.RevArmPositions[3]);

    const auto curve = CurveSegments(c);
    ASSERT_EQ(curve.size(), 3u * 66);
    for (int i = 0; i < 3; ++i) {
        const float position = m.Gear.RevArmPositions[static_cast<std::size_t>(i + 1)];
        const Segment& first = curve[static_cast<std::size_t>(66 * i)];
        const Segment& last = curve[static_cast<std::size_t>(66 * i + 65)];
        EXPECT_EQ(first.from.x, 58);
        EXPECT_EQ(last.to.x, 586);
        EXPECT_NEAR(first.from.y, IndependentRow(m, 328, position), 1) << i;
        EXPECT_NEAR(first.to.y, IndependentRow(m, 336, position), 1) << i;
        EXPECT_EQ(curve[static_cast<std::size_t>(66 * i + 3)].to.x, 90);  // driver angle 0
        EXPECT_NEAR(curve[static_cast<std::size_t>(66 * i + 3)].to.y, IndependentRow(m, 0, position), 1) << i;
        EXPECT_NEAR(last.to.y, IndependentRow(m, 136, position), 1) << i;
        // The position number, in bold, where the curve starts.
        const auto number = TextsAt(c, {45, first.from.y});
        ASSERT_FALSE(number.empty());
        EXPECT_EQ(number.back(), " " + std::to_string(i + 1));
    }
    const auto bold = c.OfKind(CanvasOp::SetFontBold);
    ASSERT_GE(bold.size(), 6u);
    EXPECT_FALSE(bold.back().flag);
    for (const RecordedOp& op : c.Ops()) EXPECT_NE(op.kind, CanvasOp::Clear);
}

TEST(SineDiagram, PrintsLeadAndLapOfTheNominalGearAtMidGear) {
    Model m = StartedModel();
    SineOvalReport report;
    RecordingCanvas c;
    DrawSineDiagram(m, c, &report);
    ASSERT_EQ(report.Blocks.size(), 1u);  // only position 1 is mid gear
    EXPECT_EQ(report.Blocks[0].Position, 1);
    const auto want = testing::ExpectedMidGearBlock(m, m.Gear.RevArmCenter, testing::SineAngles());
    ExpectBlock(report.Blocks[0], want);
    // The block as printed: labels at 595, values 6.3 in column 592.
    EXPECT_EQ(TextsAt(c, {595, 153}), std::vector<std::string>{"Lead"});
    EXPECT_EQ(TextsAt(c, {595, 253}), std::vector<std::string>{"Lap"});
    EXPECT_EQ(TextsAt(c, {592, 166}), std::vector<std::string>{FormatFixed(report.Blocks[0].FrontLead, 6, 3)});
    EXPECT_EQ(TextsAt(c, {592, 195}), std::vector<std::string>{FormatFixed(report.Blocks[0].FrontLap, 6, 3)});
    EXPECT_EQ(TextsAt(c, {592, 237}), std::vector<std::string>{FormatFixed(report.Blocks[0].RearExCl, 6, 3)});
    // Nominal gear: a lap of 0.155 each end and a small lead.
    EXPECT_EQ(TextsAt(c, {592, 266}), std::vector<std::string>{" 0.155"});
}

TEST(SineDiagram, LeadAndLapOfAMirroredGear) {
    Model m = StartedModel();
    m.Frame.EccAngFwd = 120;  // eccentric sign mirrored: the arm's sense turns over
    FindMidGear(m);
    ASSERT_LT(m.Gear.EccSign, 0);
    ApplyRevArmRunRule(m);
    SineOvalReport report;
    RecordingCanvas c;
    DrawSineDiagram(m, c, &report);
    ASSERT_EQ(report.Blocks.size(), 1u);
    ExpectBlock(report.Blocks[0], testing::ExpectedMidGearBlock(m, m.Gear.RevArmCenter, testing::SineAngles()));
    // Above mid gear is reverse in this sense.
    EXPECT_EQ(TextsAt(c, {533, 36}), std::vector<std::string>{"Rev"});
    EXPECT_EQ(TextsAt(c, {533, 48}), std::vector<std::string>{"Fwd"});
}

TEST(SineDiagram, WideFrontPortPrintsTheBareLapsAndEveryMidGearPositionGetsABlock) {
    Model m = StartedModel();
    m.Cyl.ValvePortWidthFront = 1.25f;  // wider than ValveCtrToRing (1)
    m.Gear.RevArmPositions[2] = m.Gear.RevArmCenter + 0.02f;
    SineOvalReport report;
    RecordingCanvas c;
    DrawSineDiagram(m, c, &report);
    ASSERT_EQ(report.Blocks.size(), 2u);
    EXPECT_EQ(report.Blocks[1].Position, 2);
    ExpectBlock(report.Blocks[0], testing::ExpectedMidGearBlock(m, m.Gear.RevArmCenter, testing::SineAngles()));
    ExpectBlock(report.Blocks[1], testing::ExpectedMidGearBlock(m, m.Gear.RevArmPositions[2], testing::SineAngles()));
    EXPECT_EQ(TextsAt(c, {592, 166}).size(), 2u);  // drawn over the first
}

TEST(SineDiagram, OddSetsDrawOnlyTheFrame) {
    Model m = StartedModel();
    for (int count : {0, -3, 40}) {
        m.Gear.RevArmPosCount = count;
        RecordingCanvas c;
        DrawSineDiagram(m, c);
        EXPECT_EQ(CurveSegments(c).size(), count > 0 ? 9u * 66 : 0u) << count;
    }
}

}  // namespace
}  // namespace lm
