// The solver's guards: when they clamp, and when they raise the gear error.

#include <gtest/gtest.h>

#include "kinematics/Guards.h"

namespace lm {
namespace {

Model Announcing(bool on) {
    Model m;
    m.Gear.ErrorBeepOn = on;
    return m;
}

TEST(Guards, CosineIsClampedSilentlyWhileTheSearchStepIsCoarse) {
    Model m = Announcing(true);
    m.Gear.SolverStep = 0.02f;
    EXPECT_EQ(ClampCosine(m, 1.5f), 0.999999f);
    EXPECT_EQ(ClampCosine(m, -7), -0.999999f);
    EXPECT_FALSE(m.Gear.GearError);

    m.Gear.SolverStep = 0.004f;
    EXPECT_EQ(ClampCosine(m, 0.999999f), 0.999999f);  // the limit itself passes
    EXPECT_EQ(ClampCosine(m, 0.3f), 0.3f);
    EXPECT_FALSE(m.Gear.GearError);
    EXPECT_EQ(ClampCosine(m, 1.0f), 0.999999f);
    EXPECT_TRUE(m.Gear.GearError);

    m.Gear.GearError = false;
    m.Gear.SolverStep = -0.9999f;  // what a failed search leaves: counts as fine
    EXPECT_EQ(ClampCosine(m, -1.0f), -0.999999f);
    EXPECT_TRUE(m.Gear.GearError);
}

TEST(Guards, TinyDivisorsAreWidenedAwayFromZeroWithZeroCountingAsPositive) {
    Model m = Announcing(true);
    EXPECT_EQ(GuardDivisor(m, 0.0f), 0.00001f);
    EXPECT_TRUE(m.Gear.GearError);
    m.Gear.GearError = false;
    EXPECT_EQ(GuardDivisor(m, -0.0f), 0.00001f);
    EXPECT_TRUE(m.Gear.GearError);
    m.Gear.GearError = false;
    EXPECT_EQ(GuardDivisor(m, 3e-6f), 0.00001f);
    EXPECT_EQ(GuardDivisor(m, -3e-6f), -0.00001f);
    EXPECT_TRUE(m.Gear.GearError);
    m.Gear.GearError = false;
    EXPECT_EQ(GuardDivisor(m, 2e-5f), 2e-5f);
    EXPECT_EQ(GuardDivisor(m, -2e-5f), -2e-5f);
    EXPECT_EQ(GuardDivisor(m, -40.0f), -40.0f);
    EXPECT_FALSE(m.Gear.GearError);
}

TEST(Guards, NegativeRadicandsAreMirrored) {
    Model m = Announcing(true);
    EXPECT_EQ(GuardRoot(m, 2.25f), 2.25f);
    EXPECT_EQ(GuardRoot(m, 0.0f), 0.0f);
    EXPECT_FALSE(m.Gear.GearError);
    EXPECT_EQ(GuardRoot(m, -2.25f), 2.25f);
    EXPECT_TRUE(m.Gear.GearError);
}

TEST(Guards, ClampButNeverRaiseWhileAnnouncingIsOff) {
    Model m = Announcing(false);
    m.Gear.SolverStep = 0.0001f;
    EXPECT_EQ(ClampCosine(m, 2), 0.999999f);
    EXPECT_EQ(GuardDivisor(m, 0), 0.00001f);
    EXPECT_EQ(GuardRoot(m, -1), 1.0f);
    RaiseGearError(m);
    EXPECT_FALSE(m.Gear.GearError);
}

}  // namespace
}  // namespace lm
