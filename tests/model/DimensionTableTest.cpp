// The dimension table's names and numbers, where each value is stored, and the side
// effects of an edit.

#include <array>
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "kinematics/StartUp.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"

namespace lm {
namespace {

using test::Differences;
using test::DimFields;

struct Expected {
    const char* code;
    int number;
    const char* name;
};

// As the editors show them, the double blanks and the old misspelling included.
const Expected kExpected[44] = {
    {"DriverDia", 1, "Driver Dia"},
    {"Stroke", 2, "Stroke"},
    {"MainRodLen", 3, "Main Rod Length"},
    {"EccCircleDia", 4, "Eccentric Circle Dia"},
    {"EccDia", 5, "Eccentric Dia"},
    {"EccAngFwd", 6, "Eccentric Forward Angle"},
    {"EccAngRev", 7, "Eccentric Reverse Angle"},
    {"EccRodFwd", 8, "Eccentric Forward Rod"},
    {"EccRodRev", 9, "Eccemtric Reverse Rod"},
    {"LinkRadius", 10, "Link Radius"},
    {"LinkCentBackSet", 11, "Link Cent Pivot Back Set"},
    {"LinkEccPivotVert", 12, "Link-Ecc Rod Pivot Vert"},
    {"LinkEccPivotBackSet", 13, "Link-Ecc Rod Pivot BkS"},
    {"RockerUpperLen", 14, "Rocker Upper Length"},
    {"RockerUpperBackSet", 15, "Rocker Upper Back Set"},
    {"RockerLowerLen", 16, "Rocker Lower Length"},
    {"RockerPivotVert", 17, "Rocker Pivot Vert"},
    {"RockerPivotHorz", 18, "Rocker Pivot Horz"},
    {"ValveConRodLen", 19, "Valve Con Rod Length"},
    {"LiftingLinkLen", 20, "Lifting Link Length"},
    {"RevArmLen", 21, "Reverse Arm Length"},
    {"RevArmBackSet", 22, "Reverse Arm Back Set"},
    {"LiftingArmLen", 23, "Lifting Arm Length"},
    {"RevLiftPivotVert", 24, "Rev/Lift Arm Pivot Vert"},
    {"RevLiftPivotHorz", 25, "Rev/Lift Arm Pivot Horz"},
    {"RevArmCentNorm", 0, ""},
    {"RevArmCentMax", 0, ""},
    {"CylCtrToDriver", 101, "Cyl ctr to Driver ctr"},
    {"CylCLAboveDriver", 102, "Cyl CL above Driver ctr"},
    {"CylBoreDia", 103, "Cylinder Bore Dia"},
    {"CylBoreLen", 104, "Cylinder Bore Length"},
    {"CylPortWidth", 105, "Cyl Steam Port Width"},
    {"PistonToCrosshead", 106, "Piston ctr to Crosshead"},
    {"PistonWidth", 107, "Piston Width"},
    {"ValveCLToCylCL", 108, "Valve CL to Cyl CL"},
    {"ValveBoreDia", 109, "Valve Bore Dia"},
    {"ValveBoreLen", 110, "Valve Bore Length"},
    {"ValveBoreCtrToPort", 111, "Valve Bore ctr to Port"},
    {"ValvePortWidthRear", 112, "ValveBorePortWidthRear"},
    {"ValvePortWidthFront", 113, "ValveBorePortWidthFront"},
    {"ValveCtrToRing", 114, "Valve ctr to Ring"},
    {"ValveEndWidthRear", 115, "Valve End Width  Rear"},
    {"ValveEndWidthFront", 116, "Valve End Width  Front"},
    {"ValveCtrToJoint", 117, "Valve ctr to Joint (Stem)"},
};

TEST(DimensionTable, ListsTheFortyFourDimensionsWithTheirNumbersAndNames) {
    const auto all = AllDimensions();
    ASSERT_EQ(all.size(), 44u);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Expected& e = kExpected[i];
        EXPECT_EQ(all[i].CodeName, e.code) << i;
        EXPECT_EQ(all[i].DimensionNumber, e.number) << e.code;
        EXPECT_EQ(all[i].DynVarName, e.name) << e.code;
        EXPECT_LE(all[i].DynVarName.size(), 25u) << e.code;
        EXPECT_EQ(all[i].Group, i < 27 ? DimensionGroup::Frame : DimensionGroup::Cylinder) << e.code;
        EXPECT_EQ(all[i].EditorNumber, static_cast<int>(i < 27 ? i + 1 : i - 26)) << e.code;

        EXPECT_EQ(FindDimension(e.code), &all[i]) << e.code;
        if (e.number != 0) {
            EXPECT_EQ(FindDimensionByNumber(e.number), &all[i]) << e.code;
        }
    }
    EXPECT_EQ(FindDimension("driverdia"), nullptr);
    EXPECT_EQ(FindDimension(""), nullptr);
    for (int n : {0, -1, 26, 27, 100, 118}) EXPECT_EQ(FindDimensionByNumber(n), nullptr) << n;
}

// Every dimension is stored where the model keeps it, its twin pivot with it, and
// nowhere else.
TEST(DimensionTable, StoresEachDimensionInItsOwnPlaceAndItsTwin) {
    Model start;
    StartUp(start);
    const std::map<std::string, std::set<std::string>> twins = {
        {"RockerPivotVert", {"Pivot6.Y"}},
        {"RockerPivotHorz", {"Pivot6.X"}},
        {"RevLiftPivotVert", {"Pivot17.Y"}},
        {"RevLiftPivotHorz", {"Pivot17.X"}},
    };
    float value = 50.125f;
    for (const auto& field : DimFields()) {
        const DimensionInfo* d = FindDimension(field.code);
        ASSERT_NE(d, nullptr) << field.code;
        Model m = start;
        value += 1;
        StoreDimension(m, *d, value);
        EXPECT_EQ(field.at(m), value) << field.code;
        EXPECT_EQ(GetDimension(m, *d), value) << field.code;

        Model expected = start;
        field.at(expected) = value;
        std::set<std::string> extra;
        for (const std::string& n : Differences(expected, m)) extra.insert(n);
        const auto t = twins.find(std::string(field.code));
        EXPECT_EQ(extra, t == twins.end() ? std::set<std::string>{} : t->second) << field.code;
    }
}

class EditedDimension : public ::testing::Test {
protected:
    void SetUp() override { StartUp(m); }
    void Edit(const char* code, float v) {
        const DimensionInfo* d = FindDimension(code);
        ASSERT_NE(d, nullptr);
        ApplyEditedDimension(m, *d, v);
    }
    Model m;
};

TEST_F(EditedDimension, EccentricAnglesAreBroughtIntoZeroTo360) {
    const std::pair<float, float> cases[] = {{370, 10}, {-30, 330}, {720, 0}, {360, 0},
                                             {0, 0},    {359.5f, 359.5f}, {-720, 0}};
    for (const char* code : {"EccAngFwd", "EccAngRev"})
        for (auto [typed, stored] : cases) {
            Edit(code, typed);
            EXPECT_FLOAT_EQ(GetDimension(m, *FindDimension(code)), stored) << code << " " << typed;
        }
    Edit("DriverDia", 370);  // only the two angles wrap
    EXPECT_EQ(m.Frame.DriverDia, 370.0f);
    Edit("EccRodFwd", -30);
    EXPECT_EQ(m.Frame.EccRodFwd, -30.0f);
}

TEST_F(EditedDimension, PivotDimensionsKeepTheirTwinsEqual) {
    Edit("RockerPivotVert", 2.5f);
    Edit("RockerPivotHorz", 7.75f);
    Edit("RevLiftPivotVert", -1.25f);
    Edit("RevLiftPivotHorz", 5.5f);
    EXPECT_EQ(m.P(7).Y, 2.5f);
    EXPECT_EQ(m.P(6).Y, 2.5f);
    EXPECT_EQ(m.P(7).X, 7.75f);
    EXPECT_EQ(m.P(6).X, 7.75f);
    EXPECT_EQ(m.P(16).Y, -1.25f);
    EXPECT_EQ(m.P(17).Y, -1.25f);
    EXPECT_EQ(m.P(16).X, 5.5f);
    EXPECT_EQ(m.P(17).X, 5.5f);
}

TEST_F(EditedDimension, ValveStemHeightFollowsTheCylinderAndValveCentreLines) {
    Edit("CylCLAboveDriver", 1);  // both centre lines move up together
    EXPECT_EQ(m.P(3).Y, 1.0f);
    EXPECT_EQ(m.P(4).Y, 3.25f);
    Edit("ValveCLToCylCL", 3);  // only the valve's moves
    EXPECT_EQ(m.P(3).Y, 1.0f);
    EXPECT_EQ(m.P(4).Y, 4.0f);
    m.P(4).Y = 77;
    Edit("CylBoreDia", 2);  // other cylinder dimensions leave it alone
    EXPECT_EQ(m.P(4).Y, 77.0f);
}

TEST_F(EditedDimension, NormalTravelLargerThanMaximumIsPulledBackAndDefinedPositionsClamped) {
    m.Gear.RevArmCenter = 6;
    m.Gear.RevArmPositions = {0, 6, 7.04f, 4.96f, 0, 9, 3, 6.5f, 0, 0};
    Edit("RevArmCentNorm", 1.2f);  // within the maximum: nothing else happens
    EXPECT_EQ(m.Frame.RevArmCentNorm, 1.2f);
    EXPECT_EQ(m.Gear.RevArmPositions[5], 9.0f);

    Edit("RevArmCentNorm", 2);
    EXPECT_EQ(m.Frame.RevArmCentNorm, 1.3f);
    EXPECT_EQ(m.Frame.RevArmCentMax, 1.3f);
    const float lo = 6 - 1.3f, hi = 6 + 1.3f;
    const std::array<float, 10> want = {0, 6, 7.04f, 4.96f, 0, hi, lo, 6.5f, 0, 0};
    for (int i = 0; i <= kRevArmPositionCount; ++i)
        EXPECT_FLOAT_EQ(m.Gear.RevArmPositions[i], want[i]) << i;
}

TEST_F(EditedDimension, MaximumSmallerThanNormalTravelIsRaisedAndAllPositionsClamped) {
    m.Gear.RevArmCenter = 6;
    m.Gear.RevArmPositions = {0, 6, 7.04f, 4.96f, 0, 9, 3, 6.5f, 0, 0};
    Edit("RevArmCentMax", 2);  // not below the normal travel: positions stay
    EXPECT_EQ(m.Frame.RevArmCentMax, 2.0f);
    EXPECT_EQ(m.Gear.RevArmPositions[5], 9.0f);

    Edit("RevArmCentMax", 0.5f);
    EXPECT_EQ(m.Frame.RevArmCentMax, 1.04f);
    EXPECT_EQ(m.Frame.RevArmCentNorm, 1.04f);
    const float lo = 6 - 1.04f, hi = 6 + 1.04f;
    // The unused (zero) positions are clamped as well.
    const std::array<float, 10> want = {0, 6, hi, lo, lo, hi, lo, 6.5f, lo, lo};
    for (int i = 0; i <= kRevArmPositionCount; ++i)
        EXPECT_FLOAT_EQ(m.Gear.RevArmPositions[i], want[i]) << i;
}

}  // namespace
}  // namespace lm
