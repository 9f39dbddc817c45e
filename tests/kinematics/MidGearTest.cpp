// Finding mid gear for nominal, altered and odd gears, and keeping the old one on failure.

#include <cmath>

#include <gtest/gtest.h>

#include "IndependentGear.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/MidGear.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

using test::At;
using test::Len;
using test::Pt;

Model Nominal() {
    Model m;
    StartUp(m);
    return m;
}

// Mid gear from the pivots the upright-arm solve at 90 degrees leaves: the reverse-arm
// position whose lifting arm end lies one lifting link above the point level with the link
// block and plumb with the link centre pivot.
double ExpectedCentre(const Model& m) {
    const FrameDimensions& f = m.Frame;
    const Pt p17 = At(m, 17);
    const Pt level = {m.P(9).X, m.P(8).Y};
    const double arm = std::fabs(f.LiftingArmLen);
    const Pt a = test::CrossingClockwiseOf(p17, arm, level, f.LiftingLinkLen);
    const Pt b = test::CrossingClockwiseOf(level, f.LiftingLinkLen, p17, arm);
    const Pt end = a.y > b.y ? a : b;  // the link hangs below the arm
    return p17.x - double(f.RevArmLen) * (end.y - p17.y) / f.LiftingArmLen;
}

void ExpectMidGearProperties(Model& m, const char* what) {
    m.Gear.DriverAngle = 123;
    m.Gear.RevArmPos = 1.5f;
    m.Gear.GearError = false;
    FindMidGear(m);
    EXPECT_FALSE(m.Gear.GearError) << what;
    EXPECT_EQ(m.Gear.DriverAngle, 123.0f) << what;

    // The pivots are those of the upright arm at a quarter turn.
    const float upright = m.P(17).X - m.Frame.RevArmBackSet;
    const test::GearSolution sol = test::SolveIndependently(m, 90, upright);
    for (int n : {8, 9, 15}) {
        EXPECT_NEAR(m.P(n).X, sol.p[n].x, 5e-4) << what << " pivot " << n;
        EXPECT_NEAR(m.P(n).Y, sol.p[n].y, 5e-4) << what << " pivot " << n;
    }

    const float c = m.Gear.RevArmCenter;
    EXPECT_NEAR(c, ExpectedCentre(m), 1e-4) << what;
    EXPECT_EQ(m.Gear.RevArmPos, c) << what;
    EXPECT_EQ(m.Gear.RevArmPositions[1], c) << what;
    EXPECT_FLOAT_EQ(m.Gear.RevArmPositions[2], c + m.Frame.RevArmCentNorm) << what;
    EXPECT_FLOAT_EQ(m.Gear.RevArmPositions[3], c - m.Frame.RevArmCentNorm) << what;
    EXPECT_NEAR(m.Gear.RevArmPositions[2] - m.Gear.RevArmPositions[3], 2 * m.Frame.RevArmCentNorm, 1e-6)
        << what;

    // With the arm at mid gear the lifting arm end is one lifting link from that point.
    const Pt level = {m.P(9).X, m.P(8).Y};
    m.Gear.DriverAngle = 90;
    m.Gear.RevArmPos = c;
    SolveLinkage(m);
    EXPECT_NEAR(Len(At(m, 15) - level), m.Frame.LiftingLinkLen, 1e-4) << what;
}

TEST(MidGear, NominalGear) {
    Model m = Nominal();
    ExpectMidGearProperties(m, "nominal");
    EXPECT_NEAR(m.Gear.RevArmCenter, 6.0219, 1e-3);  // a hair ahead of upright
}

TEST(MidGear, AlteredGear) {
    Model m = Nominal();
    m.Frame.LiftingLinkLen = 2.3f;
    m.Frame.LiftingArmLen = 1.6f;
    m.Frame.RevArmLen = 2.8f;
    m.Frame.RevArmCentNorm = 0.9f;
    m.P(16).Y = m.P(17).Y = 2.2f;
    ExpectMidGearProperties(m, "altered");
}

TEST(MidGear, NegativeLiftingArmReachingBackFromAShaftAheadOfTheLink) {
    Model m = Nominal();
    m.P(16).X = m.P(17).X = 9.8f;
    m.Frame.LiftingArmLen = -1.812f;
    ExpectMidGearProperties(m, "negative arm");
}

TEST(MidGear, ZeroLiftingArmBecomesATinyOne) {
    Model m = Nominal();
    m.Frame.LiftingArmLen = 0;
    FindMidGear(m);
    EXPECT_EQ(m.Frame.LiftingArmLen, 0.00001f);
    EXPECT_TRUE(std::isfinite(m.Gear.RevArmCenter));
    EXPECT_EQ(m.Gear.RevArmPos, m.Gear.RevArmCenter);
}

TEST(MidGear, NoFiniteAnswerKeepsThePreviousCentreAndArm) {
    for (bool announcing : {true, false}) {
        Model m = Nominal();
        m.Gear.ErrorBeepOn = announcing;
        m.Gear.RevArmPos = m.Gear.RevArmCenter + 0.3f;
        m.Gear.DriverAngle = 200;
        const Model before = m;
        m.Frame.LiftingLinkLen = 6;  // longer than lifting arm and reach together
        FindMidGear(m);

        // The lifting link cannot span the gap from any arm position.
        const Pt level = {m.P(9).X, m.P(8).Y};
        const double d = Len(level - At(m, 17));
        ASSERT_GT(m.Frame.LiftingLinkLen, d + m.Frame.LiftingArmLen);

        EXPECT_EQ(m.Gear.RevArmCenter, before.Gear.RevArmCenter);
        EXPECT_EQ(m.Gear.RevArmPos, before.Gear.RevArmPos);
        for (int i = 1; i <= 3; ++i) EXPECT_EQ(m.Gear.RevArmPositions[i], before.Gear.RevArmPositions[i]);
        EXPECT_EQ(m.Gear.DriverAngle, 200.0f);
        EXPECT_EQ(m.Gear.GearError, announcing);
    }
}

}  // namespace
}  // namespace lm
