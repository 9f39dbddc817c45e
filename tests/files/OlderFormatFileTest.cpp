// Importing the older program's files: every slot, extra records ignored, broken files
// refused with the model untouched.

#include <cmath>
#include <limits>
#include <set>

#include <gtest/gtest.h>

#include "../model/ModelTestSupport.h"
#include "FileTestSupport.h"
#include "files/OlderFormatFile.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

using test::Differences;
using test::DistinctValue;
using test::ScratchFolder;
using test::Slots;

using Field = float& (*)(Model&);
#define AT(expr) [](Model& m) -> float& { return expr; }

// The older program's 13 records, slot by slot.
const Field kLayout[13][5] = {
    {AT(m.Frame.EccAngFwd), AT(m.Frame.EccAngRev), AT(m.Frame.RockerUpperBackSet), AT(m.Frame.RevArmBackSet), AT(m.Frame.Stroke)},
    {AT(m.Frame.EccCircleDia), AT(m.Frame.DriverDia), AT(m.Frame.MainRodLen), AT(m.Frame.ValveConRodLen), AT(m.Frame.RockerUpperLen)},
    {AT(m.Frame.RockerLowerLen), AT(m.Frame.LinkCentBackSet), AT(m.Frame.LinkEccPivotBackSet), AT(m.Frame.LinkEccPivotVert), AT(m.Frame.EccRodFwd)},
    {AT(m.Frame.EccRodRev), AT(m.Frame.LiftingLinkLen), AT(m.Frame.LiftingArmLen), AT(m.Frame.FrameSpare), AT(m.Frame.RevArmLen)},
    {AT(m.Frame.LinkRadius), AT(m.P(6).X), AT(m.P(6).Y), AT(m.P(16).X), AT(m.P(16).Y)},
    {AT(m.P(7).X), AT(m.P(7).Y), AT(m.P(17).X), AT(m.P(17).Y), AT(m.P(3).Y)},
    {AT(m.P(3).Y), AT(m.Cyl.CylCtrToDriver), AT(m.Cyl.CylBoreDia), AT(m.Cyl.CylBoreLen), AT(m.Cyl.CylinderSpare)},
    {AT(m.Cyl.CylPortWidth), AT(m.Cyl.PistonToCrosshead), AT(m.Cyl.PistonWidth), AT(m.Cyl.ValveBoreDia), AT(m.Cyl.ValveBoreLen)},
    {AT(m.Cyl.ValveBoreCtrToPort), AT(m.Cyl.ValvePortWidthRear), AT(m.Cyl.ValveCtrToRing), AT(m.Cyl.ValveEndWidthRear), AT(m.Cyl.ValveCtrToJoint)},
    {AT(m.Cyl.ValveCLToCylCL), AT(m.Cyl.ValvePortWidthFront), AT(m.Cyl.ValveEndWidthFront), AT(m.Cyl.ValveEndWidthFront), AT(m.Cyl.ValveEndWidthFront)},
    {AT(m.Cyl.ValveEndWidthFront), AT(m.Cyl.ValveEndWidthFront), AT(m.Cyl.ValveEndWidthFront), AT(m.Cyl.ValveEndWidthFront), AT(m.P(4).Y)},
    {AT(m.View.ViewScale), AT(m.View.ViewOriginX), AT(m.View.ViewOriginY), AT(m.View.ViewOriginY), AT(m.Frame.RevArmCentNorm)},
    {AT(m.Frame.RevArmCentMax), AT(m.P(18).X), AT(m.Frame.EccDia), AT(m.Diagram.DiagramRevArmPos), AT(m.Diagram.VerticalScale)},
};

Model Started() {
    Model m;
    StartUp(m);
    return m;
}

// Slots whose field occurs again later, and the two that the mid-gear solve overwrites.
const std::set<std::pair<int, int>> kNotFinal = {{6, 5}, {10, 3}, {10, 4}, {10, 5}, {11, 1}, {11, 2},
                                                 {11, 3}, {12, 3}, {11, 5}, {13, 2}};

TEST(OlderFormatImport, TakesEveryFieldFromItsSlotWithTheLaterOfTwoWinning) {
    ScratchFolder dir;
    const std::string path = dir / "old gear.lmp";
    test::WriteRecords(path, test::DistinctRecords(13));
    Model m = Started();
    m.Lines.Entries[4].Vert2 = 3;
    m.Lines.CurrentEntry = 8;
    m.Gear.RevArmPositions[6] = 5.25f;
    const Model before = m;

    const FileResult result = ImportOlderFormatFile(m, path);
    ASSERT_TRUE(result.ok()) << result.error;
    for (int r = 1; r <= 13; ++r)
        for (int s = 1; s <= 5; ++s)
            if (!kNotFinal.count({r, s})) {
                EXPECT_EQ(kLayout[r - 1][s - 1](m), DistinctValue(r, s)) << "record " << r << " slot " << s;
            }
    EXPECT_EQ(m.Frame.EccDia, DistinctValue(13, 3));
    EXPECT_EQ(m.Frame.DriverDia, DistinctValue(2, 2));
    EXPECT_EQ(m.P(3).Y, DistinctValue(7, 1));
    EXPECT_EQ(m.Cyl.ValveEndWidthFront, DistinctValue(11, 4));
    EXPECT_EQ(m.View.ViewOriginY, DistinctValue(12, 4));
    // The valve stem height read is replaced by the solve of the mid-gear calculation.
    EXPECT_FLOAT_EQ(m.P(4).Y, DistinctValue(7, 1) + DistinctValue(10, 1));
    EXPECT_EQ(m.DataSetName, "old gear");

    // Nothing the older format does not hold is touched.
    Model untouched = m;
    untouched.Lines = before.Lines;
    untouched.View.ViewPresets = before.View.ViewPresets;
    untouched.Diagram.GraphicZoom = before.Diagram.GraphicZoom;
    for (int i = 4; i <= 9; ++i) untouched.Gear.RevArmPositions[i] = before.Gear.RevArmPositions[i];
    EXPECT_TRUE(Differences(untouched, m).empty());
}

TEST(OlderFormatImport, RecordsBeyondTheThirteenthAreIgnored) {
    ScratchFolder dir;
    const std::string path = dir / "long.lmp";
    Slots records = test::DistinctRecords(20);
    for (std::size_t r = 13; r < 20; ++r) records[r].fill(std::numeric_limits<float>::infinity());
    test::WriteRecords(path, records);
    Model m = Started();
    const FileResult result = ImportOlderFormatFile(m, path);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(m.Diagram.VerticalScale, DistinctValue(13, 5));
}

void ExpectImportRefused(const std::string& path, const std::string& what) {
    Model m = Started();
    m.DataSetName = "Before";
    const Model before = m;
    const FileResult result = ImportOlderFormatFile(m, path);
    EXPECT_FALSE(result.ok()) << what;
    EXPECT_NE(result.error.find(path), std::string::npos) << what << ": " << result.error;
    EXPECT_EQ(Differences(before, m), std::vector<std::string>{}) << what;
}

TEST(OlderFormatImport, BrokenFilesAreRefusedWithTheModelUntouched) {
    ScratchFolder dir;
    const std::string path = dir / "broken.lmp";
    for (int count : {0, 1, 12}) {
        test::WriteRecords(path, test::DistinctRecords(count));
        ExpectImportRefused(path, std::to_string(count) + " records");
    }
    std::vector<unsigned char> ragged = test::LittleEndianBytes(test::DistinctRecords(13));
    ragged.push_back(0);
    test::WriteBytes(path, ragged);
    ExpectImportRefused(path, "13 records and a byte");
    for (auto [r, s] : {std::pair{1, 1}, std::pair{7, 1}, std::pair{13, 5}}) {
        Slots records = test::DistinctRecords(13);
        records[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(s - 1)] = std::nanf("");
        test::WriteRecords(path, records);
        ExpectImportRefused(path, "NaN in record " + std::to_string(r));
    }
    ExpectImportRefused(dir / "absent.lmp", "missing");
    std::filesystem::create_directory(dir / "folder.lmp");
    ExpectImportRefused(dir / "folder.lmp", "folder");
}

}  // namespace
}  // namespace lm
