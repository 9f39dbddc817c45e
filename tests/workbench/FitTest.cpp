// The fit on an unbalanced gear, its refusals and stops, and applying it through undo.
#include <cmath>

#include <gtest/gtest.h>

#include "../model/ModelTestSupport.h"
#include "kinematics/MidGear.h"
#include "kinematics/StartUp.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "model/UndoHistory.h"
#include "workbench/Fit.h"
#include "workbench/Sensitivity.h"
#include "WorkbenchTestSupport.h"

namespace lm {
namespace {

// The nominal gear with its valve pushed along the stem: at normal forward gear the
// front port now cuts off several percent of stroke later than the rear one.
Model Unbalanced() {
    Model m;
    StartUp(m);
    ApplyEditedDimension(m, *FindDimension("ValveCtrToJoint"), 3.2f);
    FindMidGear(m);
    return m;
}

using test::Problem;

double CutOffDifference(const Model& m, GearPosition at) {
    const ValveEventRow row = ValveEventsAt(m, at);
    return *row.Value(ValveEvent::FrontCutOff) - *row.Value(ValveEvent::RearCutOff);
}

TEST(Fit, EqualisesTheCutOffsOfAnUnbalancedGearWithoutTouchingIt) {
    const Model m = Unbalanced();
    const Model before = m;
    ASSERT_GT(std::fabs(CutOffDifference(m, GearPosition::Forward)), 5);

    const FitProblem p = Problem(m, {"ValveCtrToJoint", "RockerPivotHorz"}, {"equal-cutoff@fwd"});
    int calls = 0;
    FitOptions options;
    options.Progress = [&calls](const FitProgress& progress) {
        ++calls;
        return progress.Evaluations <= progress.Budget;
    };
    const FitResult r = RunFit(m, p, options);
    ASSERT_TRUE(r.Converged()) << r.Message;
    EXPECT_EQ(test::Differences(m, before), std::vector<std::string>{});
    EXPECT_EQ(calls, r.Evaluations);
    EXPECT_LE(r.Evaluations, kFitDefaultBudget);
    EXPECT_NEAR(r.ResidualBefore, std::fabs(CutOffDifference(m, GearPosition::Forward)), 1e-9);

    const Model fitted = FittedModel(m, p, r);
    EXPECT_LT(std::fabs(CutOffDifference(fitted, GearPosition::Forward)), 0.2);
    for (std::size_t k = 0; k < p.Vary.size(); ++k) {
        EXPECT_GE(r.After[k], p.Vary[k].Low);
        EXPECT_LE(r.After[k], p.Vary[k].High);
    }
}

TEST(Fit, MeetsGoalsAtSeveralPositionsAtOnce) {
    // Each eccentric rod balances its own gear: forward and reverse at once.
    Model m;
    StartUp(m);
    const FitProblem p = Problem(m, {"EccRodFwd", "EccRodRev"}, {"equal-cutoff@fwd", "equal-cutoff@rev"});
    const FitResult r = RunFit(m, p);
    ASSERT_TRUE(r.Converged()) << r.Message;
    const Model fitted = FittedModel(m, p, r);
    EXPECT_LT(std::fabs(CutOffDifference(fitted, GearPosition::Forward)), 0.2);
    EXPECT_LT(std::fabs(CutOffDifference(fitted, GearPosition::Reverse)), 0.2);
    EXPECT_GT(std::fabs(CutOffDifference(m, GearPosition::Reverse)), 2);
}

TEST(Fit, RefusesProblemsItCannotTry) {
    const Model m = Unbalanced();
    FitVariable v;
    EXPECT_NE(ParseFitVariable("Stroke=3:2", m, v), "");
    EXPECT_NE(ParseFitVariable("Stroke=2:2", m, v), "");
    EXPECT_NE(ParseFitVariable("Stroke=1:x", m, v), "");
    EXPECT_NE(ParseFitVariable("Stroke=1e39:1e40", m, v), "");
    EXPECT_NE(ParseFitVariable("Nothing", m, v), "");
    EXPECT_NE(ParseFitVariable("RockerUpperBackSet", m, v), "");  // 0: no default bounds
    FitGoal g;
    for (const char* bad : {"equal-cutoff", "equal-cutoff@top", "cutoff@fwd", "lead=x@mid", "equal-lead=2@mid",
                            "speed=3@fwd", "cutoff=120@fwd", "lead=1e300@mid"})
        EXPECT_NE(ParseFitGoal(bad, g), "") << bad;
    ASSERT_EQ(ParseFitGoal("lead=0.02@full-rev", g), "");
    EXPECT_EQ(FitGoalText(g), "lead=0.020@full-rev");

    const Model before = m;
    const auto refused = [&](FitProblem p, const std::string& says) {
        const FitResult r = RunFit(m, p);
        EXPECT_EQ(r.Outcome, FitOutcome::Refused);
        EXPECT_NE(r.Message.find(says), std::string::npos) << r.Message;
        EXPECT_EQ(r.Evaluations, 0);
    };
    const FitProblem good = Problem(m, {"ValveCtrToJoint"}, {"equal-cutoff@fwd"});
    FitProblem p = good;
    p.Vary[0].Low = p.Vary[0].High;
    refused(p, "low bound");
    p = good;
    p.Vary[0].High = NAN;
    refused(p, "low bound");
    refused(Problem(m, {"Stroke", "MainRodLen", "EccDia", "EccRodFwd", "EccRodRev"}, {"equal-lead@mid"}), "at most 4");
    p = good;
    p.Vary.push_back(p.Vary[0]);
    refused(p, "twice");
    p = good;
    p.Vary[0] = {FindDimension("RevArmCentNorm"), 0.5f, 1.2f};
    refused(p, "undo");
    p = good;
    p.Goals.clear();
    refused(p, "no goal");

    Model covered = m;  // the steam ports never open: no cut-off to equalise
    ApplyEditedDimension(covered, *FindDimension("ValveCtrToRing"), 0.5f);
    FindMidGear(covered);
    EXPECT_NE(RunFit(covered, good).Message.find("does not occur"), std::string::npos);
    EXPECT_EQ(test::Differences(m, before), std::vector<std::string>{});
}

TEST(Fit, StopsShortWithAReasonAndNothingToApply) {
    Model m = Unbalanced();
    const Model before = m;
    // A cut-off the gear cannot reach at mid gear within so narrow a range.
    const FitResult out = RunFit(m, Problem(m, {"ValveCtrToJoint=3.19:3.21"}, {"cutoff=60@mid"}));
    EXPECT_EQ(out.Outcome, FitOutcome::OutOfReach);
    EXPECT_NE(out.Message.find("cannot be met"), std::string::npos);

    const FitProblem p = Problem(m, {"ValveCtrToJoint", "RockerPivotHorz"}, {"equal-cutoff@fwd"});
    FitOptions tight;
    tight.MaxEvaluations = 3;
    const FitResult spent = RunFit(m, p, tight);
    EXPECT_EQ(spent.Outcome, FitOutcome::BudgetSpent);
    EXPECT_EQ(spent.Evaluations, 3);
    EXPECT_NE(spent.Message.find("3 evaluations"), std::string::npos);

    FitOptions cancelling;
    cancelling.Progress = [](const FitProgress& progress) { return progress.Evaluations < 5; };
    const FitResult cancelled = RunFit(m, p, cancelling);
    EXPECT_EQ(cancelled.Outcome, FitOutcome::Cancelled);
    EXPECT_EQ(cancelled.Evaluations, 5);

    for (const FitResult* r : {&out, &spent, &cancelled}) EXPECT_FALSE(ApplyFit(m, p, *r));
    EXPECT_EQ(test::Differences(m, before), std::vector<std::string>{});
}

TEST(Fit, ApplyingGoesThroughUndoAndUndoRestoresTheSetExactly) {
    Model m = Unbalanced();
    const Model before = m;
    const FitProblem p = Problem(m, {"ValveCtrToJoint", "RockerPivotHorz"}, {"equal-cutoff@fwd"});
    const FitResult r = RunFit(m, p);
    ASSERT_TRUE(r.Converged()) << r.Message;

    ASSERT_TRUE(ApplyFit(m, p, r));
    EXPECT_EQ(m.Undo.UndoCount, 2);
    EXPECT_TRUE(m.Undo.ButtonsEnabled);
    EXPECT_EQ(GetDimension(m, *FindDimension("ValveCtrToJoint")), r.After[0]);
    EXPECT_EQ(m.P(RockerPivot).X, r.After[1]);
    EXPECT_EQ(m.P(RockerPivotCopy).X, r.After[1]);  // the twin follows
    for (const std::string& field : test::Differences(m, FittedModel(before, p, r)))
        EXPECT_EQ(field.rfind("Undo.", 0), 0u) << field;  // only the history differs
    EXPECT_LT(std::fabs(CutOffDifference(m, GearPosition::Forward)), 0.2);
    EXPECT_EQ(m.Gear.RevArmPos, m.Gear.RevArmCenter);  // mid gear found again

    EXPECT_TRUE(UndoButtonClicked(m));
    EXPECT_TRUE(UndoButtonClicked(m));
    FindMidGear(m);
    for (const DimensionInfo& d : AllDimensions())
        EXPECT_EQ(GetDimension(m, d), GetDimension(before, d)) << d.CodeName;
    EXPECT_EQ(m.Gear.RevArmCenter, before.Gear.RevArmCenter);
    EXPECT_FALSE(m.Undo.ButtonsEnabled);
}

}  // namespace
}  // namespace lm

namespace lm {
namespace {

TEST(FitStart, NeverWorseThanItsStartAndRefusesAGearThatCannotBeAssembled) {
    // Bounds so wide that the 0..1 scale cannot carry the start back bit for bit.
    Model m;
    StartUp(m);
    FitProblem p;
    FitVariable v;
    ASSERT_EQ(ParseFitVariable("Stroke=-3.4e38:3.4e38", m, v), "");
    p.Vary.push_back(v);
    FitGoal g;
    ASSERT_EQ(ParseFitGoal("cutoff=50@mid", g), "");
    p.Goals.push_back(g);
    const FitResult r = RunFit(m, p);
    EXPECT_FALSE(r.Converged());
    EXPECT_LE(r.ResidualAfter, r.ResidualBefore);
    EXPECT_EQ(r.Message.find("bound ("), std::string::npos) << r.Message;  // no bound is active

    Model broken = m;
    ApplyEditedDimension(broken, *FindDimension("LiftingLinkLen"), 0.8f);
    FindMidGear(broken);
    p.Goals[0].Where = {GearPosition::Forward, GearPosition::Forward, false};
    p.Vary[0] = {FindDimension("EccRodFwd"), 7, 8};
    const FitResult refused = RunFit(broken, p);
    EXPECT_EQ(refused.Outcome, FitOutcome::Refused);
    EXPECT_NE(refused.Message.find("cannot be assembled"), std::string::npos) << refused.Message;
    EXPECT_FALSE(ComputeSensitivity(broken, GearPosition::Forward, ValveEvent::FrontCutOff).ok());
}

}  // namespace
}  // namespace lm
