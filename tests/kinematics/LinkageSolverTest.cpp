// The linkage solver against an independent solution, rod lengths kept all round, and
// how it gives up or clamps on impossible geometry.

#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "IndependentGear.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

using test::At;
using test::Dist;
using test::Len;
using test::Pt;

Model Nominal() {
    Model m;
    StartUp(m);
    return m;
}

void SolveAt(Model& m, float angle, float revArmPos) {
    m.Gear.DriverAngle = angle;
    m.Gear.RevArmPos = revArmPos;
    SolveLinkage(m);
}

// Mid gear, both normal positions and both full-gear ends.
std::array<float, 5> ArmPositions(const Model& m) {
    const float c = m.Gear.RevArmCenter;
    const float norm = m.Frame.RevArmCentNorm, max = m.Frame.RevArmCentMax;
    return {c, c + norm, c - norm, c + max, c - max};
}

TEST(LinkageSolver, CrankPinAtDeadCentreAndQuarterTurn) {
    Model m = Nominal();
    SolveAt(m, 0, m.Gear.RevArmCenter);
    EXPECT_FLOAT_EQ(m.P(2).X, 1.5f);
    EXPECT_NEAR(m.P(2).Y, 0, 1e-7);
    EXPECT_FLOAT_EQ(m.P(3).X, 11.5f);  // crank + rod, in line
    SolveAt(m, 90, m.Gear.RevArmCenter);
    EXPECT_NEAR(m.P(2).X, 0, 1e-7);
    EXPECT_FLOAT_EQ(m.P(2).Y, -1.5f);
    EXPECT_FLOAT_EQ(m.P(3).X, static_cast<float>(std::sqrt(100 - 2.25)));
    SolveAt(m, 180, m.Gear.RevArmCenter);
    EXPECT_FLOAT_EQ(m.P(3).X, 8.5f);
}

TEST(LinkageSolver, ReverseArmUprightPutsTheLiftingArmStraightForward) {
    Model m = Nominal();
    SolveAt(m, 30, m.P(17).X);
    EXPECT_FLOAT_EQ(m.P(18).X, 6.0f);
    EXPECT_FLOAT_EQ(m.P(18).Y, 2.0f + 2.375f);
    EXPECT_FLOAT_EQ(m.P(15).X, 6.0f + 1.812f);
    EXPECT_FLOAT_EQ(m.P(15).Y, 2.0f);
}

void ExpectMatchesIndependentSolution(Model& m, const char* what) {
    for (float pos : ArmPositions(m))
        for (float angle : {0.0f, 37.0f, 90.0f, 145.0f, 200.0f, 270.0f, 333.0f}) {
            m.Gear.GearError = false;
            SolveAt(m, angle, pos);
            const test::GearSolution want = test::SolveIndependently(m, angle, pos);
            ASSERT_FALSE(m.Gear.GearError) << what << " at " << angle << ", arm " << pos;
            // Ahead of the link search the single-precision chain is exact to rounding;
            // from the link on, the search settles within its last step.
            for (int n : {2, 3, 12, 13, 15, 18}) {
                EXPECT_NEAR(m.P(n).X, want.p[n].x, 5e-6) << what << " pivot " << n << " at " << angle;
                EXPECT_NEAR(m.P(n).Y, want.p[n].y, 5e-6) << what << " pivot " << n << " at " << angle;
            }
            for (int n : {4, 5, 8, 9, 10, 11, 14, 21, 22, 23}) {
                EXPECT_NEAR(m.P(n).X, want.p[n].x, 5e-4) << what << " pivot " << n << " at " << angle;
                EXPECT_NEAR(m.P(n).Y, want.p[n].y, 5e-4) << what << " pivot " << n << " at " << angle;
            }
        }
}

TEST(LinkageSolver, AgreesWithAnIndependentSolutionOfTheNominalGear) {
    Model m = Nominal();
    ExpectMatchesIndependentSolution(m, "nominal");
}

TEST(LinkageSolver, AgreesWithAnIndependentSolutionWithBackSetsAndMovedPivots) {
    Model m = Nominal();
    m.Frame.RevArmBackSet = 0.3f;
    m.Frame.RockerUpperBackSet = 0.2f;
    m.Frame.LinkCentBackSet = 0.1f;
    m.Frame.EccAngFwd = 250;
    m.Frame.EccAngRev = 235;
    m.Frame.EccRodRev = 7.9f;
    m.P(7) = m.P(6) = Pivot{8.3f, 1.1f, 0, 0};
    m.P(3).Y = 0.25f;
    m.Cyl.ValveCLToCylCL = 2.0f;
    ExpectMatchesIndependentSolution(m, "altered");
}

// Whatever the arm and crank do, every rod keeps its length and the inputs stay put.
TEST(LinkageSolver, EveryRodKeepsItsLengthOverAFullTurnInEveryGear) {
    Model m = Nominal();
    const FrameDimensions& f = m.Frame;
    for (float pos : ArmPositions(m))
        for (int a = 0; a < 360; a += 3) {
            SolveAt(m, static_cast<float>(a), pos);
            ASSERT_FALSE(m.Gear.GearError) << a << " " << pos;
            const auto at = [&](const char* rod) { return ::testing::Message() << rod << " at " << a << ", arm " << pos; };
            EXPECT_NEAR(Dist(m, 2, 3), f.MainRodLen, 1e-4) << at("main rod");
            EXPECT_NEAR(Dist(m, 1, 2), f.Stroke / 2, 1e-5) << at("crank");
            EXPECT_NEAR(Dist(m, 1, 12), f.EccCircleDia / 2, 1e-5) << at("forward eccentric");
            EXPECT_NEAR(Dist(m, 1, 13), f.EccCircleDia / 2, 1e-5) << at("reverse eccentric");
            // Pin 10's height gets the search's last small raise after its X was found.
            EXPECT_NEAR(Dist(m, 12, 10), f.EccRodFwd, 3e-4) << at("forward rod");
            EXPECT_NEAR(Dist(m, 13, 11), f.EccRodRev, 1e-4) << at("reverse rod");
            EXPECT_NEAR(Dist(m, 10, 11), 2 * f.LinkEccPivotVert, 3e-4) << at("link pins");
            EXPECT_NEAR(Dist(m, 7, 8), f.RockerLowerLen, 1e-4) << at("rocker lower arm");
            EXPECT_NEAR(Dist(m, 7, 23), f.RockerUpperLen, 1e-4) << at("rocker upper arm");
            EXPECT_NEAR(Dist(m, 14, 8), f.LinkRadius, 1e-4) << at("link block on the arc");
            EXPECT_NEAR(Dist(m, 5, 4), f.ValveConRodLen, 1e-4) << at("valve rod");
            EXPECT_NEAR(Dist(m, 17, 18), f.RevArmLen, 1e-4) << at("reverse arm");
            EXPECT_NEAR(Dist(m, 17, 15), f.LiftingArmLen, 1e-4) << at("lifting arm");
            const double lift = Dist(m, 15, 9);
            EXPECT_GE(lift, f.LiftingLinkLen - 1e-5) << at("lifting link slack");
            EXPECT_LE(lift, f.LiftingLinkLen + 0.002) << at("lifting link stretched");
            EXPECT_NEAR(m.Gear.LiftLinkSpan, lift, 1e-5) << at("span");
            EXPECT_EQ(m.P(3).Y, 0.0f);
            EXPECT_EQ(m.P(4).Y, 2.25f);
            EXPECT_EQ(m.P(18).X, pos);
            EXPECT_EQ(m.P(7).X, 8.13f);
            EXPECT_EQ(m.P(17).Y, 2.0f);
            EXPECT_LE(m.Gear.SolverStep, m.Gear.SolverTolerance);
            EXPECT_GT(m.Gear.SolverStep, 0);
        }
}

TEST(LinkageSolver, ASearchThatNeverGetsTautGivesUpAfter1001RoundsAndKeepsTheLaterPivots) {
    Model m = Nominal();
    SolveAt(m, 40, m.Gear.RevArmCenter);
    const Model before = m;
    m.Frame.LiftingLinkLen = 10000;  // far longer than the link can ever hang
    m.Frame.LiftingArmLen = 1.9f;
    const float pos = m.Gear.RevArmCenter + 0.5f;
    SolveAt(m, 75, pos);

    EXPECT_TRUE(m.Gear.GearError);
    EXPECT_FLOAT_EQ(m.Gear.SolverStep, 0.0001f - 1);
    // Every one of the 1001 rounds found the link slack and dropped it by the first step.
    const float start = static_cast<float>(static_cast<long double>(m.P(15).Y) + 0.75L - 0.6L * 10000);
    EXPECT_EQ(m.P(10).Y, start - 1001 * 0.5f);
    for (int n : {4, 5, 8, 21, 22, 23}) {
        EXPECT_EQ(m.P(n).X, before.P(n).X) << n;
        EXPECT_EQ(m.P(n).Y, before.P(n).Y) << n;
    }
    EXPECT_EQ(m.Gear.LiftingArmLenSolved, 1.812f);
    EXPECT_EQ(m.Valve.ValveDisplacement, before.Valve.ValveDisplacement);
    // What comes before the search is solved for the new angle and arm.
    EXPECT_NE(m.P(2).X, before.P(2).X);
    EXPECT_NE(m.P(18).X, before.P(18).X);
    EXPECT_FLOAT_EQ(m.P(15).X, static_cast<float>(6 + 1.9 * std::cos(std::asin((pos - 6.0) / 2.375))));

    // The next solvable gear is solved completely again.
    m.Frame.LiftingLinkLen = 2;
    m.Gear.GearError = false;
    SolveAt(m, 40, m.Gear.RevArmCenter);
    EXPECT_FALSE(m.Gear.GearError);
    EXPECT_GT(m.Gear.SolverStep, 0);
}

TEST(LinkageSolver, ImpossibleGeometryIsClampedAndRaisesOnlyWhileAnnouncingIsOn) {
    for (bool announcing : {true, false}) {
        Model m = Nominal();
        m.Gear.ErrorBeepOn = announcing;
        m.Frame.MainRodLen = 0.5f;  // shorter than the crank's throw at 90 degrees
        SolveAt(m, 90, 6 + 3.0f);   // and the arm end beyond its reach
        EXPECT_EQ(m.Gear.GearError, announcing);
        EXPECT_FLOAT_EQ(m.P(3).X, static_cast<float>(0 + std::sqrt(2.25 - 0.25)));
        EXPECT_FLOAT_EQ(m.P(18).Y, static_cast<float>(2 + std::sqrt(9 - 2.375 * 2.375)));
        for (int n = 0; n < kPivotCount; ++n) {
            EXPECT_TRUE(std::isfinite(m.P(n).X)) << n;
            EXPECT_TRUE(std::isfinite(m.P(n).Y)) << n;
        }
    }
}

// A link that is taut from the first round is raised by the whole search (just under 0.5)
// and left where it ends, however far off the lifting arm end is. With the link centre
// pivot still below the arm end there, the span shrinks round by round, so placing the
// arm end beside that spot sets the stretch left at the end.
Model StretchedBy(double stretch) {
    Model m = Nominal();
    const double len = m.Frame.LiftingLinkLen;
    m.P(16).X = m.P(17).X = 30;  // far ahead: taut in every round
    SolveAt(m, 60, m.P(17).X);
    const Pt end = At(m, 9);
    const double dy = m.P(15).Y - end.y;
    EXPECT_GT(dy, 0.1);
    const double gap = std::sqrt(std::pow(len + stretch, 2) - dy * dy);
    m.P(16).X = m.P(17).X = static_cast<float>(end.x + gap - m.Frame.LiftingArmLen);
    m.Gear.GearError = false;
    SolveAt(m, 60, m.P(17).X);
    return m;
}

TEST(LinkageSolver, ALiftingLinkStretchedByMoreThanTwoThousandthsRaises) {
    Model over = StretchedBy(0.006);
    ASSERT_NEAR(Dist(over, 15, 9) - 2, 0.006, 0.001);
    EXPECT_TRUE(over.Gear.GearError);

    Model within = StretchedBy(0.0012);
    ASSERT_NEAR(Dist(within, 15, 9) - 2, 0.0012, 0.0003);
    EXPECT_FALSE(within.Gear.GearError);
}

TEST(LinkageSolver, NegativeLiftingArmHangsTheLinkFromTheOtherSideOfTheShaft) {
    Model m = Nominal();
    // Shaft moved ahead of the link so that a lifting arm pointing back can carry it.
    m.P(16).X = m.P(17).X = 9.8f;
    m.Frame.LiftingArmLen = -1.812f;
    for (float angle : {0.0f, 120.0f, 250.0f}) {
        for (float off : {0.0f, 0.4f, -0.4f}) {
            const float pos = 9.8f + off;
            m.Gear.GearError = false;
            SolveAt(m, angle, pos);
            EXPECT_FALSE(m.Gear.GearError) << angle << " " << off;
            const test::GearSolution want = test::SolveIndependently(m, angle, pos);
            EXPECT_LT(m.P(15).X, 9.8f - 1.5f);
            for (int n : {8, 9, 15}) {
                EXPECT_NEAR(m.P(n).X, want.p[n].x, 5e-4) << n << " at " << angle << " " << off;
                EXPECT_NEAR(m.P(n).Y, want.p[n].y, 5e-4) << n << " at " << angle << " " << off;
            }
        }
    }
}

TEST(LinkageSolver, EccentricSignFollowsTheQuadrantOfTheForwardAngle) {
    const std::pair<float, float> cases[] = {{90, 1},   {180, 1},  {270, 1}, {360, 1},  {0, 1},
                                             {242, 1},  {45, 1},   {91, -1}, {179.5f, -1},
                                             {300, -1}, {359, -1}, {270.5f, -1}};
    Model m = Nominal();
    for (auto [angle, sign] : cases) {
        m.Frame.EccAngFwd = angle;
        m.Gear.EccSign = 0;
        SolveAt(m, 0, m.Gear.RevArmCenter);
        EXPECT_EQ(m.Gear.EccSign, sign) << angle;
    }
}

}  // namespace
}  // namespace lm
