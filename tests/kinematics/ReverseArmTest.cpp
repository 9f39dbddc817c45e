// The reverse-arm bar in the plain and mirrored senses, and safe positions for odd travels.

#include <gtest/gtest.h>

#include "kinematics/LinkageSolver.h"
#include "kinematics/ReverseArm.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

Model WithSense(float eccAngFwd, float liftingArm) {
    Model m;
    StartUp(m);
    m.Frame.EccAngFwd = eccAngFwd;
    m.Frame.LiftingArmLen = liftingArm;
    SolveLinkage(m);  // the sense follows what the last solve saw
    return m;
}

TEST(ReverseArmBar, PlainSenseMovesTheArmWithTheBar) {
    Model m = WithSense(242, 1.812f);
    const float c = m.Gear.RevArmCenter;
    EXPECT_TRUE(PlainSense(m));
    EXPECT_EQ(RevArmBarMax(m), 1300);
    m.Display.FrontCutOffText = m.Display.RearCutOffText = "45%";

    SetRevArmFromBar(m, 200);
    EXPECT_FLOAT_EQ(m.Gear.RevArmPos, c + 0.2f);
    EXPECT_EQ(m.Gear.RotationDir, Rotation::Fwd);
    EXPECT_EQ(RevArmBarPosition(m), 200);
    EXPECT_TRUE(m.Display.FrontCutOffText.empty());
    EXPECT_TRUE(m.Display.RearCutOffText.empty());

    SetRevArmFromBar(m, -150);
    EXPECT_FLOAT_EQ(m.Gear.RevArmPos, c - 0.15f);
    EXPECT_EQ(m.Gear.RotationDir, Rotation::Rev);
    EXPECT_EQ(RevArmBarPosition(m), -150);

    SetRevArmFromBar(m, 0);
    EXPECT_EQ(m.Gear.RevArmPos, c);
    EXPECT_EQ(m.Gear.RotationDir, Rotation::Fwd);

    EXPECT_EQ(NormalForwardBarPosition(m), 1040);
    EXPECT_EQ(NormalReverseBarPosition(m), -1040);
}

TEST(ReverseArmBar, MirroredSenseMovesTheArmAgainstTheBar) {
    for (auto [ecc, arm] : {std::pair{120.0f, 1.812f}, std::pair{242.0f, -1.812f}}) {
        Model m = WithSense(ecc, arm);
        const float c = m.Gear.RevArmCenter;
        EXPECT_FALSE(PlainSense(m)) << ecc << " " << arm;

        // Fwd leaves the arm behind mid gear, still turning forwards.
        SetRevArmFromBar(m, NormalForwardBarPosition(m));
        EXPECT_FLOAT_EQ(m.Gear.RevArmPos, c - 1.04f);
        EXPECT_EQ(m.Gear.RotationDir, Rotation::Fwd);
        EXPECT_EQ(RevArmBarPosition(m), 1040);

        SetRevArmFromBar(m, -300);
        EXPECT_FLOAT_EQ(m.Gear.RevArmPos, c + 0.3f);
        EXPECT_EQ(m.Gear.RotationDir, Rotation::Rev);
        EXPECT_EQ(RevArmBarPosition(m), -300);

        SetRevArmFromBar(m, 0);
        EXPECT_EQ(m.Gear.RotationDir, Rotation::Fwd);
    }
}

TEST(ReverseArmBar, BothSignsNegativeIsPlainAgain) {
    Model m = WithSense(300, -1.812f);
    EXPECT_EQ(m.Gear.EccSign, -1.0f);
    EXPECT_TRUE(PlainSense(m));
}

TEST(ReverseArmBar, SenseFollowsTheLastSolveNotTheTypedDimension) {
    Model m = WithSense(242, 1.812f);
    m.Frame.LiftingArmLen = -1;
    m.Frame.EccAngFwd = 120;
    EXPECT_TRUE(PlainSense(m));
    SolveLinkage(m);
    EXPECT_TRUE(PlainSense(m));  // both turned over
}

TEST(ReverseArmBar, DegenerateTravelsGiveSafeBarPositions) {
    Model m = WithSense(242, 1.812f);
    m.Frame.RevArmCentMax = 0;
    EXPECT_EQ(RevArmBarMax(m), 0);
    EXPECT_EQ(NormalForwardBarPosition(m), 0);
    m.Frame.RevArmCentMax = 3e38f;
    m.Frame.RevArmCentNorm = 3e38f;
    EXPECT_EQ(RevArmBarMax(m), 2147483647);
    EXPECT_EQ(NormalReverseBarPosition(m), -2147483647);
    // A negative travel gives no range rather than an inverted one.
    m.Frame.RevArmCentMax = -3e38f;
    EXPECT_EQ(RevArmBarMax(m), 0);
    EXPECT_EQ(NormalReverseBarPosition(m), 0);
}

}  // namespace
}  // namespace lm
