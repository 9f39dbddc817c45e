// Piston travel, port edges and port openings against values worked out by hand.

#include <cmath>

#include <gtest/gtest.h>

#include "kinematics/LinkageSolver.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

Model Nominal() {
    Model m;
    StartUp(m);
    return m;
}

float PistonPosAt(Model& m, float angle) {
    m.Gear.DriverAngle = angle;
    SolvePistonAndPorts(m);
    return m.Valve.PistonPos;
}

// Crosshead distance from front dead centre, as a share of the stroke, on 0..640.
double ExpectedPistonPos(double r, double rod, double deg) {
    const double t = deg * 3.14159265358979323846 / 180;
    const double x = r * std::cos(t) + std::sqrt(rod * rod - std::pow(r * std::sin(t), 2));
    return 640 * ((r + rod) - x) / (2 * r);
}

TEST(PistonTravel, RunsFromFrontDeadCentreToBackDeadCentreOnAFixedScale) {
    Model m = Nominal();
    EXPECT_NEAR(PistonPosAt(m, 0), 0, 1e-4);
    EXPECT_NEAR(PistonPosAt(m, 180), 640, 1e-4);
    // At a quarter turn the rod's angularity puts the piston past mid-stroke.
    const double quarter = 320 - 320 * (2 * std::sqrt(100 - 2.25) - 20) / 3;
    EXPECT_NEAR(PistonPosAt(m, 90), quarter, 1e-3);
    EXPECT_GT(PistonPosAt(m, 90), 320);
    EXPECT_NEAR(PistonPosAt(m, 270), quarter, 1e-3);
    for (float a : {17.0f, 63.0f, 128.0f, 211.0f, 300.0f})
        EXPECT_NEAR(PistonPosAt(m, a), ExpectedPistonPos(1.5, 10, a), 2e-3) << a;

    m.Frame.Stroke = 5;  // the scale does not depend on the stroke
    m.Frame.MainRodLen = 14;
    EXPECT_NEAR(PistonPosAt(m, 180), 640, 1e-4);
    EXPECT_NEAR(PistonPosAt(m, 123), ExpectedPistonPos(2.5, 14, 123), 2e-3);
}

TEST(PistonTravel, ZeroStrokeOrShortRodIsGuarded) {
    Model m = Nominal();
    m.Frame.Stroke = 0;
    EXPECT_TRUE(std::isfinite(PistonPosAt(m, 60)));
    EXPECT_TRUE(m.Gear.GearError);

    m = Nominal();
    m.Frame.MainRodLen = 1;
    EXPECT_TRUE(std::isfinite(PistonPosAt(m, 90)));
    EXPECT_TRUE(m.Gear.GearError);
}

// Distinct widths on the two ends so that a swapped letter shows.
Model Asymmetric() {
    Model m = Nominal();
    CylinderRecord& c = m.Cyl;
    c.ValveBoreCtrToPort = 1.2f;  // O
    c.ValveCtrToRing = 0.9f;      // R
    c.ValvePortWidthRear = 0.2f;  // P
    c.ValvePortWidthFront = 0.25f;  // Q
    c.ValveEndWidthRear = 0.33f;  // S
    c.ValveEndWidthFront = 0.36f;  // T
    c.ValveCtrToJoint = 3.0f;     // U
    c.CylCtrToDriver = 15.0f;     // E
    return m;
}

// The letters as the stored singles hold them.
struct Letters {
    double O, R, P, Q, S, T, U, E;
    explicit Letters(const CylinderRecord& c)
        : O(c.ValveBoreCtrToPort), R(c.ValveCtrToRing), P(c.ValvePortWidthRear),
          Q(c.ValvePortWidthFront), S(c.ValveEndWidthRear), T(c.ValveEndWidthFront),
          U(c.ValveCtrToJoint), E(c.CylCtrToDriver) {}
};

TEST(PortEdges, AreThePortEdgesSeenFromTheValveAndTheJointOffset) {
    Model m = Asymmetric();
    m.Gear.DriverAngle = 50;
    SolveLinkage(m);
    const ValveState& s = m.Valve;
    const Letters l(m.Cyl);
    const double lap = l.O - l.R;  // port inner edge less ring inside edge
    const double c = l.U - l.E;    // joint ahead of the valve centre, less the cylinder centre
    EXPECT_FLOAT_EQ(s.FrontSteamEdge, lap);
    EXPECT_FLOAT_EQ(s.RearSteamEdge, lap);
    EXPECT_FLOAT_EQ(s.FrontSteamFull, lap + l.Q);
    EXPECT_FLOAT_EQ(s.RearSteamFull, lap + l.P);
    EXPECT_FLOAT_EQ(s.FrontExhaustEdge, lap + l.Q - l.T);
    EXPECT_FLOAT_EQ(s.RearExhaustEdge, lap + l.P - l.S);
    EXPECT_FLOAT_EQ(s.ValveDisplacement, m.P(4).X + c);
    EXPECT_FLOAT_EQ(s.FrontLeadTerm, c - lap);
    EXPECT_FLOAT_EQ(s.RearLeadTerm, -c - lap);
    EXPECT_FLOAT_EQ(s.FrontLapTerm, lap - c);
    EXPECT_FLOAT_EQ(s.RearLapTerm, lap + c);
    EXPECT_FLOAT_EQ(s.FrontExClTerm, lap + l.Q - l.T - c);
    EXPECT_FLOAT_EQ(s.RearExClTerm, lap + l.P - l.S + c);
}

// The openings measured edge to edge: valve centre at V from the bore centre, ring
// inside edges at V +- R, outside edges at V + R + T and V - R - S, port inner edges at
// +-O, outer edges at O + Q and -O - P.
TEST(PortOpenings, AreTheGapsBetweenRingEdgesAndPortEdges) {
    Model m = Asymmetric();
    const Letters l(m.Cyl);
    for (double v : {-0.4, -0.12, 0.0, 0.07, 0.3, 0.55}) {
        m.P(4).X = static_cast<float>(l.E - l.U + v);
        SolvePistonAndPorts(m);
        const double V = m.P(4).X + l.U - l.E;  // the displacement the stored X4 gives
        EXPECT_NEAR(m.Valve.FrontSteamOpening, (V + l.R) - l.O, 1e-6) << v;
        EXPECT_NEAR(m.Valve.FrontExhaustOpening, (l.O + l.Q) - (V + l.R + l.T), 1e-6) << v;
        EXPECT_NEAR(m.Valve.RearSteamOpening, -l.O - (V - l.R), 1e-6) << v;
        EXPECT_NEAR(m.Valve.RearExhaustOpening, (V - l.R - l.S) - (-l.O - l.P), 1e-6) << v;
    }
}

TEST(PortOpenings, CentredNominalValveCoversBothSteamPortsByTheLapAndIsLineAndLineOnExhaust) {
    Model m = Nominal();
    m.P(4).X = 16.0f - 3.176f;
    SolvePistonAndPorts(m);
    EXPECT_NEAR(m.Valve.FrontSteamOpening, -0.155, 1e-6);
    EXPECT_NEAR(m.Valve.RearSteamOpening, -0.155, 1e-6);
    EXPECT_NEAR(m.Valve.FrontExhaustOpening, 0, 1e-6);
    EXPECT_NEAR(m.Valve.RearExhaustOpening, 0, 1e-6);
}

}  // namespace
}  // namespace lm
