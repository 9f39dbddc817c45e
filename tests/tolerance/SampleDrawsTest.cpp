// The study's random numbers: the exact bits (worked out again in Python from the
// published SplitMix64 finaliser), their spread, and the logarithm and normal quantile
// against the standard library and tabled values.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "tolerance/SampleDraws.h"

namespace lm {
namespace {

TEST(SampleDraws, BitsAreFixedBySeedSampleAndStreamAlone) {
    EXPECT_EQ(DrawBits(1, 0, 0), 0x76afc333c0cb0749ULL);
    EXPECT_EQ(DrawBits(1, 1999, 43), 0x63f21d93f7802e14ULL);
    EXPECT_EQ(DrawBits(12345678901234567890ULL, 9999999, 1000170), 0xb2ac15d73d08fb57ULL);
    EXPECT_EQ(UniformDraw(1, 0, 0), 0.46361942304137577);
    EXPECT_EQ(UniformDraw(1, 1999, 43), 0.39041313993902865);
}

TEST(SampleDraws, UniformDrawsFillTheIntervalEvenlyAndStreamsAreUnrelated) {
    constexpr int n = 200000;
    double sum = 0, sumSq = 0, cross = 0;
    std::vector<int> tenths(10);
    for (int i = 0; i < n; ++i) {
        const double u = UniformDraw(7, static_cast<std::uint64_t>(i), 3);
        const double v = UniformDraw(7, static_cast<std::uint64_t>(i), 4);
        ASSERT_GT(u, 0);
        ASSERT_LT(u, 1);
        sum += u;
        sumSq += u * u;
        cross += (u - 0.5) * (v - 0.5);
        ++tenths[static_cast<std::size_t>(u * 10)];
    }
    // Four standard errors of each estimate.
    EXPECT_NEAR(sum / n, 0.5, 4 * std::sqrt(1.0 / 12 / n));
    EXPECT_NEAR(sumSq / n - (sum / n) * (sum / n), 1.0 / 12, 4 * 0.0745 / std::sqrt(n));
    EXPECT_NEAR(cross / n, 0, 4 * (1.0 / 12) / std::sqrt(n));
    for (int count : tenths) EXPECT_NEAR(count, n / 10, 4 * std::sqrt(n * 0.09));
}

TEST(SampleDraws, PortableLogAgreesWithTheLibraryToAFewUlps) {
    for (double x : {1e-300, 1e-17, 0.001, 0.25, 0.5, 0.7071067811865476, 0.99999, 1.0, 1.0000001, 2.0, 10.0, 1e10,
                     1.7976931348623157e308}) {
        const double expected = std::log(x);
        EXPECT_NEAR(PortableLog(x), expected, std::fabs(expected) * 2.3e-16 + 1e-300) << x;
    }
    for (int i = 1; i < 10000; ++i) {
        const double x = UniformDraw(3, static_cast<std::uint64_t>(i), 0);
        ASSERT_NEAR(PortableLog(x), std::log(x), std::fabs(std::log(x)) * 9e-16 + 1e-17) << x;
    }
    EXPECT_EQ(PortableLog(1.0), 0.0);
}

TEST(SampleDraws, NormalQuantileMatchesTabledValues) {
    // Values of the inverse normal distribution to 15 digits (any statistics table).
    const struct {
        double p, z;
    } table[] = {{0.5, 0},
                 {0.8413447460685429, 1},
                 {0.975, 1.959963984540054},
                 {0.99, 2.326347874040841},
                 {0.99865010196837, 3},
                 {0.001, -3.090232306167813},
                 {0.02, -2.053748910631823},
                 {1e-9, -5.997807015007686}};
    for (const auto& row : table) {
        EXPECT_NEAR(NormalQuantile(row.p), row.z, 1.2e-9 * std::fabs(row.z) + 1e-12) << row.p;
        // 1 - p is itself rounded; far out in the tail that moves the quantile visibly.
        if (row.p >= 0.001) {
            EXPECT_NEAR(NormalQuantile(1 - row.p), -row.z, 1.2e-9 * std::fabs(row.z) + 1e-12) << row.p;
        }
    }
}

}  // namespace
}  // namespace lm
