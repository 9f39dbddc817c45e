// Exact valve events: dead centres from the piston's extremes, crossings of the solver's
// openings bracketed on a sampling fine enough for every opening and then refined.

#include "workbench/ExactEvents.h"

#include <algorithm>
#include <cmath>

#include <tbb/parallel_for.h>

#include "diagrams/PortSweep.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/PistonAndPorts.h"
#include "workbench/Crossings.h"

namespace lm {

namespace {

// The four openings, then each steam opening less its port's width (positive while the
// port is fully open).
enum Opening { FrontSteam, FrontExhaust, RearSteam, RearExhaust, FrontFull, RearFull, kOpeningCount };

struct Sample {
    double Phase = 0;
    std::array<double, kOpeningCount> G{};
};

struct TimedEvent {
    ValveEvent Event;
    Opening Of;
    bool Opens;  // the opening rises through 0 (else it falls through it)
};

constexpr std::array<TimedEvent, kTimedEventCount> kTimed = {{
    {ValveEvent::FrontAdmission, FrontSteam, true},
    {ValveEvent::RearAdmission, RearSteam, true},
    {ValveEvent::FrontCutOff, FrontSteam, false},
    {ValveEvent::RearCutOff, RearSteam, false},
    {ValveEvent::FrontRelease, FrontExhaust, true},
    {ValveEvent::RearRelease, RearExhaust, true},
    {ValveEvent::FrontCompression, FrontExhaust, false},
    {ValveEvent::RearCompression, RearExhaust, false},
}};

// Beyond this many full-opening crossings of one port (an absurd gear), the rest are
// taken from the sampling without refinement.
constexpr int kMaxRefinedFullCrossings = 16;
// The full-open degrees are given to 0.01 degree: their ends need no finer.
constexpr double kFullOpenWidth = 1e-3;
constexpr int kMaxPeakSteps = 4;

// The solver's valve jumps by up to about 7e-5 length units between neighbouring angles
// (its link search stops at a step of 1.6e-4), so where an opening passes 0 slowly it
// can cross 0 again while it stays within that of 0. The table takes an event's last
// crossing, so the angles after a crossing where the opening could come back are
// looked at every kJitterScanStep, within kMaxJitterReach.
constexpr double kValveJitter = 8e-5;       // length units
constexpr double kJitterScanStep = 0.002;   // degrees
constexpr double kMaxJitterReach = 0.1;     // degrees

thread_local int lastRowSolves = 0;

double Wrap180(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d <= -180) d += 360;
    if (d > 180) d -= 360;
    return d;
}

std::optional<double> Finite(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

// One row's copy of the gear. Phases run in the sense of rotation: the crank angle is the
// phase turning forwards and minus the phase turning backwards.
class RowSolver {
public:
    RowSolver(const Model& m, char graph, float revArmPos) : m_(m), reverse_(graph == 'R') {
        m_.Gear.RevArmPos = revArmPos;
        m_.Gear.ErrorBeepOn = true;
        m_.Gear.GearError = false;
        frontWidth_ = m.Cyl.ValvePortWidthFront;
        rearWidth_ = m.Cyl.ValvePortWidthRear;
    }

    double CrankAngle(double phase) const {
        double a = std::fmod(reverse_ ? -phase : phase, 360.0);
        if (a < 0) a += 360;
        return a;
    }

    double Piston(double phase) {
        m_.Gear.DriverAngle = static_cast<float>(CrankAngle(phase));
        SolvePistonAndPorts(m_);
        return m_.Valve.PistonPos;
    }

    Sample Solve(double phase) {
        ++solves_;
        m_.Gear.DriverAngle = static_cast<float>(CrankAngle(phase));
        SolveLinkage(m_);
        SolvePistonAndPorts(m_);
        const ValveState& v = m_.Valve;
        return {phase,
                {v.FrontSteamOpening, v.FrontExhaustOpening, v.RearSteamOpening, v.RearExhaustOpening,
                 static_cast<double>(v.FrontSteamOpening) - frontWidth_,
                 static_cast<double>(v.RearSteamOpening) - rearWidth_}};
    }

    // Where opening `of` rises (sign +1) or falls (-1) through 0 within b.
    Bracket RefineBracket(Opening of, double sign, Bracket b, double width = kExactEventWidth) {
        const auto g = [&](double phase) { return sign * Solve(phase).G[of]; };
        return RefineCrossing(g, b, width);
    }
    double Refine(Opening of, double sign, Bracket b, double width = kExactEventWidth) {
        return RefineBracket(of, sign, b, width).Crossing();
    }

    double Width(Opening of) const { return of == FrontSteam ? frontWidth_ : rearWidth_; }
    bool GearError() const { return m_.Gear.GearError; }
    int Solves() const { return solves_; }

private:
    Model m_;
    bool reverse_;
    double frontWidth_ = 0, rearWidth_ = 0;
    int solves_ = 0;
};

// Whether an opening could cross 0 and back between two samples whose values say
// nothing of it: both on one side but within `margin` of 0, or not numbers.
bool MayHideOpening(const Sample& a, const Sample& b, double margin) {
    for (int k = 0; k < kOpeningCount; ++k) {
        const double u = a.G[static_cast<std::size_t>(k)], v = b.G[static_cast<std::size_t>(k)];
        if (!std::isfinite(u) || !std::isfinite(v)) return true;
        if ((u > 0) == (v > 0) && u != 0 && v != 0 && std::min(std::fabs(u), std::fabs(v)) < margin) return true;
    }
    return false;
}

// The revolution from the front dead centre every kExactCoarseStep, and every
// kExactFineStep where an opening could hide between the coarse samples: the chord
// between two samples misses the curve by at most an eighth of the second difference
// over the step, and the margin is twice that.
std::vector<Sample> SampleRevolution(RowSolver& s, double start) {
    constexpr int kCoarse = static_cast<int>(360 / kExactCoarseStep);
    constexpr int kFinePerCoarse = static_cast<int>(kExactCoarseStep / kExactFineStep);
    std::vector<Sample> coarse;
    coarse.reserve(kCoarse + 1);
    for (int k = 0; k < kCoarse; ++k) coarse.push_back(s.Solve(start + k * kExactCoarseStep));
    coarse.push_back(coarse.front());
    coarse.back().Phase = start + 360;
    double bend = 0;
    for (int k = 1; k < kCoarse; ++k) {
        const auto& g = [&](int i) { return coarse[static_cast<std::size_t>(i)].G[FrontSteam]; };
        const double d2 = std::fabs(g(k - 1) - 2 * g(k) + g(k + 1));
        if (std::isfinite(d2)) bend = std::max(bend, d2);
    }
    // Rounding of the stored singles is the floor.
    const double margin = bend / 4 + 1e-6;
    std::vector<Sample> samples;
    samples.reserve(coarse.size() * 2);
    for (int k = 0; k < kCoarse; ++k) {
        const Sample& a = coarse[static_cast<std::size_t>(k)];
        samples.push_back(a);
        if (!MayHideOpening(a, coarse[static_cast<std::size_t>(k + 1)], margin)) continue;
        for (int j = 1; j < kFinePerCoarse; ++j) samples.push_back(s.Solve(a.Phase + j * kExactFineStep));
    }
    samples.push_back(coarse.back());
    return samples;
}

// The greatest value of one opening: its greatest sample, then the top of the parabola
// through it and its neighbours, a few times over.
double GreatestOpening(RowSolver& s, Opening of, const std::vector<Sample>& samples) {
    const std::size_t n = samples.size();
    std::size_t k = n;
    for (std::size_t i = 0; i + 1 < n; ++i)
        if (std::isfinite(samples[i].G[of]) && (k == n || samples[i].G[of] > samples[k].G[of])) k = i;
    if (k == n) return std::nan("");
    // Neighbours across the revolution's start are taken from its other end.
    Sample left = k > 0 ? samples[k - 1] : samples[n - 2];
    if (k == 0) left.Phase -= 360;
    const Sample& right = samples[k + 1];
    double x0 = left.Phase, x1 = samples[k].Phase, x2 = right.Phase;
    double y0 = left.G[of], y1 = samples[k].G[of], y2 = right.G[of];
    double best = y1;
    for (int step = 0; step < kMaxPeakSteps; ++step) {
        const double p = (x1 - x0) * (y1 - y2), q = (x1 - x2) * (y1 - y0);
        const double v = x1 - 0.5 * ((x1 - x0) * p - (x1 - x2) * q) / (p - q);
        if (!std::isfinite(v) || !(v > x0 && v < x2) || std::fabs(v - x1) < 1e-3) break;
        const double yv = s.Solve(v).G[of];
        if (!std::isfinite(yv)) break;
        best = std::max(best, yv);
        if (yv > y1) {
            if (v < x1) { x2 = x1; y2 = y1; } else { x0 = x1; y0 = y1; }
            x1 = v;
            y1 = yv;
        } else if (v < x1) {
            x0 = v;
            y0 = yv;
        } else {
            x2 = v;
            y2 = yv;
        }
    }
    return best;
}

// The last crossing of opening `of` (rising through 0 with sign +1, falling with -1) that
// the solver's jitter lets follow the one refined to `found`: the opening sampled after
// it for as many degrees as the sampled bracket's slope takes to pass kValveJitter, and
// the last sign change there refined.
double LastCrossingNear(RowSolver& s, Opening of, double sign, const Bracket& found, const Bracket& sampled,
                        double end) {
    const double slope = std::fabs((sampled.GB - sampled.GA) / (sampled.B - sampled.A));
    const double from = found.B;
    if (!std::isfinite(slope) || !std::isfinite(from)) return found.Crossing();
    const double reach = std::min({kMaxJitterReach, kValveJitter / std::max(slope, 1e-12), end - from});
    const int steps = static_cast<int>(std::ceil(reach / kJitterScanStep));
    double before = found.GB;
    std::optional<Bracket> lastChange;
    for (int k = 1; k <= steps; ++k) {
        const double x = from + k * kJitterScanStep;
        const double g = sign * s.Solve(x).G[of];
        if (before < 0 && g >= 0) lastChange = Bracket{x - kJitterScanStep, before, x, g};
        before = g;
    }
    return lastChange ? s.Refine(of, sign, *lastChange) : found.Crossing();
}

// Crank degrees the port is fully open: the runs where its full-opening value is above
// 0, each end refined.
double FullOpenDegrees(RowSolver& s, Opening full, const std::vector<Sample>& samples) {
    const double start = samples.front().Phase;
    bool open = samples.front().G[full] > 0;
    double from = start, total = 0;
    int refined = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const double a = samples[i - 1].G[full], b = samples[i].G[full];
        const bool rises = !(a > 0) && b > 0, falls = a > 0 && !(b > 0);
        if (!rises && !falls) continue;
        const double sign = rises ? 1 : -1;
        Bracket br{samples[i - 1].Phase, sign * a, samples[i].Phase, sign * b};
        if (!std::isfinite(br.GA)) br.GA = -1;
        if (!std::isfinite(br.GB)) br.GB = 0;
        const double at =
            refined++ < kMaxRefinedFullCrossings ? s.Refine(full, sign, br, kFullOpenWidth) : br.Crossing();
        if (open) total += at - from;
        from = at;
        open = rises;
    }
    if (open) total += start + 360 - from;
    return total;
}

}  // namespace

ValveEventRow ExactEventsOfRow(const Model& m, char graph, float revArmPos, int row) {
    RowSolver s(m, graph, revArmPos);
    ValveEventRow r;
    r.Row = row;
    r.RevArmPos = revArmPos;

    // The dead centres: the piston's least and greatest travel.
    double front = LeastPoint([&](double phase) { return s.Piston(phase); }, -180, 360, 1, kExactEventWidth);
    double rear = LeastPoint([&](double phase) { return -s.Piston(phase); }, 0, 360, 1, kExactEventWidth);
    const bool deadCentresFound = std::isfinite(front) && std::isfinite(rear);
    if (!std::isfinite(front)) front = 0;
    if (!std::isfinite(rear)) rear = 180;
    r.FrontDeadCentre = Wrap180(s.CrankAngle(front));
    r.RearDeadCentre = Wrap180(s.CrankAngle(rear));
    if (r.RearDeadCentre == -180) r.RearDeadCentre = 180;

    const std::vector<Sample> samples = SampleRevolution(s, front);
    const auto set = [&r](ValveEvent e, std::optional<double> v) { r.Values[static_cast<std::size_t>(e)] = v; };
    set(ValveEvent::FrontLead, Finite(samples.front().G[FrontSteam]));
    set(ValveEvent::RearLead, Finite(s.Solve(rear).G[RearSteam]));

    for (std::size_t k = 0; k < kTimed.size(); ++k) {
        const TimedEvent& t = kTimed[k];
        const double sign = t.Opens ? 1 : -1;
        // The last crossing of the revolution, as the diagram's table takes it.
        std::size_t last = 0;
        for (std::size_t i = 1; i < samples.size(); ++i) {
            const double a = sign * samples[i - 1].G[t.Of], b = sign * samples[i].G[t.Of];
            if (a < 0 && b >= 0) last = i;
        }
        if (last == 0) continue;
        const Bracket sampled{samples[last - 1].Phase, sign * samples[last - 1].G[t.Of], samples[last].Phase,
                              sign * samples[last].G[t.Of]};
        const double at = LastCrossingNear(s, t.Of, sign, s.RefineBracket(t.Of, sign, sampled), sampled,
                                           samples.back().Phase);
        const bool frontEnd = static_cast<int>(t.Event) % 2 == 0;
        const double travel = s.Piston(at);
        set(t.Event, Finite(frontEnd ? travel / 6.4 : (640.0 - travel) / 6.4));
        r.Crank[k] = Finite(Wrap180(at - (frontEnd ? front : rear)));
    }

    for (int end = 0; end < 2; ++end) {
        const Opening steam = end == 0 ? FrontSteam : RearSteam;
        const double greatest = GreatestOpening(s, steam, samples);
        if (!(greatest > 0)) continue;
        const double width = s.Width(steam);
        set(end == 0 ? ValveEvent::FrontMaxOpening : ValveEvent::RearMaxOpening,
            Finite(std::min(greatest, std::max(width, 0.0))));
        r.OverTravel[static_cast<std::size_t>(end)] = Finite(std::max(0.0, greatest - width));
        r.FullOpenDeg[static_cast<std::size_t>(end)] =
            Finite(FullOpenDegrees(s, end == 0 ? FrontFull : RearFull, samples));
    }
    r.GearError = s.GearError() || !deadCentresFound;
    lastRowSolves = s.Solves();
    return r;
}

std::vector<ValveEventRow> ExactEventRows(const Model& m, char graph) {
    const std::vector<float> positions = PortRowPositions(m, graph == 'R' ? 'R' : 'F');
    std::vector<ValveEventRow> rows(positions.size());
    tbb::parallel_for(std::size_t{0}, positions.size(), [&](std::size_t i) {
        rows[i] = ExactEventsOfRow(m, graph == 'R' ? 'R' : 'F', positions[i], static_cast<int>(i));
    });
    return rows;
}

int LastRowSolveCount() { return lastRowSolves; }

}  // namespace lm
