// The valve-travel axis of the sine and oval diagrams, quick even for a huge scale.

#include <cstdint>

#include "common/Numbers.h"
#include "diagrams/DiagramFrame.h"

namespace lm {

namespace {

// A family of marks at rows R(a + b * h) for h = first, first + step, ... <= last. The
// rows are monotonic in h; of a run of h on one row only the last needs drawing (a tick
// repeats the same pixels, a label covers the one before). This keeps a huge scale, with
// billions of ticks on a few hundred rows, as quick as the usual one.
struct RowFamily {
    Real a = 0, b = 0;
    std::int64_t step = 1;
    int Row(std::int64_t h) const { return RoundToInt(a + b * static_cast<Real>(h)); }

    // The last h in [from, last] on from's row.
    std::int64_t LastOnRow(std::int64_t from, std::int64_t last) const {
        const int row = Row(from);
        std::int64_t lo = 0, hi = (last - from) / step;  // in steps from `from`
        while (lo < hi) {
            const std::int64_t mid = lo + (hi - lo + 1) / 2;
            if (Row(from + mid * step) == row) lo = mid;
            else hi = mid - 1;
        }
        return from + lo * step;
    }
};

std::int64_t FirstMultipleAtOrAbove(std::int64_t v, std::int64_t step) {
    std::int64_t q = v / step * step;
    return q < v ? q + step : q;
}

}  // namespace

void DrawTravelAxis(const Model& m, Canvas& canvas, int labelX) {
    const Real s = DiagramVerticalScale(m);
    canvas.TextOut({9, 18}, "Scale =");
    canvas.TextOut({50, 18}, FormatFixed(static_cast<double>(s), 3, 1));
    canvas.TextOut({9, 32}, "Units Travel");
    canvas.TextOut({9, 46}, "Front");
    canvas.TextOut({9, 374}, "Rear");

    const std::int64_t g = RoundToInt(4 * s);
    // Above 3.75 the ticks would crowd: only every fifth of each kind is drawn.
    const std::int64_t step = s > 3.75L ? 5 : 1;

    const RowFamily minor{215, Real{7.5L} / s, step};
    for (std::int64_t h = FirstMultipleAtOrAbove(-5 * g, step); h <= 5 * g;) {
        h = minor.LastOnRow(h, 5 * g);
        const int y = minor.Row(h);
        canvas.Line({39, y}, {44, y});
        h += step;
    }

    const RowFamily tick{215, Real{37.5L} / s, step};
    const RowFamily label{210, Real{-37.5L} / s, step};
    for (std::int64_t n = FirstMultipleAtOrAbove(-g, step); n <= g;) {
        n = std::min(tick.LastOnRow(n, g), label.LastOnRow(n, g));
        const int y = tick.Row(n);
        canvas.Line({36, y}, {44, y});
        canvas.TextOut({labelX, label.Row(n)}, FormatFixed(static_cast<double>(n * Real{0.1L}), 1, 1));
        n += step;
    }
}

}  // namespace lm
