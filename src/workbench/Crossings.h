// Finding where a sampled function crosses zero, and where it is least, to a set width.

#pragma once

// Bounded refinements on a function of one real (a crank angle): a sign change narrowed
// to a bracket of given width, and the least value of a function whose least value is a
// smooth minimum (a piston's dead centre). Each has a fixed cap on its evaluations, so a
// function that is noisy, jumps or is not finite costs no more than a smooth one.

#include <cmath>
#include <functional>

namespace lm {

// The most evaluations one crossing may take: false position converges in a handful on
// a smooth function, and every third step bisects, so 4 degrees narrow to 1e-5 degree
// within 57 steps whatever the function does.
inline constexpr int kMaxCrossingSteps = 60;

// a is before the crossing (g(a) < 0) and b after it (g(b) >= 0); a and b may run either
// way. On return the two are no further apart than width, or the cap was reached.
struct Bracket {
    double A = 0, GA = 0;
    double B = 0, GB = 0;
    // Where g crosses zero within the bracket, by the straight line through its ends.
    double Crossing() const;
};

Bracket RefineCrossing(const std::function<double(double)>& g, Bracket b, double width);

// The argument of the least value of f on [from, from + span), sampled every step:
// the middle of the chord at a height above the least sample, taken at two heights and
// extrapolated to none (a dead centre of an offset cylinder is not in the middle of any
// chord, but the chord's middle moves in proportion to its height). Returns NaN when f
// is nowhere finite or gives no chord.
double LeastPoint(const std::function<double(double)>& f, double from, double span, double step, double width);

}  // namespace lm
