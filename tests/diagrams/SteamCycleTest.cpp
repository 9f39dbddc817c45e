// The indicator cycle stepped through its phases: exhaust, compression, admission,
// cut-off, expansion and release.

#include "diagrams/SteamCycle.h"

#include <gtest/gtest.h>

namespace lm {
namespace {

CylinderEndState At(SteamPhase phase, float pressure, float release = 0) {
    CylinderEndState e;
    e.Phase = phase;
    e.Pressure = pressure;
    e.ReleasePressure = release;
    return e;
}

TEST(SteamCycle, ExhaustBlowsDownToFiveThenCompressesOnceTheExhaustShuts) {
    CylinderEndState e = At(SteamPhase::Exhaust, 100, 150);
    CylinderStep open{300, 290, -0.1f, 0.2f};
    AdvanceCylinderEnd(e, CylinderEnd::Front, open);
    EXPECT_FLOAT_EQ(e.Pressure, 90);  // a fifteenth of the release pressure per step
    EXPECT_EQ(e.Phase, SteamPhase::Exhaust);
    e.Pressure = 8;
    AdvanceCylinderEnd(e, CylinderEnd::Front, open);
    EXPECT_FLOAT_EQ(e.Pressure, 5);

    // Front: c = 300 / (99 + 1) + 0.3 = 3.3, and 3.3^4 = 118.5921.
    CylinderStep shut{99, 300, -0.1f, -0.01f};
    AdvanceCylinderEnd(e, CylinderEnd::Front, shut);
    EXPECT_NEAR(e.Pressure, 5 + 118.5921, 1e-3);
    EXPECT_EQ(e.Phase, SteamPhase::Compression);

    // Rear: c = (640 - 340) / (641 - 540) + 0.3 = 300 / 101 + 0.3.
    CylinderEndState r = At(SteamPhase::Exhaust, 10);
    CylinderStep rear{540, 340, -0.1f, -0.01f};
    AdvanceCylinderEnd(r, CylinderEnd::Rear, rear);
    const double c = 300.0 / 101 + 0.3;
    EXPECT_NEAR(r.Pressure, 10 + c * c * c * c, 1e-3);
}

TEST(SteamCycle, CompressionAdmitsWhenTheSteamPortOpensOrTheDeadCentreIsPassed) {
    CylinderEndState e = At(SteamPhase::Compression, 50);
    CylinderStep tiny{55, 60, 0.001f, -1};  // moving towards the front cover
    AdvanceCylinderEnd(e, CylinderEnd::Front, tiny);
    EXPECT_FLOAT_EQ(tiny.SteamOpening, 0.005f);  // a crack admits as 0.005 and is kept so
    EXPECT_NEAR(e.Pressure, 50 + 0.005 * 100000 / 100, 1e-4);
    EXPECT_EQ(e.Phase, SteamPhase::Admission);

    CylinderEndState f = At(SteamPhase::Compression, 50);
    CylinderStep past{3, 1, -0.02f, -1};  // travel rising again: front dead centre passed
    AdvanceCylinderEnd(f, CylinderEnd::Front, past);
    EXPECT_EQ(f.Phase, SteamPhase::Admission);
    CylinderEndState g = At(SteamPhase::Compression, 50);
    AdvanceCylinderEnd(g, CylinderEnd::Rear, past);  // for the rear end that is no dead centre
    EXPECT_EQ(g.Phase, SteamPhase::Compression);
}

TEST(SteamCycle, AdmissionIsCappedAndCutOffTurnsToExpansionAndRearmsTheLabel) {
    CylinderEndState e = At(SteamPhase::Admission, 290);
    e.LabelDrawn = true;
    CylinderStep open{185, 180, 0.1f, -1};
    AdvanceCylinderEnd(e, CylinderEnd::Rear, open);  // +0.1 * 100000 / (685 - 185) = +20
    EXPECT_FLOAT_EQ(e.Pressure, 303);
    EXPECT_FALSE(e.LabelDrawn);

    CylinderEndState r = At(SteamPhase::Admission, 100);
    CylinderStep rearCut{540, 340, -0.01f, -1};  // (740 - 340) / (740 - 540) * 0.96
    AdvanceCylinderEnd(r, CylinderEnd::Rear, rearCut);
    EXPECT_NEAR(r.Pressure, 192, 1e-3);
    EXPECT_EQ(r.Phase, SteamPhase::Expansion);

    CylinderEndState f = At(SteamPhase::Admission, 200);
    CylinderStep frontCut{300, 100, -0.01f, -1};  // (100 + 100) / (300 + 100) * 0.96
    AdvanceCylinderEnd(f, CylinderEnd::Front, frontCut);
    EXPECT_NEAR(f.Pressure, 96, 1e-3);
}

TEST(SteamCycle, ReleaseRemembersThePressureAndReopeningSteamReadmits) {
    CylinderEndState e = At(SteamPhase::Expansion, 150);
    CylinderStep release{500, 490, -0.2f, 0.01f};
    AdvanceCylinderEnd(e, CylinderEnd::Front, release);
    EXPECT_FLOAT_EQ(e.ReleasePressure, 150);
    EXPECT_FLOAT_EQ(e.Pressure, 140);
    EXPECT_EQ(e.Phase, SteamPhase::Exhaust);

    CylinderEndState f = At(SteamPhase::Expansion, 150);
    CylinderStep readmit{300, 290, 0.01f, -0.2f};
    AdvanceCylinderEnd(f, CylinderEnd::Front, readmit);
    EXPECT_EQ(f.Phase, SteamPhase::Admission);
    EXPECT_NEAR(f.Pressure, 150.0 * 390 / 400 * 0.96, 1e-3);  // expanded this step all the same
}

}  // namespace
}  // namespace lm
