// The crossing and least-point refinements against functions whose answers are known.
#include <cmath>

#include <gtest/gtest.h>

#include "common/Real.h"
#include "workbench/Crossings.h"

namespace lm {
namespace {

constexpr double kDeg = static_cast<double>(kPi) / 180;

// Travel of a piston from its crank's centre along the cylinder's line, crank r, rod L,
// the cylinder's line e above the crank's centre: its extremes are at asin(e / (L + r))
// and 180 + asin(e / (L - r)), not 180 degrees apart.
double OffsetCrankTravel(double degrees, double r, double l, double e) {
    const double a = degrees * kDeg;
    const double s = r * std::sin(a) - e;
    return -(r * std::cos(a) + std::sqrt(l * l - s * s));
}

TEST(Crossings, OffsetCylinderDeadCentresAreTheSliderCranksExtremes) {
    for (const double e : {0.0, 0.8, -1.5, 3.0}) {
        SCOPED_TRACE(e);
        constexpr double r = 12, l = 40;
        const double front = LeastPoint([&](double x) { return OffsetCrankTravel(x, r, l, e); }, -180, 360, 1, 1e-4);
        const double rear = LeastPoint([&](double x) { return -OffsetCrankTravel(x, r, l, e); }, 0, 360, 1, 1e-4);
        EXPECT_NEAR(front, std::asin(e / (l + r)) / kDeg, 1e-4);
        EXPECT_NEAR(rear, 180 + std::asin(e / (l - r)) / kDeg, 1e-4);
    }
}

TEST(Crossings, RefinementStopsAtTheWidthAndWithinItsCap) {
    int calls = 0;
    const auto g = [&](double x) { ++calls; return std::sin(x * kDeg) - 0.3; };
    const Bracket b = RefineCrossing(g, {16, g(16), 20, g(20)}, 1e-4);
    EXPECT_LE(std::fabs(b.B - b.A), 1e-4);
    EXPECT_NEAR(b.Crossing(), std::asin(0.3) / kDeg, 1e-5);
    EXPECT_LE(calls, 12);  // false position, not bisection

    // A jump, and a function that is not a number on one side, still end within the cap.
    calls = 0;
    const auto step = [&](double x) { ++calls; return x < 1.2345 ? -1.0 : 1.0; };
    EXPECT_NEAR(RefineCrossing(step, {0, -1, 4, 1}, 1e-4).Crossing(), 1.2345, 1e-4);
    const auto broken = [&](double x) { ++calls; return x < 2 ? -1.0 : std::nan(""); };
    RefineCrossing(broken, {0, -1, 4, 1}, 1e-12);
    EXPECT_LE(calls, 2 * kMaxCrossingSteps);
    EXPECT_TRUE(std::isnan(LeastPoint([](double) { return std::nan(""); }, 0, 360, 1, 1e-4)));
}

}  // namespace
}  // namespace lm
