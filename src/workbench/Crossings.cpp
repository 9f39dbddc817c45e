// Narrowing a sign change by safeguarded false position; the least point by chords.

#include "workbench/Crossings.h"

#include <algorithm>
#include <vector>

namespace lm {

double Bracket::Crossing() const {
    const double d = GB - GA;
    if (!(d > 0) || !std::isfinite(d)) return (A + B) / 2;
    return A + (B - A) * std::clamp(-GA / d, 0.0, 1.0);
}

Bracket RefineCrossing(const std::function<double(double)>& g, Bracket b, double width) {
    // Illinois false position: the end kept twice in a row has its value halved, so
    // neither end sticks. Every third step bisects, so the width at least halves in three.
    int keptA = 0, keptB = 0;
    for (int step = 0; step < kMaxCrossingSteps && std::fabs(b.B - b.A) > width; ++step) {
        const double mid = (b.A + b.B) / 2;
        double x = mid;
        if (step % 3 != 2 && std::isfinite(b.GA) && std::isfinite(b.GB) && b.GB > b.GA) {
            const double w = (b.GA * (keptA >= 2 ? 0.5 : 1.0)) ;
            const double v = (b.GB * (keptB >= 2 ? 0.5 : 1.0));
            x = b.A + (b.B - b.A) * (-w / (v - w));
            // Never on an end or closer to it than a quarter of the width asked for.
            const double lo = std::min(b.A, b.B) + width / 4, hi = std::max(b.A, b.B) - width / 4;
            x = lo < hi ? std::clamp(x, lo, hi) : mid;
            if (!std::isfinite(x)) x = mid;
        }
        const double gx = g(x);
        if (gx < 0) {
            b.A = x;
            b.GA = gx;
            keptB = keptB + 1;
            keptA = 0;
        } else if (gx >= 0) {
            b.B = x;
            b.GB = gx;
            keptA = keptA + 1;
            keptB = 0;
        } else {
            // Not a number: the crossing is taken to be on the near side of it.
            b.B = x;
            b.GB = 0;
        }
    }
    return b;
}

namespace {

// The middle of the chord at height `level` about the least sample k.
double ChordMiddle(const std::function<double(double)>& f, const std::vector<double>& samples, std::size_t k,
                   double from, double step, double level, double width) {
    const std::size_t n = samples.size();
    const auto at = [&](std::ptrdiff_t i) { return samples[static_cast<std::size_t>((i % static_cast<std::ptrdiff_t>(n) + static_cast<std::ptrdiff_t>(n)) % static_cast<std::ptrdiff_t>(n))]; };
    const auto g = [&](double x) { return f(x) - level; };
    double ends[2];
    for (int side = 0; side < 2; ++side) {
        const std::ptrdiff_t dir = side == 0 ? -1 : 1;
        std::ptrdiff_t i = static_cast<std::ptrdiff_t>(k);
        // Outwards until a sample is at or above the level, at most half the samples.
        std::ptrdiff_t walked = 0;
        while (!(at(i + dir) - level >= 0)) {
            i += dir;
            if (++walked >= static_cast<std::ptrdiff_t>(n) / 2) return std::nan("");
        }
        const double inside = from + static_cast<double>(i) * step;
        const double outside = inside + static_cast<double>(dir) * step;
        Bracket b{inside, at(i) - level, outside, at(i + dir) - level};
        ends[side] = RefineCrossing(g, b, width).Crossing();
    }
    return (ends[0] + ends[1]) / 2;
}

}  // namespace

double LeastPoint(const std::function<double(double)>& f, double from, double span, double step, double width) {
    const auto n = static_cast<std::size_t>(std::max(3.0, std::round(span / step)));
    step = span / static_cast<double>(n);
    std::vector<double> samples(n);
    std::size_t least = n;
    double high = -INFINITY;
    for (std::size_t i = 0; i < n; ++i) {
        samples[i] = f(from + static_cast<double>(i) * step);
        if (!std::isfinite(samples[i])) continue;
        if (least == n || samples[i] < samples[least]) least = i;
        high = std::max(high, samples[i]);
    }
    if (least == n) return std::nan("");
    const double range = high - samples[least];
    if (!(range > 0)) return std::nan("");
    // Two chords, the second a quarter the height: what moves the middle in proportion
    // to the height is taken out.
    const double high1 = samples[least] + range / 320, high2 = samples[least] + range / 1280;
    const double m1 = ChordMiddle(f, samples, least, from, step, high1, width / 100);
    const double m2 = ChordMiddle(f, samples, least, from, step, high2, width / 100);
    if (!std::isfinite(m1) || !std::isfinite(m2)) return std::isfinite(m2) ? m2 : m1;
    return m2 + (m2 - m1) / 3;
}

}  // namespace lm
