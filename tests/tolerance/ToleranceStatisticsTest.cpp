// Percentiles against ranks counted by hand, and the variance shares against the closed
// form of a linear response: share_k = b_k^2 var(x_k) / sum_j b_j^2 var(x_j).
#include <cmath>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

#include "tolerance/SampleDraws.h"
#include "tolerance/ToleranceStatistics.h"

namespace lm {
namespace {

TEST(TolerancePercentile, InterpolatesBetweenTheNearestRanks) {
    std::vector<float> v(101);
    std::iota(v.begin(), v.end(), 1.0f);  // 1 .. 101
    EXPECT_EQ(Percentile(v, 1), 2);
    EXPECT_EQ(Percentile(v, 50), 51);
    EXPECT_EQ(Percentile(v, 99), 100);
    const std::vector<float> two{0, 10};
    EXPECT_EQ(Percentile(two, 1), 0.1);
    EXPECT_EQ(Percentile(two, 99), 9.9);
    const std::vector<float> one{3};
    EXPECT_EQ(Percentile(one, 1), 3);
    EXPECT_TRUE(std::isnan(Percentile({}, 50)));
}

// Uniform draws on +-reach[k], y = sum b_k x_k (+ c x_0^2 when asked).
struct Samples {
    std::vector<double> x, y;
};
Samples Linear(std::size_t n, const std::vector<double>& b, const std::vector<double>& reach, double square = 0) {
    Samples s;
    for (std::size_t i = 0; i < n; ++i) {
        double y = 0;
        for (std::size_t k = 0; k < b.size(); ++k) {
            const double x = reach[k] * (2 * UniformDraw(11, i, k) - 1);
            s.x.push_back(x);
            y += b[k] * x + (k == 0 ? square * x * x : 0);
        }
        s.y.push_back(y);
    }
    return s;
}

TEST(ToleranceShares, ALinearResponseSplitsAsItsCoefficientsSay) {
    const std::vector<double> b{3, -2, 0.5, 0};
    const std::vector<double> reach{0.01, 0.02, 0.04, 0.03};
    const std::size_t n = 4000;
    const Samples s = Linear(n, b, reach);
    const LinearShares fit = FitShares(s.x, s.y, b.size());
    ASSERT_EQ(fit.Shares.size(), b.size());
    EXPECT_NEAR(fit.Explained, 1, 1e-12);

    // Exactly the sample variances' shares: the fit finds the coefficients themselves.
    std::vector<double> part(b.size());
    for (std::size_t k = 0; k < b.size(); ++k) {
        double m = 0, v = 0;
        for (std::size_t i = 0; i < n; ++i) m += s.x[i * b.size() + k] / n;
        for (std::size_t i = 0; i < n; ++i) v += std::pow(s.x[i * b.size() + k] - m, 2) / n;
        part[k] = b[k] * b[k] * v;
    }
    const double total = std::accumulate(part.begin(), part.end(), 0.0);
    for (std::size_t k = 0; k < b.size(); ++k) EXPECT_NEAR(fit.Shares[k], part[k] / total, 1e-9) << k;
    EXPECT_NEAR(std::accumulate(fit.Shares.begin(), fit.Shares.end(), 0.0), 1, 1e-12);

    // And near the population's: var(x) = reach^2 / 3 for a uniform draw.
    double popTotal = 0;
    for (std::size_t k = 0; k < b.size(); ++k) popTotal += b[k] * b[k] * reach[k] * reach[k] / 3;
    for (std::size_t k = 0; k < b.size(); ++k)
        EXPECT_NEAR(fit.Shares[k], b[k] * b[k] * reach[k] * reach[k] / 3 / popTotal, 0.02) << k;
}

TEST(ToleranceShares, WhatIsNotLinearIsLeftUnexplained) {
    // y = x0 + 40 x0^2 + x1 on +-0.05: the square carries a fair part of the variance.
    const Samples s = Linear(4000, {1, 1}, {0.05, 0.05}, 40);
    const LinearShares fit = FitShares(s.x, s.y, 2);
    ASSERT_EQ(fit.Shares.size(), 2u);
    EXPECT_LT(fit.Explained, 0.9);
    EXPECT_GT(fit.Explained, 0.3);
}

TEST(ToleranceShares, UndeterminedFitsGiveNoShares) {
    const Samples few = Linear(4, {1, 2, 3}, {1, 1, 1});  // fewer samples than variables + 2
    EXPECT_TRUE(FitShares(few.x, few.y, 3).Shares.empty());
    Samples flat = Linear(100, {1, 2}, {1, 1});
    for (double& y : flat.y) y = 0.25;
    EXPECT_TRUE(FitShares(flat.x, flat.y, 2).Shares.empty());
    // The same variable twice: no way to tell which one the variance is owed to.
    std::vector<double> twice;
    for (std::size_t i = 0; i < 100; ++i) twice.insert(twice.end(), {flat.x[2 * i], flat.x[2 * i]});
    const Samples s = Linear(100, {1, 2}, {1, 1});
    EXPECT_TRUE(FitShares(twice, s.y, 2).Shares.empty());
}

}  // namespace
}  // namespace lm
