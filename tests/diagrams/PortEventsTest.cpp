// When a port counts as opening or closing, and where the crossing is placed.

#include "diagrams/PortEvents.h"

#include <gtest/gtest.h>

#include <limits>


namespace lm {
namespace {

TEST(PortEvents, OpeningAndClosingAreOneSidedAndNaNNeverCrosses) {
    EXPECT_TRUE(EventHappens(FrontSteamOpens, -0.1f, 0));
    EXPECT_FALSE(EventHappens(FrontSteamOpens, 0, 0.1f));  // already open at the step before
    EXPECT_TRUE(EventHappens(RearExhaustCloses, 0.1f, 0));
    EXPECT_FALSE(EventHappens(RearExhaustCloses, 0, -0.1f));
    EXPECT_FALSE(EventHappens(FrontSteamCloses, -0.1f, 0.1f));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (int k = 0; k < kPortEventCount; ++k) {
        EXPECT_FALSE(EventHappens(static_cast<PortEvent>(k), nan, 0.1f));
        EXPECT_FALSE(EventHappens(static_cast<PortEvent>(k), -0.1f, nan));
    }
}

TEST(PortEvents, CrossingIsInterpolatedAndPlacedFromEachEndsDeadCentre) {
    // From -1 at travel 90 to +3 at 100: a quarter of the way, 92.5.
    EXPECT_FLOAT_EQ(CrossingTravel(100, 90, 3, -1), 92.5f);
    EXPECT_FLOAT_EQ(CrossingTravel(500, 520, -0.2f, 0.2f), 510);  // travel falling
    EXPECT_EQ(EventColumn(FrontSteamCloses, 0), 9);
    EXPECT_EQ(EventColumn(FrontSteamCloses, 640), 549);
    EXPECT_EQ(EventColumn(RearSteamCloses, 0), 549);
    EXPECT_EQ(EventColumn(RearExhaustOpens, 640), 9);
    EXPECT_EQ(EventColumn(FrontExhaustOpens, 320), 279);
    EXPECT_EQ(EventColumn(FrontExhaustOpens, 1e30f), 9 + (1 << 24));  // no overflow
}

}  // namespace
}  // namespace lm
