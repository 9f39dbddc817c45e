// The link-height search. A gear whose lifting link can never be taut (a length typed
// far too long) would cost 1000 full rounds in every solve; a round that is certainly
// slack is passed over once its guards have run, which ends the search exactly as
// working every round in full would.

#include "kinematics/LinkSearch.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "kinematics/Guards.h"
#include "kinematics/SolverArithmetic.h"

namespace lm {

namespace {

// How far pivot 9 can lie from the midpoint of pivots 10 and 13, and how large the
// link's own lengths are, for the slack test.
struct LinkReach {
    Real Reach = 0;
    Real RevRod = 0;
    Real Lengths = 0;
};

// How far below the lifting link's length the rest of this round would certainly leave
// its span, having raised no error the round has not raised already; 0 where nothing is
// certain. Pivot 11 lies on the reverse rod's circle about 13, and pivot 9 at
// (10 + 11) / 2 + (m - k) (cos, -sin) LinkAngle, so within Reach of the midpoint of 10
// and 13 whatever the angles come to. Every value the rest of the round stores is no
// larger than `size`, so its roundings are a few parts in 1e7 of it; the allowance
// covers them many times over. Nothing is claimed where a value is not finite or could
// overflow a single, nor where pivot 11 could come level with pin 10 (the link-angle
// divisor's guard).
Real SlackHeadroom(const Pivot& p10, const Pivot& p13, const Pivot& p15, float cosine,
                   const LinkReach& link, float liftingLinkLen) {
    if (std::isnan(cosine)) return 0;
    const Real size = std::fabs(static_cast<Real>(p10.X)) + std::fabs(static_cast<Real>(p10.Y)) +
                      std::fabs(static_cast<Real>(p13.X)) + std::fabs(static_cast<Real>(p13.Y)) +
                      std::fabs(static_cast<Real>(p15.X)) + std::fabs(static_cast<Real>(p15.Y)) +
                      link.Lengths;
    if (!(size < 1e37L)) return 0;
    const Real allowance = 1e-5L * size;
    const Real clearance = std::fabs(static_cast<Real>(p10.Y) - p13.Y) - link.RevRod;
    if (!(clearance > 2e-5L + allowance)) return 0;
    const Real midX = (static_cast<Real>(p10.X) + p13.X) / 2;
    const Real midY = (static_cast<Real>(p10.Y) + p13.Y) / 2;
    const Real span = std::sqrt(Sq(p15.X - midX) + Sq(p15.Y - midY)) + link.Reach;
    const Real headroom = liftingLinkLen - (span + allowance);
    return headroom > 0 ? headroom : 0;
}

// How many rounds after a certainly slack one are certainly slack too, with nothing for
// their guards to change (the error already raised, or not announced). Pin 10 at least
// twice the forward rod's length below pivot 12 and below the reverse rod's circle only
// moves further off both as it drops, its x moving at most 2/sqrt(3) of its y; so the
// span's bound (with its allowance) grows by less than 0.8 of each drop. A drop is the
// step, or where the step is below the pin height's resolution, at most that resolution.
int SlackRoundsAhead(const Pivot& p10, const Pivot& p12, const Pivot& p13, Real headroom,
                     float step, float fwdRod, const LinkReach& link, int roundsLeft) {
    const Real y = p10.Y;
    if (!(y < p12.Y - 2 * std::fabs(static_cast<Real>(fwdRod))) || !(y < p13.Y - link.RevRod)) return 0;
    const Real drop = step + 2.4e-7L * (std::fabs(y) + roundsLeft * static_cast<Real>(step));
    const Real rounds = headroom / (1.25L * drop);
    return rounds >= roundsLeft ? roundsLeft : static_cast<int>(rounds);
}

}  // namespace

bool SearchLinkHeight(Model& m, SlackRounds slack) {
    const FrameDimensions& f = m.Frame;
    GearState& g = m.Gear;
    Pivot& p9 = m.P(LinkCentrePivot);
    Pivot& p10 = m.P(FwdRodPin);
    Pivot& p11 = m.P(RevRodPin);
    const Pivot& p12 = m.P(FwdEccentric);
    const Pivot& p13 = m.P(RevEccentric);
    Pivot& p14 = m.P(LinkArcCentre);
    const Pivot& p15 = m.P(LiftingArmEnd);

    g.SolverStep = 0.5f;
    p10.Y = Store(static_cast<Real>(p15.Y) + f.LinkEccPivotVert - 0.6L * f.LiftingLinkLen);
    // What the rounds share, worked out once.
    const Real fwdRod2 = Sq(f.EccRodFwd);
    const Real revRod2 = Sq(f.EccRodRev);
    const Real pinSpan2 = Sq(2 * static_cast<Real>(f.LinkEccPivotVert));
    const Real arcToPins = static_cast<Real>(f.LinkRadius) - f.LinkEccPivotBackSet;
    const Real arcToCentrePivot = static_cast<Real>(f.LinkRadius) - f.LinkCentBackSet;
    const float revRodDivisor = GuardDivisor(m, f.EccRodRev);
    const Real revRod = std::fabs(static_cast<Real>(f.EccRodRev));
    const LinkReach link{revRod / 2 + std::fabs(arcToCentrePivot - arcToPins), revRod,
                         revRod + std::fabs(arcToPins) + std::fabs(arcToCentrePivot)};
    int rounds = 0;
    for (;;) {
        float c = Store(fwdRod2 - Sq(static_cast<Real>(p12.Y) - p10.Y));
        c = GuardRoot(m, c);
        p10.X = Store(p12.X + std::sqrt(static_cast<Real>(c)));

        c = Store(Distance(p13, p10));
        const float span = c;
        c = Store((Sq(span) + revRod2 - pinSpan2) / 2 / span);
        c = Store(c / static_cast<Real>(revRodDivisor));

        float d = GuardDivisor(m, Store(static_cast<Real>(p10.X) - p13.X));
        c = ClampCosine(m, c);
        // The round that gives up is always worked in full: its pivots are kept.
        const Real headroom = slack == SlackRounds::PassOver && rounds < kMaxLinkSearchRounds
                                  ? SlackHeadroom(p10, p13, p15, c, link, f.LiftingLinkLen)
                                  : 0;
        if (headroom > 0) {
            const bool guardsDone = g.GearError || !g.ErrorBeepOn;
            const int ahead = guardsDone ? SlackRoundsAhead(p10, p12, p13, headroom, g.SolverStep, f.EccRodFwd,
                                                            link, kMaxLinkSearchRounds - rounds - 1)
                                         : 0;
            for (int k = 0; k <= ahead; ++k) p10.Y = Store(static_cast<Real>(p10.Y) - g.SolverStep);
            rounds += 1 + ahead;
            continue;
        }
        const Real beta = AcosByAtan(c) - std::atan((static_cast<Real>(p10.Y) - p13.Y) / d);

        p11.X = Store(p13.X + f.EccRodRev * std::cos(beta));
        p11.Y = Store(p13.Y - f.EccRodRev * std::sin(beta));

        d = GuardDivisor(m, Store(static_cast<Real>(p10.Y) - p11.Y));
        g.LinkAngle = Store(std::atan((static_cast<Real>(p10.X) - p11.X) / d));

        const Real cosLink = std::cos(static_cast<Real>(g.LinkAngle));
        const Real sinLink = std::sin(static_cast<Real>(g.LinkAngle));
        p14.X = Store((static_cast<Real>(p10.X) + p11.X) / 2 - arcToPins * cosLink);
        p14.Y = Store((static_cast<Real>(p10.Y) + p11.Y) / 2 + arcToPins * sinLink);
        p9.X = Store(p14.X + arcToCentrePivot * cosLink);
        p9.Y = Store(p14.Y - arcToCentrePivot * sinLink);

        g.LiftLinkSpan = Store(Distance(p15, p9));
        const float height = p10.Y;
        if (g.LiftLinkSpan < f.LiftingLinkLen)
            p10.Y = Store(static_cast<Real>(p10.Y) - g.SolverStep);

        // A round that leaves the pin's height and the step as they were (a span that is
        // not a number, a drop below the height's resolution) is repeated exactly by
        // every round after it, so the search would give up with this round's pivots.
        const bool unchanged = !(g.LiftLinkSpan >= f.LiftingLinkLen) &&
                               std::bit_cast<std::uint32_t>(height) == std::bit_cast<std::uint32_t>(p10.Y);
        if (++rounds > kMaxLinkSearchRounds || (unchanged && slack == SlackRounds::PassOver)) {
            RaiseGearError(m);
            g.SolverStep = Store(static_cast<Real>(g.SolverTolerance) - 1);
            return false;
        }
        if (g.LiftLinkSpan >= f.LiftingLinkLen) {
            p10.Y = Store(p10.Y + 0.8L * g.SolverStep);
            g.SolverStep = Store(0.2L * g.SolverStep);
            if (!(g.SolverStep > g.SolverTolerance)) return true;
        }
    }
}

}  // namespace lm
