// Goals over a range of the table's rows, constraints, weights, and the words for them,
// each checked against the table worked out again from the fitted gear.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "kinematics/MidGear.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "workbench/Fit.h"
#include "workbench/FitReport.h"
#include "workbench/GearSpan.h"
#include "WorkbenchTestSupport.h"

namespace lm {
namespace {

using test::Nominal;
using test::Problem;

// The largest front-minus-rear cut-off over the forward rows whose arm lies from normal
// forward to full forward gear, read off the whole table.
double WorstForwardCutOffDifference(const Model& m) {
    Model at = m;
    MoveToGearPosition(at, GearPosition::Forward);
    const float from = at.Gear.RevArmPos;
    MoveToGearPosition(at, GearPosition::FullForward);
    const float to = at.Gear.RevArmPos;
    double worst = 0;
    int rows = 0;
    for (const ValveEventRow& row : ComputeValveEvents(m).Forward) {
        if (row.RevArmPos < std::min(from, to) - 1e-4f || row.RevArmPos > std::max(from, to) + 1e-4f) continue;
        worst = std::max(worst, std::fabs(*row.Difference(3)));
        ++rows;
    }
    EXPECT_EQ(rows, 4);  // rows 15 to 18 of the nominal gear
    return worst;
}

TEST(GearSpan, RangesReadTheTablesRowsAlongTheReverser) {
    const Model m = Nominal();
    GearSpan s;
    ASSERT_EQ(ParseGearSpan("fwd..full-fwd", s), "");
    std::vector<int> rows;
    for (const SpanRow& r : SpanRows(m, s)) {
        EXPECT_EQ(r.Graph, 'F');
        rows.push_back(r.Row);
    }
    EXPECT_EQ(rows, (std::vector<int>{15, 16, 17, 18}));

    // Through mid gear: the reverse graph's rows up to mid, then the forward graph's.
    ASSERT_EQ(ParseGearSpan("rev..fwd", s), "");
    int forward = 0, reverse = 0;
    for (const SpanRow& r : SpanRows(m, s)) (r.Graph == 'F' ? forward : reverse)++;
    EXPECT_EQ(forward, 15);  // rows 0 to 14: normal forward gear lies between 14 and 15
    EXPECT_EQ(reverse, 15);

    ASSERT_EQ(ParseGearSpan("full-rev..full-fwd", s), "");
    EXPECT_EQ(SpanRows(m, s).size(), 38u);
    ASSERT_EQ(ParseGearSpan("fwd", s), "");
    ASSERT_EQ(SpanRows(m, s).size(), 1u);
    EXPECT_EQ(SpanRows(m, s)[0].Row, -1);  // the setting itself, not a row
    ASSERT_EQ(ParseGearSpan("fwd..fwd", s), "");
    EXPECT_TRUE(SpanRows(m, s).empty());

    for (const char* bad : {"full-fwd..fwd", "fwd..rev", "mid..", "..mid", "fwd..top", "sideways"})
        EXPECT_NE(ParseGearSpan(bad, s), "") << bad;
    EXPECT_NE(ParseGearSpan("fwd..mid", s).find("write mid..fwd"), std::string::npos);
}

TEST(FitWords, GoalsTakeRangesAndWeightsAndConstraintsTakeLimits) {
    FitGoal g;
    ASSERT_EQ(ParseFitGoal("equal-lead@mid*2", g), "");
    EXPECT_EQ(g.Weight, 2);
    EXPECT_EQ(FitGoalText(g), "equal-lead@mid*2");
    ASSERT_EQ(ParseFitGoal("cutoff=40@rev..full-fwd*0.5", g), "");
    EXPECT_TRUE(g.Where.Range);
    EXPECT_EQ(FitGoalText(g), "cutoff=40.000@rev..full-fwd*0.5");
    for (const char* bad : {"equal-lead@mid*", "equal-lead@mid*x", "equal-lead@mid*0", "equal-lead@mid*-1",
                            "equal-lead@mid*inf", "equal-lead@mid*nan", "equal-cutoff@full-fwd..fwd",
                            "equal-cutoff@fwd..nowhere"})
        EXPECT_NE(ParseFitGoal(bad, g), "") << bad;

    FitConstraint c;
    ASSERT_EQ(ParseFitConstraint("lead>=0.01@mid", c), "");
    EXPECT_EQ(c.Events, (std::vector<ValveEvent>{ValveEvent::FrontLead, ValveEvent::RearLead}));
    EXPECT_EQ(c.Sense, FitLimit::AtLeast);
    ASSERT_EQ(ParseFitConstraint("rear-cut-off<=75@fwd..full-fwd", c), "");
    EXPECT_EQ(c.Events, std::vector<ValveEvent>{ValveEvent::RearCutOff});
    EXPECT_EQ(FitConstraintText(c), "rear-cut-off<=75@fwd..full-fwd");
    for (const char* bad : {"lead>0.01@mid", "lead=0.01@mid", "lead>=@mid", "lead>=x@mid", "speed>=1@mid",
                            "lead>=0.01", "lead>=0.01@mid*2", "lead>=0.01<=0.02@mid", "cutoff<=75@full-fwd..fwd"})
        EXPECT_NE(ParseFitConstraint(bad, c), "") << bad;
}

TEST(FitRange, EqualisingOverARangeImprovesItsWorstRow) {
    const Model m = Nominal();
    const double worstBefore = WorstForwardCutOffDifference(m);
    ASSERT_GT(worstBefore, 2);
    const FitProblem p = Problem(m, {"EccRodFwd", "RockerPivotHorz"}, {"equal-cutoff@fwd..full-fwd"});
    FitOptions o;
    o.Tolerance = 0.05;
    const FitResult r = RunFit(m, p, o);
    ASSERT_TRUE(r.Converged()) << r.Message;
    EXPECT_NEAR(r.ResidualBefore, worstBefore, 1e-9);
    // Every row of the range, read off the fitted gear's own table.
    const double worstAfter = WorstForwardCutOffDifference(FittedModel(m, p, r));
    EXPECT_LE(worstAfter, 0.05);
    EXPECT_NEAR(worstAfter, r.ResidualAfter, 1e-9);

    // What the range did elsewhere is there to see.
    const ValveEventsTable before = ComputeValveEvents(m), after = ComputeValveEvents(FittedModel(m, p, r));
    const std::optional<UnaskedChange> unasked = LargestUnaskedChange(m, p, before, after);
    ASSERT_TRUE(unasked);
    EXPECT_FALSE(unasked->Graph == 'F' && unasked->Row >= 15 && unasked->Column.find("CutOff") != std::string::npos);
}

TEST(FitRange, AConstraintHoldsAfterTheFitOrTheFitSaysWhichOneStoppedIt) {
    // The valve pushed along its stem: equalising forward cut-off alone leaves the front
    // lead at mid gear near 0.013.
    Model m = Nominal();
    ApplyEditedDimension(m, *FindDimension("ValveCtrToJoint"), 3.2f);
    FindMidGear(m);
    const FitProblem free = Problem(m, {"ValveCtrToJoint", "RockerPivotHorz", "EccRodFwd"}, {"equal-cutoff@fwd"});
    const FitResult unconstrained = RunFit(m, free);
    ASSERT_TRUE(unconstrained.Converged()) << unconstrained.Message;
    EXPECT_LT(*ValveEventsAt(FittedModel(m, free, unconstrained), GearPosition::Mid).Value(ValveEvent::FrontLead), 0.02);

    const FitProblem p =
        Problem(m, {"ValveCtrToJoint", "RockerPivotHorz", "EccRodFwd"}, {"equal-cutoff@fwd"}, {"lead>=0.02@mid"});
    const FitResult r = RunFit(m, p);
    ASSERT_TRUE(r.Converged()) << r.Message;
    const Model fitted = FittedModel(m, p, r);
    const ValveEventRow mid = ValveEventsAt(fitted, GearPosition::Mid);
    EXPECT_GE(*mid.Value(ValveEvent::FrontLead), 0.02);
    EXPECT_GE(*mid.Value(ValveEvent::RearLead), 0.02);
    const ValveEventRow fwd = ValveEventsAt(fitted, GearPosition::Forward);
    EXPECT_LE(std::fabs(*fwd.Difference(3)), kFitDefaultTolerance);
    ASSERT_EQ(r.MeasuredAfter.ConstraintWorst.size(), 1u);
    EXPECT_EQ(*r.MeasuredAfter.ConstraintWorst[0],
              std::min(*mid.Value(ValveEvent::FrontLead), *mid.Value(ValveEvent::RearLead)));

    // Two dimensions cannot do both: the constraint it ended against is named, and
    // nothing can be applied.
    const FitProblem tight = Problem(m, {"ValveCtrToJoint", "RockerPivotHorz"}, {"equal-cutoff@fwd"}, {"lead>=0.02@mid"});
    const FitResult stopped = RunFit(m, tight);
    EXPECT_EQ(stopped.Outcome, FitOutcome::OutOfReach);
    EXPECT_NE(stopped.Message.find("lead>=0.02@mid at its limit"), std::string::npos) << stopped.Message;
    EXPECT_GE(*ValveEventsAt(FittedModel(m, tight, stopped), GearPosition::Mid).Value(ValveEvent::FrontLead), 0.02);
    Model untouched = m;
    EXPECT_FALSE(ApplyFit(untouched, tight, stopped));

    // A constraint on an event the gear does not have is refused before anything runs.
    const FitResult refused =
        RunFit(m, Problem(m, {"ValveCtrToJoint"}, {"equal-cutoff@fwd"}, {"cutoff<=75@fwd..fwd"}));
    EXPECT_EQ(refused.Outcome, FitOutcome::Refused);
    EXPECT_NE(refused.Message.find("hold no row"), std::string::npos) << refused.Message;
}

}  // namespace
}  // namespace lm
