// An independent solution of the gear to check the linkage solver against.

#pragma once

// A second, plain double-precision solution of the gear, built from circle intersections
// and unit vectors rather than the solver's arctangent chain, to check the solver against.

#include <array>
#include <cmath>

#include "model/Model.h"

namespace lm::test {

struct Pt {
    double x = 0, y = 0;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(double k, Pt a) { return {k * a.x, k * a.y}; }
inline double Len(Pt a) { return std::hypot(a.x, a.y); }
inline Pt Unit(Pt a) { return (1 / Len(a)) * a; }
inline Pt Clockwise90(Pt a) { return {a.y, -a.x}; }
inline Pt At(const Model& m, int n) { return {m.P(n).X, m.P(n).Y}; }
inline double Dist(const Model& m, int a, int b) { return Len(At(m, a) - At(m, b)); }

inline constexpr double kPiD = 3.14159265358979323846;

// The crossing of circle (c0, r0) and circle (c1, r1) on the clockwise side of c0 -> c1.
inline Pt CrossingClockwiseOf(Pt c0, double r0, Pt c1, double r1) {
    const double d = Len(c1 - c0);
    const double a = (r0 * r0 - r1 * r1 + d * d) / (2 * d);
    const double h = std::sqrt(r0 * r0 - a * a);
    const Pt u = Unit(c1 - c0);
    return c0 + a * u + h * Clockwise90(u);
}

struct GearSolution {
    std::array<Pt, kPivotCount> p{};
};

// Solves the gear of the model's dimensions for the given crank angle and arm position.
// The link is lowered until the lifting link is exactly taut.
inline GearSolution SolveIndependently(const Model& m, double thetaDeg, double revArmPos) {
    const FrameDimensions& f = m.Frame;
    GearSolution s;
    auto& p = s.p;
    const double th = thetaDeg * kPiD / 180;
    const double r = f.Stroke / 2.0, e = f.EccCircleDia / 2.0;
    const double af = f.EccAngFwd * kPiD / 180, ar = f.EccAngRev * kPiD / 180;

    p[1] = At(m, 1);
    // The crank turns clockwise on the drawing as the angle grows.
    p[2] = p[1] + Pt{r * std::cos(th), -r * std::sin(th)};
    p[12] = p[1] + Pt{e * std::cos(af - th), e * std::sin(af - th)};
    p[13] = p[1] + Pt{e * std::cos(-th - ar), e * std::sin(-th - ar)};
    const double y3 = m.P(3).Y;
    p[3] = {p[2].x + std::sqrt(double(f.MainRodLen) * f.MainRodLen - (p[2].y - y3) * (p[2].y - y3)), y3};

    // Reverse arm: its end at the chosen X, above the shaft; its axis turned back from the
    // end by the back set; the lifting arm square to the axis.
    p[17] = At(m, 17);
    const double reach = std::hypot(double(f.RevArmLen), double(f.RevArmBackSet));
    const double dx18 = revArmPos - p[17].x;
    p[18] = {revArmPos, p[17].y + std::sqrt(reach * reach - dx18 * dx18)};
    const Pt v = Unit(p[18] - p[17]);
    const double tilt = std::atan2(double(f.RevArmBackSet), double(f.RevArmLen));
    const Pt axis = {v.x * std::cos(tilt) + v.y * std::sin(tilt), -v.x * std::sin(tilt) + v.y * std::cos(tilt)};
    p[15] = p[17] + double(f.LiftingArmLen) * Clockwise90(axis);

    const auto placeLink = [&](double y10) {
        const double dy = p[12].y - y10;
        p[10] = {p[12].x + std::sqrt(double(f.EccRodFwd) * f.EccRodFwd - dy * dy), y10};
        p[11] = CrossingClockwiseOf(p[13], f.EccRodRev, p[10], 2.0 * f.LinkEccPivotVert);
        const Pt n = Clockwise90(Unit(p[10] - p[11]));  // square to the chord, forwards
        const Pt mid = 0.5 * (p[10] + p[11]);
        p[14] = mid - (double(f.LinkRadius) - f.LinkEccPivotBackSet) * n;
        p[9] = p[14] + (double(f.LinkRadius) - f.LinkCentBackSet) * n;
        return Len(p[15] - p[9]) - f.LiftingLinkLen;
    };
    double hi = p[15].y + f.LinkEccPivotVert - 0.6 * f.LiftingLinkLen;
    double lo = hi;
    for (int i = 0; i < 100000 && placeLink(lo) < 0; ++i) {
        hi = lo;
        lo -= 0.01;
    }
    for (int i = 0; i < 80; ++i) {
        const double mid = (lo + hi) / 2;
        (placeLink(mid) < 0 ? hi : lo) = mid;
    }
    placeLink(lo);

    p[7] = At(m, 7);
    p[8] = CrossingClockwiseOf(p[14], f.LinkRadius, p[7], f.RockerLowerLen);
    p[23] = p[7] + (double(f.RockerUpperLen) / f.RockerLowerLen) * (p[7] - p[8]);
    p[5] = p[23] - double(f.RockerUpperBackSet) * Clockwise90(Unit(p[23] - p[7]));
    const double y4 = y3 + m.Cyl.ValveCLToCylCL;
    p[4] = {p[5].x + std::sqrt(double(f.ValveConRodLen) * f.ValveConRodLen - (p[5].y - y4) * (p[5].y - y4)), y4};

    const double half = f.EccDia / 2.0;
    p[21] = {p[12].x + half, p[12].y - half / f.EccRodFwd * (p[12].y - p[10].y)};
    p[22] = {p[13].x + half, p[13].y - half / f.EccRodRev * (p[13].y - p[11].y)};
    return s;
}

}  // namespace lm::test
