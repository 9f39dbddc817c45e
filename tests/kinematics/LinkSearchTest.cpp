// Passing over certainly slack rounds must end the link search exactly as working every
// round would: same pivots, same state, same error, same outcome.
#include <array>
#include <cmath>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "kinematics/LinkSearch.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

struct Outcome {
    bool Settled = false;
    std::array<Pivot, kPivotCount> Pivots{};
    GearState Gear;
};

Outcome Search(const Model& before, SlackRounds slack) {
    Model m = before;
    Outcome o;
    o.Settled = SearchLinkHeight(m, slack);
    o.Pivots = m.Pivots;
    o.Gear = m.Gear;
    return o;
}

bool SameBits(const Outcome& a, const Outcome& b) {
    return a.Settled == b.Settled && std::memcmp(&a.Pivots, &b.Pivots, sizeof a.Pivots) == 0 &&
           std::memcmp(&a.Gear, &b.Gear, sizeof a.Gear) == 0;
}

// Lifting links from ordinary to far too long (where the search drops through hundreds
// of rounds, settles late or gives up), with the link's other lengths now and then
// absurd, and error announcing on so that every guard's raise counts.
TEST(LinkSearch, PassingOverSlackRoundsEndsEveryRoundBitForBitAsWorkingThemAll) {
    std::mt19937 gen(20);
    const auto unit = [&gen] { return gen() / 4294967296.0; };
    const auto logUniform = [&](double lo, double hi) {
        return static_cast<float>(lo * std::pow(hi / lo, unit()));
    };
    int gaveUp = 0, settledLate = 0;
    for (int gear = 0; gear < 240; ++gear) {
        Model m;
        StartUp(m);
        m.Gear.ErrorBeepOn = true;
        m.Frame.LiftingLinkLen = logUniform(0.5, gear % 4 == 0 ? 1e9 : 2000);
        if (gear % 3 == 0) m.Frame.EccRodRev = logUniform(0.5, 2000);
        if (gear % 5 == 0) m.Frame.LinkEccPivotBackSet = logUniform(1e-3, 1e7);
        if (gear % 7 == 0) m.Frame.LinkRadius = -logUniform(1, 1e30);
        if (gear % 2 == 0) m.Frame.LinkEccPivotVert = logUniform(1e-6, 1e4);
        const float angle = static_cast<float>(360 * unit());
        m.Gear.DriverAngle = angle;
        m.Gear.RevArmPos = m.Gear.RevArmCenter + static_cast<float>(unit() - 0.5);
        SolveLinkage(m);  // places what the search starts from
        m.Gear.GearError = false;
        const Outcome quick = Search(m, SlackRounds::PassOver);
        const Outcome plain = Search(m, SlackRounds::Evaluate);
        ASSERT_TRUE(SameBits(quick, plain)) << "gear " << gear << ": LiftingLinkLen "
                                            << m.Frame.LiftingLinkLen << " at " << angle;
        if (!plain.Settled) ++gaveUp;
        else if (plain.Pivots[FwdRodPin].Y < m.P(LiftingArmEnd).Y - 0.6 * m.Frame.LiftingLinkLen - 100)
            ++settledLate;
    }
    // Both ends of the passing over were tried.
    EXPECT_GT(gaveUp, 20);
    EXPECT_GT(settledLate, 20);
}

}  // namespace
}  // namespace lm
