// Sensitivity slopes against differences worked out here, the knife-edge rule, and the
// same answer on one core as on many.
#include <cmath>

#include <gtest/gtest.h>
#include <tbb/global_control.h>

#include "../diagrams/GearSweep.h"
#include "../model/ModelTestSupport.h"
#include "kinematics/MidGear.h"
#include "kinematics/StartUp.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "WorkbenchTestSupport.h"
#include "workbench/Sensitivity.h"

namespace lm {
namespace {

using test::Nominal;

const SensitivityEntry& EntryFor(const SensitivityResult& r, const char* name) {
    for (const SensitivityEntry& e : r.Entries)
        if (e.Dimension->CodeName == name) return e;
    throw std::runtime_error(name);
}

// Front cut-off at normal forward gear once the dimension holds the value, found here:
// the gear set as a user would, swept at 0.05-degree steps, and the last closing of the
// front steam port interpolated by the test's own code.
double FrontCutOffWith(const Model& m, const char* name, float value) {
    Model c = m;
    ApplyEditedDimension(c, *FindDimension(name), value);
    FindMidGear(c);
    const float arm = static_cast<float>(c.Gear.RevArmCenter + static_cast<double>(c.Frame.RevArmCentNorm));
    const auto sweep = testing::SweepGear(c, arm, 0.05f, 0.05f, 7201);
    const auto closes = testing::ZeroCrossings(sweep, &testing::SweepPoint::frontSteam, false);
    EXPECT_FALSE(closes.empty());
    return closes.empty() ? NAN : closes.back() / 6.4;
}

TEST(Sensitivity, SlopesMatchDifferencesWorkedOutSeparately) {
    const Model m = Nominal();
    const Model before = m;
    const SensitivityResult r = ComputeSensitivity(m, GearPosition::Forward, ValveEvent::FrontCutOff);
    ASSERT_TRUE(r.ok()) << r.Error;
    EXPECT_EQ(test::Differences(m, before), std::vector<std::string>{});
        // The solver's valve jumps by up to 7e-5 between neighbouring angles (its link search
    // stops short of that), which a straight line over one 0.05-degree step cannot follow.
    EXPECT_NEAR(r.Value, FrontCutOffWith(m, "DriverDia", 7), 0.01);

    for (const char* name : {"EccAngFwd", "RockerPivotHorz"}) {
        const float v = GetDimension(m, *FindDimension(name));
        const float h = std::fabs(v) * 0.002f;
        const double expected = (FrontCutOffWith(m, name, v + h) - FrontCutOffWith(m, name, v - h)) / (2.0 * h);
        const SensitivityEntry& e = EntryFor(r, name);
        ASSERT_TRUE(e.Slope) << name;
        EXPECT_FALSE(e.KnifeEdge);
        EXPECT_NEAR(*e.Slope, expected, 0.02 * std::fabs(expected)) << name;
    }
    // The cylinder bore moves no valve event at all.
    EXPECT_EQ(*EntryFor(r, "CylBoreDia").Slope, 0);

    ASSERT_EQ(r.Entries.size(), 44u);
    // Lengths by size, then angles by size: a slope per degree does not compare with one
    // per length unit.
    for (std::size_t k = 1; k < r.Entries.size(); ++k) {
        const SensitivityEntry &a = r.Entries[k - 1], &b = r.Entries[k];
        EXPECT_LE(a.Angle, b.Angle) << b.Dimension->CodeName;
        if (a.Angle == b.Angle) {
            EXPECT_GE(std::fabs(a.Slope.value_or(0)), std::fabs(b.Slope.value_or(0)));
        }
        EXPECT_EQ(b.Step, b.Angle ? kDefaultStepAngle : kDefaultStepLength);
    }
    EXPECT_EQ(SlopeUnit(ValveEvent::FrontCutOff, true), "% of stroke per degree");
    EXPECT_EQ(SlopeUnit(ValveEvent::RearLead, false), "length units per length unit");
}

TEST(Sensitivity, TolerancesRankLengthsAndAnglesTogetherAndBadStepsAreRefused) {
    const Model m = Nominal();
    SensitivityOptions o;
    o.ToleranceLength = 0.01;
    o.ToleranceAngle = 2.0;
    const SensitivityResult r = ComputeSensitivity(m, GearPosition::Forward, ValveEvent::FrontCutOff, o);
    ASSERT_TRUE(r.ok()) << r.Error;
    for (const SensitivityEntry& e : r.Entries) {
        if (!e.Slope) continue;
        ASSERT_TRUE(e.Effect);
        EXPECT_DOUBLE_EQ(*e.Effect, std::fabs(*e.Slope) * (e.Angle ? 2.0 : 0.01));
    }
    for (std::size_t k = 1; k < r.Entries.size(); ++k)
        EXPECT_GE(r.Entries[k - 1].Effect.value_or(-1), r.Entries[k].Effect.value_or(-1));
    // Two degrees of the forward eccentric (about 0.64 % of stroke a degree) outweigh a
    // hundredth of the ring's distance (about 1.1 % a hundredth), and come before it.
    const auto place = [&](const char* name) {
        for (std::size_t k = 0; k < r.Entries.size(); ++k)
            if (r.Entries[k].Dimension->CodeName == name) return k;
        return r.Entries.size();
    };
    EXPECT_LT(place("EccAngFwd"), place("ValveCtrToRing"));

    // A step twice as large gives the same slope: the defaults sit where the slope is
    // neither the solver's jitter nor the curve's bend.
    SensitivityOptions doubled;
    doubled.StepLength = 2 * kDefaultStepLength;
    doubled.StepAngle = 2 * kDefaultStepAngle;
    const SensitivityResult wide = ComputeSensitivity(m, GearPosition::Forward, ValveEvent::FrontCutOff, doubled);
    for (const char* name : {"EccRodFwd", "RockerPivotHorz", "EccAngFwd", "LinkEccPivotVert"})
        EXPECT_NEAR(*EntryFor(wide, name).Slope, *EntryFor(r, name).Slope, 0.02 * std::fabs(*EntryFor(r, name).Slope))
            << name;

    for (const double bad : {0.0, -0.001, std::nan(""), HUGE_VAL}) {
        SensitivityOptions step;
        step.StepLength = bad;
        EXPECT_FALSE(ComputeSensitivity(m, GearPosition::Mid, ValveEvent::FrontLead, step).ok()) << bad;
        SensitivityOptions tolerance;
        tolerance.ToleranceLength = 0.01;
        tolerance.ToleranceAngle = bad;
        EXPECT_FALSE(ComputeSensitivity(m, GearPosition::Mid, ValveEvent::FrontLead, tolerance).ok()) << bad;
    }
    SensitivityOptions half;
    half.ToleranceLength = 0.01;
    EXPECT_FALSE(ComputeSensitivity(m, GearPosition::Mid, ValveEvent::FrontLead, half).ok());
}

TEST(Sensitivity, LeadFollowsTheValvesOwnDimensionsOneForOne) {
    // Lead is the steam opening at dead centre: the valve's stem offset and ring distance
    // add to it, the port distance takes from it, whatever the rest of the gear does.
    const SensitivityResult front = ComputeSensitivity(Nominal(), GearPosition::Reverse, ValveEvent::FrontLead);
    const SensitivityResult rear = ComputeSensitivity(Nominal(), GearPosition::Reverse, ValveEvent::RearLead);
    ASSERT_TRUE(front.ok() && rear.ok());
    EXPECT_NEAR(*EntryFor(front, "ValveCtrToJoint").Slope, 1, 1e-3);
    EXPECT_NEAR(*EntryFor(front, "ValveCtrToRing").Slope, 1, 1e-3);
    EXPECT_NEAR(*EntryFor(front, "ValveBoreCtrToPort").Slope, -1, 1e-3);
    EXPECT_NEAR(*EntryFor(rear, "ValveCtrToJoint").Slope, -1, 1e-3);
    EXPECT_NEAR(*EntryFor(rear, "CylCtrToDriver").Slope, 1, 1e-3);
}

TEST(Sensitivity, AnEventThatComesAndGoesWithinTheStepIsAKnifeEdge) {
    // Lap widened until the front port at mid gear only just opens: a step of the port's
    // distance makes the cut-off vanish, which is no slope at all.
    Model m = Nominal();
    ApplyEditedDimension(m, *FindDimension("ValveBoreCtrToPort"), 1.15499997f + 0.02659f);
    FindMidGear(m);
    const SensitivityResult r = ComputeSensitivity(m, GearPosition::Mid, ValveEvent::FrontCutOff);
    ASSERT_TRUE(r.ok()) << r.Error;
    const SensitivityEntry& port = EntryFor(r, "ValveBoreCtrToPort");
    EXPECT_TRUE(port.KnifeEdge);
    EXPECT_FALSE(port.Slope);
    EXPECT_EQ(r.Entries.back().Slope, std::nullopt);  // knife edges rank last
    EXPECT_FALSE(EntryFor(r, "DriverDia").KnifeEdge);

    // The rule itself: a jump, a missing side and a smooth turn.
    EXPECT_TRUE(IsKnifeEdge(10.0, 10.0, 13.0, 0.001, 0.001, kKnifeEdgeJump));
    EXPECT_TRUE(IsKnifeEdge(std::nullopt, 10.0, 10.1, 0.001, 0.001, kKnifeEdgeJump));
    EXPECT_FALSE(IsKnifeEdge(10.0 - 0.0001, 10.0, 10.0 - 0.0001, 0.001, 0.001, kKnifeEdgeJump));
    EXPECT_FALSE(IsKnifeEdge(9.9, 10.0, 10.1, 0.001, 0.001, kKnifeEdgeJump));

    m.Cyl.ValveCtrToRing = 0.5f;  // no steam port opens at all now
    EXPECT_NE(ComputeSensitivity(m, GearPosition::Mid, ValveEvent::FrontCutOff).Error.find("does not occur"),
              std::string::npos);
}

TEST(Sensitivity, OneCoreAndEveryCoreAgree) {
    const Model m = Nominal();
    SensitivityResult one;
    ValveEventsTable oneTable;
    {
        tbb::global_control single(tbb::global_control::max_allowed_parallelism, 1);
        one = ComputeSensitivity(m, GearPosition::FullForward, ValveEvent::RearRelease);
        oneTable = ComputeValveEvents(m);
    }
    const SensitivityResult many = ComputeSensitivity(m, GearPosition::FullForward, ValveEvent::RearRelease);
    ASSERT_EQ(one.Entries.size(), many.Entries.size());
    for (std::size_t k = 0; k < one.Entries.size(); ++k) {
        EXPECT_EQ(one.Entries[k].Dimension, many.Entries[k].Dimension);
        EXPECT_EQ(one.Entries[k].Slope, many.Entries[k].Slope);
    }
    const ValveEventsTable manyTable = ComputeValveEvents(m);
    for (std::size_t i = 0; i < manyTable.Reverse.size(); ++i)
        EXPECT_EQ(oneTable.Reverse[i].Values, manyTable.Reverse[i].Values);
}

}  // namespace
}  // namespace lm
