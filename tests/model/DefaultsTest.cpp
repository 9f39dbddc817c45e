// The start-up state and what each editor reset restores.

#include <algorithm>

#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "kinematics/StartUp.h"
#include "model/Defaults.h"

namespace lm {
namespace {

using test::Differences;
using test::DimFields;

bool Contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

TEST(StartUpState, IsTheNominalGearAtMidGearBeforeAnyTick) {
    Model m;
    StartUp(m);
    for (const auto& d : DimFields()) EXPECT_EQ(d.at(m), d.nominal) << d.code;
    EXPECT_EQ(m.Frame.FrameSpare, 2.75f);
    EXPECT_EQ(m.Cyl.CylinderSpare, 0.0f);

    EXPECT_EQ(m.P(6).X, 8.13f);
    EXPECT_EQ(m.P(6).Y, 1.3f);
    EXPECT_EQ(m.P(17).X, 6.0f);
    EXPECT_EQ(m.P(17).Y, 2.0f);
    EXPECT_EQ(m.P(3).Y, 0.0f);
    EXPECT_EQ(m.P(4).Y, 2.25f);
    for (int p : {0, 1, 19, 20}) {
        EXPECT_EQ(m.P(p).X, 0.0f) << p;
        EXPECT_EQ(m.P(p).Y, 0.0f) << p;
    }

    EXPECT_EQ(m.Gear.RotationDir, Rotation::Fwd);
    EXPECT_EQ(m.Gear.StepAngle, 10.0f);
    EXPECT_EQ(m.Gear.DriverAngle, 0.0f);  // mid gear is found at 90 and the angle put back
    EXPECT_EQ(m.Gear.SolverTolerance, 0.0001f);
    EXPECT_TRUE(m.Gear.ErrorBeepOn);
    EXPECT_FALSE(m.Gear.GearError);
    EXPECT_EQ(m.Gear.RevArmPosCount, 1);
    EXPECT_EQ(m.Gear.RevArmPos, m.Gear.RevArmCenter);
    EXPECT_EQ(m.Gear.RevArmPositions[1], m.Gear.RevArmCenter);
    for (int i = 4; i <= kRevArmPositionCount; ++i) EXPECT_EQ(m.Gear.RevArmPositions[i], 0.0f);
    EXPECT_EQ(m.DataSetName, "Nominal");

    EXPECT_EQ(m.View.ViewScale, 28.5f);
    EXPECT_EQ(m.View.ViewOriginX, 110.0f);
    EXPECT_EQ(m.View.ViewOriginY, 270.0f);
    const float presets[kViewPresetCount][3] = {{0, 0, 0},       {62, 310, 237},   {50, -100, 250},
                                                {100, -500, 200}, {59, -570, 250},  {250, -3300, 700},
                                                {250, -4000, 700}};
    for (int i = 0; i < kViewPresetCount; ++i) {
        EXPECT_EQ(m.View.ViewPresets[i].Scale, presets[i][0]) << i;
        EXPECT_EQ(m.View.ViewPresets[i].OriginX, presets[i][1]) << i;
        EXPECT_EQ(m.View.ViewPresets[i].OriginY, presets[i][2]) << i;
    }
    EXPECT_EQ(m.Diagram.VerticalScale, 1.5f);
    EXPECT_EQ(m.Diagram.GraphicZoom, 7.5f);
    EXPECT_EQ(m.Dyn.DynStep, 0.001f);
    EXPECT_EQ(m.Display.TextScaleX, 1.0f);
    EXPECT_EQ(m.Display.TextScaleY, 1.0f);
    EXPECT_EQ(m.Display.FrontSteamLevel, 20.0f);
    EXPECT_EQ(m.Display.RearSteamLevel, 20.0f);
    EXPECT_FALSE(m.Display.SteamDisplayOn);

    for (const DynSlot& s : m.Dyn.DynQueue) {
        EXPECT_EQ(s.DimensionNumber, 0);
        EXPECT_EQ(s.Value, 0.0f);
        EXPECT_EQ(s.DynVarName, std::string(13, ' ') + "??");
    }
    EXPECT_EQ(m.Lines.CurrentEntry, 1);
    for (int i = 1; i <= kOverlayEntryCount; ++i) {
        EXPECT_EQ(m.Lines.Entries[i].Type, -1.0f) << i;
        EXPECT_EQ(m.Lines.Entries[i].Color, -1.0f) << i;
        EXPECT_EQ(m.Lines.Entries[i].Reference, -1.0f) << i;
        EXPECT_EQ(m.Lines.Entries[i].Horz1, 0.0f) << i;
    }
}

TEST(StartUpState, ValveBoreLengthIsZeroUntilTheCylinderReset) {
    Model m;
    SetStartupDefaults(m);
    EXPECT_EQ(m.Cyl.ValveBoreLen, 0.0f);
    ResetCylinderDimensions(m);
    EXPECT_EQ(m.Cyl.ValveBoreLen, 4.0f);
}

TEST(Resets, FrameResetRestoresEveryFrameDimensionAndBothTwinPairsOnly) {
    Model m;
    StartUp(m);
    Model scrambled = m;
    for (const auto& d : DimFields()) d.at(scrambled) = -123.5f;
    scrambled.Frame.FrameSpare = -1;
    scrambled.P(6) = Pivot{-4, -5, 0, 0};
    scrambled.P(17) = Pivot{-6, -7, 0, 0};
    const Model before = scrambled;

    ResetFrameDimensions(scrambled);
    const std::vector<std::string> changed = Differences(before, scrambled);
    // DimFields lists the 27 frame dimensions first, then the 17 cylinder ones.
    for (std::size_t i = 0; i < DimFields().size(); ++i) {
        const auto& d = DimFields()[i];
        EXPECT_EQ(d.at(scrambled), i < 27 ? d.nominal : -123.5f) << d.code;
    }
    EXPECT_EQ(scrambled.Frame.FrameSpare, 2.75f);
    EXPECT_EQ(scrambled.P(6).X, 8.13f);
    EXPECT_EQ(scrambled.P(6).Y, 1.3f);
    EXPECT_EQ(scrambled.P(17).X, 6.0f);
    EXPECT_EQ(scrambled.P(17).Y, 2.0f);
    for (const std::string& name : changed)
        EXPECT_TRUE(name.starts_with("Frame.") || name.starts_with("Pivot6.") ||
                    name.starts_with("Pivot7.") || name.starts_with("Pivot16.") ||
                    name.starts_with("Pivot17."))
            << name << " changed by the frame reset";
}

TEST(Resets, CylinderResetRestoresTheCylinderAndTheValveStemHeightOnly) {
    Model m;
    StartUp(m);
    m.Cyl.ValveCLToCylCL = 5;
    m.P(3).Y = 1;
    m.P(4).Y = 6;
    m.Cyl.CylinderSpare = 9;
    for (const auto& d : DimFields())
        if (d.code.starts_with("Valve")) d.at(m) = -2;
    m.Frame.DriverDia = 99;
    const Model before = m;

    ResetCylinderDimensions(m);
    EXPECT_EQ(m.P(3).Y, 0.0f);
    EXPECT_EQ(m.P(4).Y, 2.25f);  // Y3 + the nominal ValveCLToCylCL
    EXPECT_EQ(m.Cyl.CylinderSpare, 0.0f);
    EXPECT_EQ(m.Cyl.ValveBoreCtrToPort, 1.155f);
    EXPECT_EQ(m.Cyl.ValveEndWidthFront, 0.342f);
    EXPECT_EQ(m.Frame.DriverDia, 99.0f);
    EXPECT_EQ(m.Frame.ValveConRodLen, -2.0f);  // a frame dimension
    for (const std::string& name : Differences(before, m))
        EXPECT_TRUE(name.starts_with("Cyl.") || name == "Pivot3.Y" || name == "Pivot4.Y")
            << name << " changed by the cylinder reset";
    EXPECT_TRUE(Contains(Differences(before, m), "Pivot4.Y"));
}

}  // namespace
}  // namespace lm
