// Absurd dimension values still solve, with mid gear and diagram positions finite.

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "../model/ModelTestSupport.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/MidGear.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

// Any typed value, however absurd, is solved (clamped where it must be) and mid gear
// stays a finite place for the arm.
TEST(HostileDimensions, AnyValueOfAnyDimensionSolvesAndKeepsMidGearFinite) {
    const float big = std::numeric_limits<float>::max();
    for (const auto& d : test::DimFields())
        for (float v : {0.0f, -1.0f, -d.nominal, 1e-7f, 1e6f, big, -big}) {
            Model m;
            StartUp(m);
            d.at(m) = v;
            FindMidGear(m);
            ASSERT_TRUE(std::isfinite(m.Gear.RevArmCenter)) << d.code << " = " << v;
            ASSERT_TRUE(std::isfinite(m.Gear.RevArmPos)) << d.code << " = " << v;
            for (int i = 1; i <= 3; ++i)
                EXPECT_TRUE(std::isfinite(m.Gear.RevArmPositions[i])) << d.code << " = " << v << " [" << i << "]";
            for (float angle : {0.0f, 90.0f, 225.0f}) {
                m.Gear.DriverAngle = angle;
                SolveLinkage(m);
                SolvePistonAndPorts(m);
            }
            EXPECT_EQ(m.Gear.DriverAngle, 225.0f);
        }
}

TEST(HostileDimensions, DiagramPositionsAroundAHugeMidGearStayFinite) {
    Model m;
    StartUp(m);
    const float big = std::numeric_limits<float>::max();
    m.P(16).X = m.P(17).X = big;
    m.Frame.RevArmCentNorm = big;
    m.Frame.RevArmCentMax = big;
    const GearState before = m.Gear;
    FindMidGear(m);
    // The centre itself is finite, but centre + normal travel is not: nothing changes.
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(m.Gear.RevArmPositions[i], before.RevArmPositions[i]) << i;
    EXPECT_EQ(m.Gear.RevArmCenter, before.RevArmCenter);
    EXPECT_EQ(m.Gear.RevArmPos, before.RevArmPos);
    EXPECT_TRUE(m.Gear.GearError);
}

}  // namespace
}  // namespace lm
