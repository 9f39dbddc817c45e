// The study on the nominal gear: zero tolerances give the drawn gear's events, one
// tolerance reproduces its slope, two split the variance as their slopes say, the same
// bits on one core as on all, and parts that merge into exactly the whole.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <fstream>

#include <gtest/gtest.h>
#include <tbb/global_control.h>

#include "../files/FileTestSupport.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/StartUp.h"
#include "model/DimensionTable.h"
#include "tolerance/StudyParts.h"
#include "tolerance/ToleranceReport.h"
#include "tolerance/ToleranceRun.h"
#include "tolerance/ToleranceStatistics.h"
#include "workbench/GearTrial.h"

namespace lm {
namespace {

Model Nominal() {
    Model m;
    StartUp(m);
    return m;
}

struct Ran {
    StudyPlan Plan;
    NominalEvents Drawn;
    SampleData Data;
    ToleranceSummary Summary;
};

Ran RunStudy(const Model& m, const ToleranceStudy& s) {
    EXPECT_EQ(CheckStudy(s), "");
    Ran r;
    r.Plan = PlanStudy(m, s);
    r.Drawn = StudyNominal(m, r.Plan);
    r.Data = *RunSamples(m, r.Plan, 0, r.Plan.Samples);
    r.Summary = Summarize(r.Plan, r.Drawn, r.Data);
    return r;
}

ToleranceStudy Study(std::uint64_t samples, std::vector<std::string> settings) {
    ToleranceStudy s;
    s.Samples = samples;
    s.Settings = std::move(settings);
    return s;
}

constexpr int kFrontCutOff = static_cast<int>(ValveEvent::FrontCutOff);

// The slope of front cut-off at normal forward gear, by central difference over +-h on
// the workbench's own trial gears.
double CutOffSlope(const Model& m, const char* name, double h) {
    const DimensionInfo& d = *FindDimension(name);
    const float v = GetDimension(m, d);
    const std::array<DimensionValue, 1> lo{{{&d, static_cast<float>(v - h)}}};
    const std::array<DimensionValue, 1> hi{{{&d, static_cast<float>(v + h)}}};
    return (*TrialEvent(m, hi, GearPosition::Forward, ValveEvent::FrontCutOff) -
            *TrialEvent(m, lo, GearPosition::Forward, ValveEvent::FrontCutOff)) /
           (2 * h);
}

TEST(ToleranceStudy, ZeroTolerancesGiveTheDrawnGearsEventsExactly) {
    const Model m = Nominal();
    ToleranceStudy s = Study(6, {"mid", "fwd", "full-rev"});
    s.SetTolerance("EccRodFwd", 0);
    s.SetClearance(10, 0);
    const Ran r = RunStudy(m, s);
    EXPECT_TRUE(r.Plan.Variables.empty());
    const GearPosition at[] = {GearPosition::Mid, GearPosition::Forward, GearPosition::FullReverse};
    for (std::size_t k = 0; k < 3; ++k) {
        const ValveEventRow table = ValveEventsAt(m, at[k]);
        for (int e = 0; e < kStudyEventCount; ++e) {
            const EventStatistics& st = r.Summary.At(k, e);
            const float drawn = static_cast<float>(*table.Values[static_cast<std::size_t>(e)]);
            EXPECT_EQ(st.Nominal, drawn) << k << " " << e;
            for (double v : {st.P1, st.P50, st.P99, st.Worst}) EXPECT_EQ(v, drawn) << k << " " << e;
            EXPECT_EQ(st.Unassembled, 0);
            EXPECT_EQ(st.Absent, 0);
            EXPECT_TRUE(st.Shares.empty());
        }
    }
}

TEST(ToleranceStudy, OneToleranceAloneReproducesItsSlope) {
    const Model m = Nominal();
    const double t = 0.002;
    const double slope = CutOffSlope(m, "EccRodFwd", t / 2);
    ToleranceStudy s = Study(400, {"fwd"});
    s.SetTolerance("EccRodFwd", t);
    const EventStatistics uniform = RunStudy(m, s).Summary.At(0, kFrontCutOff);
    ASSERT_EQ(uniform.Shares.size(), 1u);
    EXPECT_EQ(uniform.Shares[0].Share, 1);
    EXPECT_GT(uniform.Explained, 0.99);
    // From the 1st to the 99th percentile a uniform draw spans 98 % of its range.
    EXPECT_NEAR((uniform.P99 - uniform.P1) / (0.98 * 2 * t), std::fabs(slope), 0.05 * std::fabs(slope));

    // A normal draw with the tolerance as three standard deviations: 2.326 of them either side.
    s.Shape = Spread::Normal;
    const EventStatistics normal = RunStudy(m, s).Summary.At(0, kFrontCutOff);
    EXPECT_NEAR((normal.P99 - normal.P1) / (2 * 2.326 * t / 3), std::fabs(slope), 0.08 * std::fabs(slope));

    // A worn forward eccentric strap: the rod's length anywhere within half the clearance.
    ToleranceStudy pin = Study(400, {"fwd"});
    pin.SetClearance(12, 2 * t);
    const Ran worn = RunStudy(m, pin);
    const EventStatistics& strap = worn.Summary.At(0, kFrontCutOff);
    ASSERT_EQ(strap.Shares.size(), 1u);
    EXPECT_EQ(worn.Plan.Sources[0], "pin 12");
    EXPECT_NEAR((strap.P99 - strap.P1) / (0.98 * 2 * t), std::fabs(slope), 0.05 * std::fabs(slope));
}

TEST(ToleranceStudy, TwoTolerancesSplitTheVarianceAsTheirSlopesSay) {
    const Model m = Nominal();
    // Tolerances that give each a fair share (about 77 % and 23 %), so a share lost or
    // given to the wrong name shows.
    const double t1 = 0.002, t2 = 0.015;
    const double s1 = CutOffSlope(m, "EccRodFwd", t1 / 2);
    const double s2 = CutOffSlope(m, "RockerLowerLen", t2 / 2);
    ToleranceStudy s = Study(600, {"fwd"});
    s.SetTolerance("RockerLowerLen", t2);
    s.SetTolerance("EccRodFwd", t1);
    const Ran r = RunStudy(m, s);
    const EventStatistics& st = r.Summary.At(0, kFrontCutOff);
    ASSERT_EQ(st.Shares.size(), 2u);
    const double v1 = s1 * s1 * t1 * t1, v2 = s2 * s2 * t2 * t2;
    for (const ShareOfVariance& share : st.Shares) {
        const std::string& name = r.Plan.Sources[static_cast<std::size_t>(share.Source)];
        EXPECT_NEAR(share.Share, (name == "EccRodFwd" ? v1 : v2) / (v1 + v2), 0.03) << name;
    }
    EXPECT_GE(st.Shares[0].Share, st.Shares[1].Share);
}

TEST(ToleranceStudy, TheSameSeedGivesTheSameBitsOnOneCoreAndOnAll) {
    const Model m = Nominal();
    ToleranceStudy s = Study(48, {"mid", "full-fwd"});
    s.DefaultLength = 0.003;
    s.DefaultAngle = 0.1;
    s.SetClearance(8, 0.004);
    const StudyPlan plan = PlanStudy(m, s);
    SampleData one;
    {
        tbb::global_control single(tbb::global_control::max_allowed_parallelism, 1);
        one = *RunSamples(m, plan, 0, plan.Samples);
    }
    const SampleData all = *RunSamples(m, plan, 0, plan.Samples);
    EXPECT_EQ(one.Assembled, all.Assembled);
    ASSERT_EQ(one.Values.size(), all.Values.size());
    EXPECT_EQ(std::memcmp(one.Values.data(), all.Values.data(), one.Values.size() * sizeof(float)), 0);

    ToleranceStudy other = s;
    other.Seed = 2;
    const SampleData reseeded = *RunSamples(m, PlanStudy(m, other), 0, plan.Samples);
    EXPECT_NE(std::memcmp(one.Values.data(), reseeded.Values.data(), one.Values.size() * sizeof(float)), 0);
}

TEST(ToleranceStudy, PartsMergedInAnyOrderAreTheWholeRunBitForBit) {
    test::ScratchFolder dir;
    const Model m = Nominal();
    ToleranceStudy s = Study(31, {"fwd", "rev..mid/3"});
    s.DefaultLength = 0.002;
    s.SetClearance(10, 0.005);
    const Ran whole = RunStudy(m, s);
    const std::uint64_t parts = 4;
    std::vector<std::string> paths;
    for (std::uint64_t k = 1; k <= parts; ++k) {
        const ShardRange range = ShardOf(s.Samples, k, parts);
        const SampleData data = *RunSamples(m, whole.Plan, range.First, range.Count);
        paths.push_back(dir / ("part" + std::to_string(k)));
        ASSERT_EQ(WriteStudyPart(paths.back(), m, whole.Plan, whole.Drawn, {k, parts}, data), "");
    }
    std::vector<std::string> shuffled{paths[2], paths[0], paths[3], paths[1]};
    MergedStudy merged;
    ASSERT_EQ(MergeStudyParts(shuffled, merged), "");
    EXPECT_EQ(merged.Data.Assembled, whole.Data.Assembled);
    EXPECT_EQ(std::memcmp(merged.Data.Values.data(), whole.Data.Values.data(), whole.Data.Values.size() * sizeof(float)),
              0);
    const ToleranceSummary again = Summarize(merged.Plan, merged.Nominal, merged.Data);
    EXPECT_EQ(ToleranceJson(merged.Plan, again), ToleranceJson(whole.Plan, whole.Summary));
    EXPECT_EQ(ToleranceCsv(merged.Plan, again), ToleranceCsv(whole.Plan, whole.Summary));
}

TEST(ToleranceStudy, PartsThatDoNotMakeOneWholeStudyAreRefusedByName) {
    test::ScratchFolder dir;
    const Model m = Nominal();
    ToleranceStudy s = Study(10, {"mid"});
    s.SetTolerance("Stroke", 0.002);
    const StudyPlan plan = PlanStudy(m, s);
    const NominalEvents drawn = StudyNominal(m, plan);
    const auto write = [&](const std::string& name, const StudyPlan& p, StudyParts part) {
        const ShardRange range = ShardOf(p.Samples, part.Part, part.Of);
        ASSERT_EQ(WriteStudyPart(dir / name, m, p, drawn, part, *RunSamples(m, p, range.First, range.Count)), "");
    };
    write("a1", plan, {1, 2});
    write("a2", plan, {2, 2});
    write("t1", plan, {1, 3});
    StudyPlan reseeded = plan;
    reseeded.Seed = 9;
    write("s2", reseeded, {2, 2});
    Model longer = m;
    longer.Frame.MainRodLen = 10.5f;
    ASSERT_EQ(WriteStudyPart(dir / "g2", longer, plan, drawn, {2, 2}, *RunSamples(m, plan, 5, 5)), "");

    std::vector<unsigned char> bytes = test::ReadBytes(dir / "a2");
    test::WriteBytes(dir / "cut", std::vector<unsigned char>(bytes.begin(), bytes.end() - 3));
    bytes[bytes.size() - 2] ^= 1;
    test::WriteBytes(dir / "flipped", bytes);
    test::WriteBytes(dir / "text", {'h', 'i', '\n'});

    const struct {
        std::vector<std::string> parts;
        std::string mentions;
    } cases[] = {
        {{"a1"}, "part 2 of 2 is missing"},
        {{"a1", "a2", "a2"}, "a2' is part 2 of 2, as '" + (dir / "a2") + "' is"},
        {{"a1", "s2"}, "s2' is from a different study than"},
        {{"a1", "g2"}, "g2' is from a different study than"},
        {{"a1", "t1"}, "t1' is one of 3 parts"},
        {{"a1", "cut"}, "cut' is damaged"},
        {{"a1", "flipped"}, "flipped' is damaged: its checksum does not match"},
        {{"a1", "text"}, "text' is not a tolerance study part"},
        {{"a1", "nothing"}, "nothing' is not a readable file"},
        {{"a1", "."}, "' is not a readable file"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> paths;
        for (const std::string& p : c.parts) paths.push_back(dir / p);
        MergedStudy merged;
        const std::string error = MergeStudyParts(paths, merged);
        EXPECT_NE(error.find(c.mentions), std::string::npos) << c.mentions << " / " << error;
    }
    MergedStudy merged;
    EXPECT_EQ(MergeStudyParts(std::vector<std::string>{dir / "a2", dir / "a1"}, merged), "");
}

TEST(ToleranceStudy, ShardsMustBeKOfN) {
    StudyParts p;
    for (const char* bad : {"0/3", "4/3", "3", "a/b", "1/0", "2/3x", "/3", "1/", "-1/3", "1/11"})
        EXPECT_NE(ParseShard(bad, 10, p), "") << bad;
    ASSERT_EQ(ParseShard("3/10", 10, p), "");
    EXPECT_EQ(p.Part, 3u);
    EXPECT_EQ(p.Of, 10u);
    // The parts cover every sample once, in order.
    std::uint64_t next = 0;
    for (std::uint64_t k = 1; k <= 7; ++k) {
        const ShardRange r = ShardOf(100, k, 7);
        EXPECT_EQ(r.First, next);
        EXPECT_GE(r.Count, 14u);
        next = r.First + r.Count;
    }
    EXPECT_EQ(next, 100u);
}

TEST(ToleranceStudy, TheLinkBlocksPlayMovesOnlyTheBlock) {
    const Model m = Nominal();
    ToleranceStudy s = Study(1, {"mid"});
    s.SetClearance(8, 0.01);
    const StudyPlan plan = PlanStudy(m, s);
    ASSERT_EQ(plan.Variables.size(), 2u);  // the rocker's lower arm, the link's slot
    const std::vector<double> changes{0, 0.004};
    Model worn = SampleGear(m, plan, changes);
    EXPECT_NEAR(worn.Frame.LinkRadius - m.Frame.LinkRadius, 0.004, 1e-6);
    EXPECT_NEAR(worn.Frame.LinkEccPivotBackSet - m.Frame.LinkEccPivotBackSet, 0.004, 1e-6);
    EXPECT_NEAR(worn.Frame.LinkCentBackSet - m.Frame.LinkCentBackSet, 0.004, 1e-6);
    Model drawn = m;
    for (Model* g : {&drawn, &worn}) {
        g->Gear.RevArmPos = m.Gear.RevArmCenter + 0.5f;
        g->Gear.DriverAngle = 37;
        SolveLinkage(*g);
    }
    for (int p : {LinkCentrePivot, FwdRodPin, RevRodPin, LinkArcCentre}) {
        EXPECT_NEAR(worn.P(p).X, drawn.P(p).X, 2e-5) << p;
        EXPECT_NEAR(worn.P(p).Y, drawn.P(p).Y, 2e-5) << p;
    }
    EXPECT_GT(std::hypot(worn.P(LinkBlock).X - drawn.P(LinkBlock).X, worn.P(LinkBlock).Y - drawn.P(LinkBlock).Y), 0.003);
}

TEST(ToleranceStudy, GearsThatCannotBeAssembledAreCountedNotMeasured) {
    const Model m = Nominal();
    ToleranceStudy s = Study(60, {"mid"});
    s.SetTolerance("LiftingLinkLen", 1.6);  // 0.4 to 3.6: below about 0.87 it cannot be assembled
    const Ran r = RunStudy(m, s);
    const EventStatistics& st = r.Summary.At(0, kFrontCutOff);
    EXPECT_GT(st.Unassembled, 0.05);
    EXPECT_LT(st.Unassembled, 0.95);
    std::uint64_t unassembled = 0;
    for (std::uint64_t i = 0; i < r.Data.Count; ++i) {
        if (r.Data.IsAssembled(i, 0)) continue;
        ++unassembled;
        for (int e = 0; e < kStudyEventCount; ++e) EXPECT_TRUE(std::isnan(r.Data.Value(i, 0, e)));
    }
    EXPECT_EQ(st.Unassembled, static_cast<double>(unassembled) / 60);
}

}  // namespace
}  // namespace lm
