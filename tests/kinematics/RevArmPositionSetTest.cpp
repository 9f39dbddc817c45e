// The diagrams' reverse-arm positions: the run rule, the count and the edit clamps.

#include "kinematics/RevArmPositionSet.h"

#include <gtest/gtest.h>

#include "kinematics/StartUp.h"

namespace lm {
namespace {

class RevArmPositionSet : public ::testing::Test {
protected:
    void SetUp() override { StartUp(m); }
    float& P(int k) { return m.Gear.RevArmPositions[static_cast<std::size_t>(k)]; }
    Model m;
};

TEST_F(RevArmPositionSet, StartUpLeavesThreePositionsOnceCounted) {
    EXPECT_EQ(m.Gear.RevArmPosCount, 1);  // until the set is first shown
    ApplyRevArmRunRule(m);
    EXPECT_EQ(m.Gear.RevArmPosCount, 3);
    EXPECT_FLOAT_EQ(P(2) - P(3), 2 * 1.04f);
}

TEST_F(RevArmPositionSet, AZeroEndsTheRunAndClearsEverythingAfterIt) {
    P(4) = 6.5f;
    P(5) = 6.6f;
    StoreEditedRevArmPosition(m, 2, 0);
    ApplyRevArmRunRule(m);
    EXPECT_EQ(m.Gear.RevArmPosCount, 1);
    for (int k = 2; k <= 9; ++k) EXPECT_EQ(P(k), 0) << k;

    for (int k = 1; k <= 9; ++k) P(k) = 6.0f + 0.01f * k;
    ApplyRevArmRunRule(m);
    EXPECT_EQ(m.Gear.RevArmPosCount, 9);
}

TEST_F(RevArmPositionSet, WithPositionOneAtZeroTheCountStays) {
    m.Gear.RevArmPosCount = 4;
    P(1) = 0;
    ApplyRevArmRunRule(m);
    EXPECT_EQ(m.Gear.RevArmPosCount, 4);
    EXPECT_EQ(P(2), 0);
}

TEST_F(RevArmPositionSet, EditsAreClampedIntoTheFullTravel) {
    const float c = m.Gear.RevArmCenter;
    StoreEditedRevArmPosition(m, 1, 0);  // position 1 is never 0...
    EXPECT_FLOAT_EQ(P(1), c - 1.3f);      // ...and 0.001 lies below the travel here
    StoreEditedRevArmPosition(m, 2, 100);
    EXPECT_FLOAT_EQ(P(2), c + 1.3f);
    StoreEditedRevArmPosition(m, 3, -100);
    EXPECT_FLOAT_EQ(P(3), c - 1.3f);
    StoreEditedRevArmPosition(m, 4, c + 0.5f);
    EXPECT_FLOAT_EQ(P(4), c + 0.5f);
    StoreEditedRevArmPosition(m, 10, 5);  // no such box: nothing changes
    StoreEditedVerticalScale(m, 0);
    EXPECT_FLOAT_EQ(m.Diagram.VerticalScale, 0.1f);
    StoreEditedVerticalScale(m, 2.5f);
    EXPECT_FLOAT_EQ(m.Diagram.VerticalScale, 2.5f);
}

}  // namespace
}  // namespace lm
