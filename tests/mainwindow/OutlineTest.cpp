// The cylinder, piston and valve outlines against points worked out by hand.

#include "mainwindow/GearOutlines.h"

#include <gtest/gtest.h>

#include "kinematics/StartUp.h"

namespace lm {
namespace {

// The nominal cylinder in the normal view (scale 28.5, origin 110, 270), worked by hand:
// c = 16, valve bore 14..18 by 1.875..2.625, cylinder 14..18 by -1.0625..1.0625.
TEST(Outline, CylinderOfTheNominalSet) {
    Model m;
    StartUp(m);
    const CylinderOutline o = ComputeCylinderOutline(m);
    EXPECT_EQ(o.A, (ScreenPoint{509, 195}));  // 14, 2.625 -> 509, 195.19
    const std::array<ScreenPoint, 13> b = {{
        {509, 217},  // 14, 1.875 -> 216.56
        {528, 217},  // 14.658 -> 527.75
        {509, 240},  // 1.0625 -> 239.72
        {509, 300},  // -1.0625 -> 300.28
        {623, 300},  // 18
        {623, 240},
        {604, 217},  // 17.342 -> 604.25
        {623, 217},
        {623, 195},
        {612, 195},  // 17.626 -> 612.34
        {571, 195},  // 16.187 -> 571.33
        {520, 195},  // 14.374 -> 519.66
        {561, 195},  // 15.813 -> 560.67
    }};
    EXPECT_EQ(o.B, b);
    const std::array<ScreenPoint, 4> c = {{
        {533, 217},  // 14.845 -> 533.08
        {515, 240},  // 14.2 -> 514.7
        {617, 240},  // 17.8 -> 617.3
        {599, 217},  // 17.155 -> 598.92
    }};
    EXPECT_EQ(o.C, c);
}

TEST(Outline, PistonAndValveFromCrossheadAndStemJoint) {
    Model m;
    StartUp(m);
    m.P(Crosshead).X = 11.5f;      // front dead centre: piston centre at 17.5
    m.P(ValveStemJoint).X = 10;    // valve centre at 13.176
    const PistonOutline o = ComputePistonOutline(m);
    EXPECT_EQ(o.K, (ScreenPoint{616, 270}));  // 17.75 -> 615.88
    const std::array<ScreenPoint, 5> q = {{
        {602, 240},  // 17.25 -> 601.63
        {602, 300},
        {616, 300},
        {616, 240},
        {524, 206},  // 14.518, 2.25 -> 523.76, 205.88
    }};
    EXPECT_EQ(o.Q, q);
    const std::array<ScreenPoint, 4> r = {{
        {447, 195},  // 11.834 -> 447.27
        {447, 217},
        {457, 217},  // 12.176 -> 457.02
        {457, 195},
    }};
    EXPECT_EQ(o.R, r);
    const std::array<ScreenPoint, 4> f = {{
        {514, 195},  // 14.176 -> 514.02
        {514, 217},
        {524, 217},
        {524, 195},
    }};
    EXPECT_EQ(o.F, f);
}

TEST(Outline, FollowsTheCylinderCentreLineAndTheView) {
    Model m;
    StartUp(m);
    m.P(Crosshead).Y = 1;
    m.P(ValveStemJoint).Y = 3.25f;
    m.View.ViewScale = 10;
    m.View.ViewOriginX = 0;
    m.View.ViewOriginY = 0;
    const CylinderOutline o = ComputeCylinderOutline(m);
    EXPECT_EQ(o.A, (ScreenPoint{140, -36}));   // -36.25 to even
    EXPECT_EQ(o.B[3], (ScreenPoint{140, 1}));  // -(1 - 1.0625) * 10 = 0.625
}

}  // namespace
}  // namespace lm
