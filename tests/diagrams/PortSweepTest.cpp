// The port sweep shared out over the cores against the same rows swept one after the
// other on one model, and on one thread against many: every number and the model left
// behind must be identical bit for bit.
#include <bit>
#include <cstdint>

#include <gtest/gtest.h>
#include <tbb/global_control.h>

#include "../model/ModelTestSupport.h"
#include "diagrams/PortSweep.h"
#include "kinematics/MidGear.h"
#include "kinematics/StartUp.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"

namespace lm {
namespace {

bool Same(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

void ExpectSameRows(const std::vector<PortRowSweep>& a, const std::vector<PortRowSweep>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(a[i].Row, b[i].Row);
        EXPECT_TRUE(Same(a[i].RevArmPos, b[i].RevArmPos));
        EXPECT_TRUE(Same(a[i].FrontSteamAtDeadCentre, b[i].FrontSteamAtDeadCentre));
        EXPECT_TRUE(Same(a[i].RearSteamAtDeadCentre, b[i].RearSteamAtDeadCentre));
        EXPECT_TRUE(Same(a[i].FrontSteamMax, b[i].FrontSteamMax));
        EXPECT_TRUE(Same(a[i].RearSteamMax, b[i].RearSteamMax));
        ASSERT_EQ(a[i].Crossings.size(), b[i].Crossings.size());
        for (std::size_t k = 0; k < a[i].Crossings.size(); ++k) {
            EXPECT_EQ(a[i].Crossings[k].Step, b[i].Crossings[k].Step);
            EXPECT_EQ(a[i].Crossings[k].Event, b[i].Crossings[k].Event);
            EXPECT_TRUE(Same(a[i].Crossings[k].Travel, b[i].Crossings[k].Travel));
        }
    }
}

// Rows on every core against the rows in order, and the models they leave.
void ExpectParallelMatchesInOrder(const Model& start, char graph) {
    Model inOrder = start;
    Model shared = start;
    const auto expected = SweepPortRowsInOrder(inOrder, graph);
    const auto got = SweepPortRows(shared, graph);
    ExpectSameRows(expected, got);
    EXPECT_EQ(test::Differences(inOrder, shared), std::vector<std::string>{});
}

Model Nominal() {
    Model m;
    StartUp(m);
    return m;
}

TEST(PortSweep, RowsOnEveryCoreAreTheRowsInOrder) {
    Model m = Nominal();
    ExpectParallelMatchesInOrder(m, 'F');
    ExpectParallelMatchesInOrder(m, 'R');

    // A gear the guards must correct, with errors announced: the error raised in any row
    // reaches the model.
    m.Gear.ErrorBeepOn = true;
    ApplyEditedDimension(m, *FindDimension("LiftingArmLen"), -3);
    FindMidGear(m);
    m.Gear.GearError = false;
    ExpectParallelMatchesInOrder(m, 'F');
}

TEST(PortSweep, RowsWhoseSearchGivesUpAreSweptInOrder) {
    // So fine a tolerance that the link search gives up at the start of some rows and not
    // others: those rows inherit the pivots of the row before.
    Model m = Nominal();
    m.Gear.SolverTolerance = 8e-9f;
    Model inOrder = m;
    Model shared = m;
    const auto expected = SweepPortRowsInOrder(inOrder, 'F');
    int givenUp = 0;
    for (const PortRowSweep& r : expected) givenUp += !r.FirstSolveComplete;
    ASSERT_GT(givenUp, 0);
    ASSERT_LT(givenUp, kPortRowCount);
    ExpectSameRows(expected, SweepPortRows(shared, 'F'));
    EXPECT_EQ(test::Differences(inOrder, shared), std::vector<std::string>{});
}

TEST(PortSweep, OneThreadAndManyThreadsAgree) {
    Model m = Nominal();
    ApplyEditedDimension(m, *FindDimension("EccAngFwd"), 236);
    FindMidGear(m);
    std::vector<PortRowSweep> one;
    Model afterOne = m;
    {
        tbb::global_control single(tbb::global_control::max_allowed_parallelism, 1);
        one = SweepPortRows(afterOne, 'R');
    }
    Model afterMany = m;
    const auto many = SweepPortRows(afterMany, 'R');
    ExpectSameRows(one, many);
    EXPECT_EQ(test::Differences(afterOne, afterMany), std::vector<std::string>{});
}

}  // namespace
}  // namespace lm
