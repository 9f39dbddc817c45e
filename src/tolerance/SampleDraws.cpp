// Counter-based draws and the arithmetic-only logarithm and normal quantile behind them.
// Built with floating-point contraction off, so no compiler fuses a multiply and an add
// on one machine and not on another.

#include "tolerance/SampleDraws.h"

#include <array>
#include <cmath>

namespace lm {

namespace {

std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

// ln 2 split so that e * kLn2High is exact for every exponent of a double.
constexpr double kLn2High = 6.93147180369123816490e-01;
constexpr double kLn2Low = 1.90821492927058770002e-10;

double Polynomial(const std::array<double, 6>& k, double x) {
    double v = k[0];
    for (std::size_t i = 1; i < k.size(); ++i) v = v * x + k[i];
    return v;
}

double Tail(double q) {
    static constexpr std::array<double, 6> c = {-7.784894002430293e-03, -3.223964580411365e-01,
                                                -2.400758277161838e+00, -2.549732539343734e+00,
                                                4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr std::array<double, 6> d = {0, 7.784695709041462e-03, 3.224671290700398e-01,
                                                2.445134137142996e+00, 3.754408661907416e+00, 1};
    return Polynomial(c, q) / Polynomial(d, q);
}

}  // namespace

std::uint64_t DrawBits(std::uint64_t seed, std::uint64_t sample, std::uint64_t stream) {
    std::uint64_t h = Mix(seed + kGolden);
    h = Mix(h ^ (sample * kGolden + 0x632BE59BD9B4E019ULL));
    return Mix(h ^ (stream * 0xD1B54A32D192ED03ULL + 0x8CB92BA72F3D8DD7ULL));
}

double UniformDraw(std::uint64_t seed, std::uint64_t sample, std::uint64_t stream) {
    // The middle of one of 2^53 equal cells: never 0, never 1.
    return (static_cast<double>(DrawBits(seed, sample, stream) >> 11) + 0.5) * 0x1p-53;
}

double PortableLog(double x) {
    if (!(x > 0)) return -HUGE_VAL;
    if (!std::isfinite(x)) return x;
    int e = 0;
    double m = std::frexp(x, &e);  // exact: x = m * 2^e, m in [0.5, 1)
    if (m < 0.70710678118654752440) {
        m *= 2;
        --e;
    }
    // log m = 2 atanh(s), |s| <= 0.172, so s^25 is far below an ulp of the sum.
    const double s = (m - 1) / (m + 1);
    const double s2 = s * s;
    double term = s;
    double sum = 0;
    for (int k = 1; k <= 25; k += 2) {
        sum += term / k;
        term *= s2;
    }
    return e * kLn2High + (e * kLn2Low + 2 * sum);
}

double NormalQuantile(double p) {
    if (!(p > 0 && p < 1)) return p == 0 ? -HUGE_VAL : p == 1 ? HUGE_VAL : NAN;
    constexpr double kLow = 0.02425;
    if (p < kLow) return Tail(std::sqrt(-2 * PortableLog(p)));
    if (p > 1 - kLow) return -Tail(std::sqrt(-2 * PortableLog(1 - p)));
    static constexpr std::array<double, 6> a = {-3.969683028665376e+01, 2.209460984245205e+02,
                                                -2.759285104469687e+02, 1.383577518672690e+02,
                                                -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr std::array<double, 6> b = {-5.447609879822406e+01, 1.615858368580409e+02,
                                                -1.556989798598866e+02, 6.680131188771972e+01,
                                                -1.328068155288572e+01, 1};
    const double q = p - 0.5;
    const double r = q * q;
    return Polynomial(a, r) * q / Polynomial(b, r);
}

}  // namespace lm
