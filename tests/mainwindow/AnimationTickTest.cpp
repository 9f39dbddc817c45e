// The animation tick: the driver angle's advance and wrap, and solving before advancing.

#include "mainwindow/AnimationTick.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "kinematics/StartUp.h"

namespace lm {
namespace {

std::vector<float> Angles(GearState g, int ticks) {
    std::vector<float> out;
    for (int i = 0; i < ticks; ++i) {
        AdvanceDriverAngle(g);
        out.push_back(g.DriverAngle);
    }
    return out;
}

TEST(TickDriverAngle, ForwardShows360OnceThenWraps) {
    GearState g;
    g.DriverAngle = 340;
    g.StepAngle = 10;
    EXPECT_EQ(Angles(g, 4), (std::vector<float>{350, 360, 10, 20}));
}

TEST(TickDriverAngle, ReverseWrapsBelowZero) {
    GearState g;
    g.DriverAngle = 10;
    g.StepAngle = 10;
    g.RotationDir = Rotation::Rev;
    EXPECT_EQ(Angles(g, 3), (std::vector<float>{0, 350, 340}));
    g.DriverAngle = 5;
    EXPECT_EQ(Angles(g, 1), std::vector<float>{355});
}

TEST(TickDriverAngle, StoppedGearBringsSetAnglesIntoRange) {
    GearState g;
    g.StepAngle = 0;
    g.DriverAngle = 360.1f;
    EXPECT_EQ(Angles(g, 1), std::vector<float>{360.1f});
    g.DriverAngle = 400;
    EXPECT_EQ(Angles(g, 1), std::vector<float>{40});
    g.DriverAngle = -40;
    EXPECT_EQ(Angles(g, 1), std::vector<float>{320});
}

TEST(TickDriverAngle, BrokenAnglesDoNotStayOutOfRange) {
    GearState g;
    g.StepAngle = 0;
    g.DriverAngle = 1e30f;
    AdvanceDriverAngle(g);
    EXPECT_GE(g.DriverAngle, 0);
    EXPECT_LT(g.DriverAngle, 360);
    g.DriverAngle = std::numeric_limits<float>::quiet_NaN();
    AdvanceDriverAngle(g);
    EXPECT_EQ(g.DriverAngle, 0);
    g.DriverAngle = 10;
    g.StepAngle = std::numeric_limits<float>::infinity();
    AdvanceDriverAngle(g);
    EXPECT_EQ(g.DriverAngle, 0);
}

TEST(Tick, SolvesBeforeAdvancingSo400IsDrawnAs40) {
    Model a;
    StartUp(a);
    a.Gear.StepAngle = 0;
    a.Gear.DriverAngle = 400;
    MainWindowState sa;
    AnimationTick(a, sa);
    EXPECT_EQ(a.Gear.DriverAngle, 40);

    Model b;
    StartUp(b);
    b.Gear.StepAngle = 0;
    b.Gear.DriverAngle = 40;
    MainWindowState sb;
    AnimationTick(b, sb);
    for (int n = 0; n < kMappedPivotCount; ++n) {
        EXPECT_NEAR(a.P(n).X, b.P(n).X, 1e-4) << "pivot " << n;
        EXPECT_NEAR(a.P(n).SX, b.P(n).SX, 1) << "pivot " << n;
    }
}

TEST(Tick, DrawsTheAngleBeforeTheAdvance) {
    Model m;
    StartUp(m);
    MainWindowState s;
    AnimationTick(m, s);  // solves at 0, then moves on to 10
    EXPECT_EQ(m.Gear.DriverAngle, 10);
    // At 0 the crank pin is level with the axle, in front of it by half the stroke.
    EXPECT_NEAR(m.P(CrankPin).X, 1.5, 1e-5);
    EXPECT_NEAR(m.P(CrankPin).Y, 0, 1e-5);
    EXPECT_EQ(m.P(CrankPin).SX, 153);  // 1.5 * 28.5 + 110 = 152.75
    EXPECT_EQ(m.P(CrankPin).SY, 270);
}

TEST(Tick, CopiesTheRockerPivotMapsPivotsAndFillsTheOutlines) {
    Model m;
    StartUp(m);
    m.P(RockerPivot).X = 8.5f;  // as an edit of the rocker pivot leaves it
    m.P(RockerPivotCopy).X = 1;
    MainWindowState s;
    AnimationTick(m, s);
    EXPECT_EQ(m.P(RockerPivotCopy).X, 8.5f);
    EXPECT_EQ(m.P(RockerPivotCopy).SX, m.P(RockerPivot).SX);
    const long double sx = std::nearbyint(8.5L * 28.5L + 110);
    EXPECT_EQ(m.P(RockerPivot).SX, static_cast<int>(sx));
    EXPECT_EQ(m.P(ReverseArmEnd).SX,
              static_cast<int>(std::nearbyint(static_cast<long double>(m.Gear.RevArmPos) * 28.5L + 110)));
    EXPECT_EQ(s.Cylinder.A, (ScreenPoint{509, 195}));
    EXPECT_NE(s.Piston.K, (ScreenPoint{0, 0}));
}

}  // namespace
}  // namespace lm
