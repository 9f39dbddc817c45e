// The dimension data file: every field in its slot both ways, round trips, broken files
// refused, and saves that never damage the file already there.

#include <sys/resource.h>
#include <sys/wait.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "../model/ModelTestSupport.h"
#include "FileTestSupport.h"
#include "files/DimensionFile.h"
#include "kinematics/MidGear.h"
#include "kinematics/StartUp.h"

namespace lm {
namespace {

using test::Differences;
using test::ScratchFolder;
using test::Slots;

using Field = float& (*)(Model&);
#define AT(expr) [](Model& m) -> float& { return expr; }

// Records 1..18, slot by slot, as the file format lays them out.
const Field kLayout[18][5] = {
    {AT(m.Frame.DriverDia), AT(m.Frame.Stroke), AT(m.Frame.MainRodLen), AT(m.Frame.EccCircleDia), AT(m.Frame.EccDia)},
    {AT(m.Frame.EccAngFwd), AT(m.Frame.EccAngRev), AT(m.Frame.EccRodFwd), AT(m.Frame.EccRodRev), AT(m.Frame.LinkRadius)},
    {AT(m.Frame.LinkCentBackSet), AT(m.Frame.LinkEccPivotVert), AT(m.Frame.LinkEccPivotBackSet), AT(m.Frame.RockerUpperLen), AT(m.Frame.RockerUpperBackSet)},
    {AT(m.Frame.RockerLowerLen), AT(m.Frame.ValveConRodLen), AT(m.Frame.LiftingLinkLen), AT(m.Frame.RevArmLen), AT(m.Frame.RevArmBackSet)},
    {AT(m.Frame.LiftingArmLen), AT(m.P(6).X), AT(m.P(6).Y), AT(m.P(7).X), AT(m.P(7).Y)},
    {AT(m.P(16).X), AT(m.P(16).Y), AT(m.P(17).X), AT(m.P(17).Y), AT(m.P(3).Y)},
    {AT(m.Cyl.CylCtrToDriver), AT(m.Cyl.CylBoreDia), AT(m.Cyl.CylBoreLen), AT(m.Cyl.CylinderSpare), AT(m.Cyl.CylPortWidth)},
    {AT(m.Cyl.PistonToCrosshead), AT(m.Cyl.PistonWidth), AT(m.Cyl.ValveBoreDia), AT(m.Cyl.ValveBoreLen), AT(m.Cyl.ValveBoreCtrToPort)},
    {AT(m.Cyl.ValvePortWidthRear), AT(m.Cyl.ValveCtrToRing), AT(m.Cyl.ValveEndWidthRear), AT(m.Cyl.ValveCtrToJoint), AT(m.Cyl.ValveCLToCylCL)},
    {AT(m.Cyl.ValvePortWidthFront), AT(m.Cyl.ValveEndWidthFront), AT(m.Cyl.ValveEndWidthFront), AT(m.Cyl.ValveEndWidthFront), AT(m.Cyl.ValveEndWidthFront)},
    {AT(m.P(7).Y), AT(m.View.ViewScale), AT(m.View.ViewOriginX), AT(m.Diagram.GraphicZoom), AT(m.View.ViewOriginY)},
    {AT(m.Frame.RevArmCentNorm), AT(m.Frame.RevArmCentMax), AT(m.Gear.RevArmPos), AT(m.Diagram.DiagramRevArmPos), AT(m.Diagram.VerticalScale)},
    {AT(m.View.ViewPresets[0].Scale), AT(m.View.ViewPresets[0].OriginX), AT(m.View.ViewPresets[0].OriginY), AT(m.View.ViewPresets[1].Scale), AT(m.View.ViewPresets[1].OriginX)},
    {AT(m.View.ViewPresets[1].OriginY), AT(m.View.ViewPresets[2].Scale), AT(m.View.ViewPresets[2].OriginX), AT(m.View.ViewPresets[2].OriginY), AT(m.View.ViewPresets[3].Scale)},
    {AT(m.View.ViewPresets[3].OriginX), AT(m.View.ViewPresets[3].OriginY), AT(m.View.ViewPresets[4].Scale), AT(m.View.ViewPresets[4].OriginX), AT(m.View.ViewPresets[4].OriginY)},
    {AT(m.View.ViewPresets[5].Scale), AT(m.View.ViewPresets[5].OriginX), AT(m.View.ViewPresets[5].OriginY), AT(m.View.ViewPresets[6].Scale), AT(m.View.ViewPresets[6].OriginX)},
    {AT(m.View.ViewPresets[6].OriginY), AT(m.Gear.RevArmPositions[1]), AT(m.Gear.RevArmPositions[2]), AT(m.Gear.RevArmPositions[3]), AT(m.Gear.RevArmPositions[4])},
    {AT(m.Gear.RevArmPositions[5]), AT(m.Gear.RevArmPositions[6]), AT(m.Gear.RevArmPositions[7]), AT(m.Gear.RevArmPositions[8]), AT(m.Gear.RevArmPositions[9])},
};

// Overlay fields in the order of their four-record groups from record 19 on.
using OverlayField = float OverlayEntry::*;
const OverlayField kOverlay[13] = {
    &OverlayEntry::Horz1,      &OverlayEntry::Vert1,      &OverlayEntry::Horz2,     &OverlayEntry::Vert2,
    &OverlayEntry::RefPivot1X, &OverlayEntry::RefPivot1Y, &OverlayEntry::RefPivot2X, &OverlayEntry::RefPivot2Y,
    &OverlayEntry::Type,       &OverlayEntry::Color,      &OverlayEntry::Reference, &OverlayEntry::RefPivot1,
    &OverlayEntry::RefPivot2,
};

// Record r (19..70), slot s (1..5) belongs to this entry.
int OverlayEntryOf(int r, int s) { return ((r - 19) % 4) * 5 + s; }
OverlayField OverlayFieldOf(int r) { return kOverlay[(r - 19) / 4]; }

Model Started() {
    Model m;
    StartUp(m);
    return m;
}

// Mid-gear fields the open replaces with its own calculation.
bool ReplacedByMidGear(int r, int s) { return (r == 12 && s == 3) || (r == 17 && s >= 2 && s <= 4); }

// Records 1..18 of a file of distinct values were read into their fields.
void ExpectMainRecordsRead(Model& m, const std::string& what) {
    const std::set<std::pair<int, int>> shadowed = {{5, 5}, {10, 2}, {10, 3}, {10, 4}};  // Y7, VEWF
    for (int r = 1; r <= 18; ++r)
        for (int s = 1; s <= 5; ++s) {
            if (shadowed.count({r, s}) || ReplacedByMidGear(r, s)) continue;
            EXPECT_EQ(kLayout[r - 1][s - 1](m), test::DistinctValue(r, s)) << what << ": record " << r << " slot " << s;
        }
    EXPECT_EQ(m.P(7).Y, test::DistinctValue(11, 1)) << what;
    EXPECT_EQ(m.Cyl.ValveEndWidthFront, test::DistinctValue(10, 5)) << what;
}

TEST(DimensionFileLayout, ASaveWritesEveryFieldInItsSlotOfSeventyOneRecords) {
    ScratchFolder dir;
    Model m = Started();
    float v = 0.5f;
    for (auto& record : kLayout)
        for (Field f : record) f(m) = (v += 1.25f);  // repeated fields keep their last value
    for (int e = 1; e <= kOverlayEntryCount; ++e)
        for (OverlayField f : kOverlay) m.Lines.Entries[e].*f = (v += 1.25f);
    m.Lines.CurrentEntry = 17;

    const std::string path = dir / "layout.lmd";
    ASSERT_TRUE(SaveDimensionFile(m, path).ok());
    const std::vector<unsigned char> bytes = test::ReadBytes(path);
    ASSERT_EQ(bytes.size(), 1420u);
    for (int r = 1; r <= 18; ++r)
        for (int s = 1; s <= 5; ++s)
            EXPECT_EQ(test::SlotOf(bytes, r, s), kLayout[r - 1][s - 1](m)) << "record " << r << " slot " << s;
    for (int r = 19; r <= 70; ++r)
        for (int s = 1; s <= 5; ++s)
            EXPECT_EQ(test::SlotOf(bytes, r, s), m.Lines.Entries[OverlayEntryOf(r, s)].*OverlayFieldOf(r))
                << "record " << r << " slot " << s;
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(test::SlotOf(bytes, 71, s), 0.0f);
    EXPECT_EQ(test::SlotOf(bytes, 71, 5), 17.0f);
    EXPECT_EQ(m.DataSetName, "layout");
}

TEST(DimensionFileLayout, AnOpenTakesEveryFieldFromItsSlotWithTheLaterOfTwoWinning) {
    ScratchFolder dir;
    const std::string path = dir / "slots.lmd";
    Slots records = test::DistinctRecords(71);
    records[70][4] = 7;  // CurrentEntry
    test::WriteRecords(path, records);

    Model m = Started();
    const Model before = m;
    const FileResult result = OpenDimensionFile(m, path);
    ASSERT_TRUE(result.ok()) << result.error;

    ExpectMainRecordsRead(m, "71 records");
    for (int r = 19; r <= 70; ++r)
        for (int s = 1; s <= 5; ++s)
            EXPECT_EQ(m.Lines.Entries[OverlayEntryOf(r, s)].*OverlayFieldOf(r), test::DistinctValue(r, s))
                << "record " << r << " slot " << s;
    EXPECT_EQ(m.Lines.CurrentEntry, 7);

    // Not in the file: kept.
    EXPECT_EQ(m.Frame.FrameSpare, before.Frame.FrameSpare);
    EXPECT_EQ(m.Gear.DriverAngle, before.Gear.DriverAngle);
    EXPECT_EQ(m.Gear.StepAngle, before.Gear.StepAngle);
    EXPECT_EQ(m.Views.Norm.Scale, before.Views.Norm.Scale);
    EXPECT_EQ(m.DataSetName, "slots");
    EXPECT_EQ(m.Gear.RevArmPositions[1], m.Gear.RevArmCenter);
}

TEST(DimensionFileLayout, OlderFilesOfEighteenToTwentyRecordsLeaveTheOverlayAlone) {
    for (int count : {18, 19, 20}) {
        ScratchFolder dir;
        const std::string path = dir / "older.lmd";
        Slots records = test::DistinctRecords(count);
        for (int r = 19; r <= count; ++r) records[static_cast<std::size_t>(r - 1)].fill(std::nanf(""));
        test::WriteRecords(path, records);

        Model m = Started();
        m.Lines.Entries[3].Horz1 = 4.5f;
        m.Lines.Entries[20].Type = 2;
        m.Lines.CurrentEntry = 9;
        const Overlay overlayBefore = m.Lines;
        const FileResult result = OpenDimensionFile(m, path);
        ASSERT_TRUE(result.ok()) << count << ": " << result.error;
        ExpectMainRecordsRead(m, std::to_string(count) + " records");
        Model overlayOnly = m;
        overlayOnly.Lines = overlayBefore;
        overlayOnly.Lines.CurrentEntry = 1;
        EXPECT_TRUE(Differences(overlayOnly, m).empty()) << count;
        EXPECT_EQ(m.Lines.CurrentEntry, 1) << count;
    }
}

TEST(DimensionFileLayout, CurrentEntryIsBroughtIntoOneToTwenty) {
    const std::pair<float, int> cases[] = {{0, 1},  {57, 20},   {-3, 1},  {2.5f, 2}, {3.5f, 4},
                                           {20, 20}, {1e30f, 20}, {-1e30f, 1}, {12, 12}};
    for (auto [stored, expected] : cases) {
        ScratchFolder dir;
        const std::string path = dir / "entry.lmd";
        Slots records = test::DistinctRecords(71);
        records[70][4] = stored;
        test::WriteRecords(path, records);
        Model m = Started();
        ASSERT_TRUE(OpenDimensionFile(m, path).ok()) << stored;
        EXPECT_EQ(m.Lines.CurrentEntry, expected) << stored;
    }
}

// Everything in the file comes back, and the arm is at mid gear as the saved set had it.
TEST(DimensionFileRoundTrip, SaveThenOpenRestoresTheWholeWorkingSet) {
    ScratchFolder dir;
    Model src = Started();
    float k = 0;
    for (const auto& d : test::DimFields()) d.at(src) += (k += 0.001f);
    src.P(6) = src.P(7);
    src.P(17) = src.P(16);
    src.Cyl.CylinderSpare = 0.75f;
    src.View.ViewScale = 40;
    src.View.ViewOriginX = -12.5f;
    src.View.ViewOriginY = 333;
    src.Diagram.GraphicZoom = 9.25f;
    src.Diagram.VerticalScale = 2.5f;
    src.Diagram.DiagramRevArmPos = 6.75f;
    for (int i = 0; i < kViewPresetCount; ++i) src.View.ViewPresets[i] = {10.0f + i, -20.0f * i, 5.0f * i};
    for (int i = 4; i <= 9; ++i) src.Gear.RevArmPositions[i] = 5.5f + 0.1f * i;
    for (int e = 1; e <= kOverlayEntryCount; ++e) {
        OverlayEntry& o = src.Lines.Entries[e];
        o = {e + 0.5f, -e * 1.0f, e * 2.0f, e * 3.0f, 0.25f * e, 0.5f * e, 0.75f * e, e * 1.5f,
             static_cast<float>(e % 3), static_cast<float>(e % 7), static_cast<float>(e % 2), 9.0f, 14.0f};
    }
    src.Lines.CurrentEntry = 13;
    FindMidGear(src);
    ASSERT_FALSE(src.Gear.GearError);

    const std::string path = dir / "round trip.lmd";
    ASSERT_TRUE(SaveDimensionFile(src, path).ok());
    EXPECT_EQ(src.DataSetName, "round trip");

    Model dst = Started();
    const FileResult result = OpenDimensionFile(dst, path);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(Differences(src, dst), std::vector<std::string>{});
}

class BrokenDimensionFile : public ::testing::Test {
protected:
    // Opens the file and expects it refused, with a message naming it, and the model
    // exactly as it was.
    void ExpectRefused(const std::string& path, const std::string& what) {
        Model m = Started();
        m.DataSetName = "Before";
        m.Lines.CurrentEntry = 6;
        m.Gear.RevArmPos = 6.5f;
        const Model before = m;
        const FileResult result = OpenDimensionFile(m, path);
        EXPECT_FALSE(result.ok()) << what;
        EXPECT_NE(result.error.find(path), std::string::npos) << what << ": " << result.error;
        EXPECT_EQ(Differences(before, m), std::vector<std::string>{}) << what;
    }
    void ExpectRefused(const Slots& records, const std::string& what) {
        const std::string path = dir / "broken.lmd";
        test::WriteRecords(path, records);
        ExpectRefused(path, what);
    }
    ScratchFolder dir;
};

TEST_F(BrokenDimensionFile, WrongSizesAreRefused) {
    for (int count : {0, 1, 17, 21, 40, 70})
        ExpectRefused(test::DistinctRecords(count), std::to_string(count) + " records");
    for (int extra : {1, 7, 19}) {
        std::vector<unsigned char> bytes = test::LittleEndianBytes(test::DistinctRecords(71));
        bytes.resize(bytes.size() + static_cast<std::size_t>(extra), 0);
        test::WriteBytes(dir / "ragged.lmd", bytes);
        ExpectRefused(dir / "ragged.lmd", "71 records and " + std::to_string(extra) + " bytes");
    }
    std::vector<unsigned char> bytes = test::LittleEndianBytes(test::DistinctRecords(18));
    bytes.pop_back();
    test::WriteBytes(dir / "short.lmd", bytes);
    ExpectRefused(dir / "short.lmd", "a byte short of 18 records");
}

TEST_F(BrokenDimensionFile, NonFiniteValuesInUsedSlotsAreRefused) {
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    const std::pair<int, int> places[] = {{1, 1}, {5, 4}, {18, 5}, {19, 1}, {44, 3}, {70, 5}, {71, 5}};
    for (float v : bad)
        for (auto [r, s] : places) {
            Slots records = test::DistinctRecords(71);
            records[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(s - 1)] = v;
            ExpectRefused(records, "record " + std::to_string(r) + " slot " + std::to_string(s));
        }
    Slots older = test::DistinctRecords(18);
    older[9][2] = std::numeric_limits<float>::quiet_NaN();
    ExpectRefused(older, "older file");
}

TEST_F(BrokenDimensionFile, MissingFilesFoldersAndPipesAreRefused) {
    ExpectRefused(dir / "absent.lmd", "missing");
    std::filesystem::create_directory(dir / "folder.lmd");
    ExpectRefused(dir / "folder.lmd", "folder");

    // A pipe with no writer must not block the open. Should it ever be opened, the
    // helper below connects a writer so that the test fails instead of hanging.
    const std::string fifo = dir / "pipe.lmd";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::atomic<bool> done = false;
    std::thread unblock([&] {
        while (!done) {
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    Model m = Started();
    const Model before = m;
    const FileResult result = OpenDimensionFile(m, fifo);
    done = true;
    unblock.join();
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("not a regular file"), std::string::npos) << result.error;
    EXPECT_TRUE(Differences(before, m).empty());
}

TEST(DataSetNameFromPath, IsTheLastPathComponentLessItsExtension) {
    EXPECT_EQ(DataSetNameFromPath("/a/b/gear.lmd"), "gear");
    EXPECT_EQ(DataSetNameFromPath("gear.lmd"), "gear");
    EXPECT_EQ(DataSetNameFromPath("/a/b/gear"), "gear");
    EXPECT_EQ(DataSetNameFromPath("/a/b.old/gear"), "gear");
    EXPECT_EQ(DataSetNameFromPath("/a/b/gear.v2.lmd"), "gear.v2");
    EXPECT_EQ(DataSetNameFromPath("/a/b/my gear.LMD"), "my gear");
    EXPECT_EQ(DataSetNameFromPath("/a/b/old.lmp"), "old");
#ifdef _WIN32
    EXPECT_EQ(DataSetNameFromPath("C:\\a\\b\\gear.lmd"), "gear");
    EXPECT_EQ(DataSetNameFromPath("C:\\a/b\\gear.lmd"), "gear");
#else
    EXPECT_EQ(DataSetNameFromPath("/a/b\\c/gear.lmd"), "gear");
    EXPECT_EQ(DataSetNameFromPath("/a/we\\ird.lmd"), "we\\ird");  // a plain character here
#endif
}

class DimensionFileSave : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(m);
        m.DataSetName = "Before";
    }
    // A failed save reports, leaves the named set as it was and leaves nothing behind.
    void ExpectFailedSave(const std::string& path, const std::vector<std::string>& namesBefore) {
        const FileResult result = SaveDimensionFile(m, path);
        EXPECT_FALSE(result.ok()) << path;
        EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
        EXPECT_EQ(m.DataSetName, "Before");
        EXPECT_EQ(dir.Names(), namesBefore);
    }
    Model m;
    ScratchFolder dir;
};

TEST_F(DimensionFileSave, OverAnExistingFileReplacesItAndLeavesNoTemporaryFile) {
    const std::string path = dir / "gear.lmd";
    test::WriteBytes(path, std::vector<unsigned char>(3000, 0xAB));
    ASSERT_TRUE(SaveDimensionFile(m, path).ok());
    const std::vector<unsigned char> bytes = test::ReadBytes(path);
    ASSERT_EQ(bytes.size(), 1420u);
    EXPECT_EQ(test::SlotOf(bytes, 1, 1), 7.0f);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"gear.lmd"});
    EXPECT_EQ(m.DataSetName, "gear");
}

// A name as long as a folder entry may be (255 bytes) is saved and opened again.
TEST_F(DimensionFileSave, ANameOfTheLongestLegalLengthIsSavedAndOpenedAgain) {
    const std::string name = std::string(251, 'g') + ".lmd";
    const std::string path = dir / name;
    m.Frame.Stroke = 7.25f;
    const FileResult saved = SaveDimensionFile(m, path);
    ASSERT_TRUE(saved.ok()) << saved.error;
    EXPECT_EQ(dir.Names(), std::vector<std::string>{name});

    Model back;
    StartUp(back);
    const FileResult opened = OpenDimensionFile(back, path);
    ASSERT_TRUE(opened.ok()) << opened.error;
    EXPECT_EQ(back.Frame.Stroke, 7.25f);
    EXPECT_EQ(back.DataSetName, std::string(251, 'g'));
}

TEST_F(DimensionFileSave, KeepsTheOldFilesPermissionsAndLinks) {
    namespace fs = std::filesystem;
    const std::string real = dir / "real.lmd";
    test::WriteBytes(real, {1});
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.lmd", dir / "link.lmd");

    ASSERT_TRUE(SaveDimensionFile(m, dir / "link.lmd").ok());
    EXPECT_TRUE(fs::is_symlink(dir / "link.lmd"));
    EXPECT_EQ(fs::file_size(real), 1420u);
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"link.lmd", "real.lmd"}));
    EXPECT_EQ(m.DataSetName, "link");
}

TEST_F(DimensionFileSave, OverAPipeIsRefusedAndThePipeKept) {
    const std::string fifo = dir / "pipe.lmd";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ExpectFailedSave(fifo, {"pipe.lmd"});
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(DimensionFileSave, IntoAPathThatCannotHoldAFileFails) {
    test::WriteBytes(dir / "plain", {1, 2, 3});
    ExpectFailedSave(dir / "plain/gear.lmd", {"plain"});
    std::filesystem::create_directory(dir / "taken.lmd");
    ExpectFailedSave(dir / "taken.lmd", {"plain", "taken.lmd"});
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.lmd"));
}

TEST_F(DimensionFileSave, ASetThatCouldNotBeOpenedAgainIsNotWritten) {
    const std::string path = dir / "gear.lmd";
    test::WriteBytes(path, {9, 9, 9, 9});
    m.Lines.Entries[11].Vert2 = std::numeric_limits<float>::infinity();
    ExpectFailedSave(path, {"gear.lmd"});
    EXPECT_EQ(test::ReadBytes(path), (std::vector<unsigned char>{9, 9, 9, 9}));
    m.Lines.Entries[11].Vert2 = 0;
    m.View.ViewScale = std::nanf("");
    ExpectFailedSave(dir / "new.lmd", {"gear.lmd"});
}

// A write that fails half-way (here: the file-size limit, which holds for every user)
// must leave the old file as it was.
TEST_F(DimensionFileSave, AWriteThatFailsKeepsTheOldFileIntact) {
    const std::string path = dir / "gear.lmd";
    const std::vector<unsigned char> old(1420, 0x5A);
    test::WriteBytes(path, old);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 600;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult result = SaveDimensionFile(m, path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(m.DataSetName, "Before");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"gear.lmd"});
}

}  // namespace
}  // namespace lm

namespace lm {
namespace {

class DimensionFileSaveSafety : public ::testing::Test {
protected:
    void SetUp() override { StartUp(m); }
    Model m;
    test::ScratchFolder dir;
};

// A link planted where a save once put its temporary file must not be written through.
TEST_F(DimensionFileSaveSafety, ALinkPlantedBesideTheTargetIsNeverFollowed) {
    const std::string victim = dir / "victim";
    test::WriteBytes(victim, {1, 2, 3});
    const std::string path = dir / "gear.lmd";
    const std::string planted = path + ".saving-" + std::to_string(::getpid());
    std::filesystem::create_symlink(victim, planted);

    ASSERT_TRUE(SaveDimensionFile(m, path).ok());
    EXPECT_EQ(test::ReadBytes(victim), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(test::ReadBytes(path).size(), 1420u);
    EXPECT_TRUE(std::filesystem::is_symlink(planted));
    EXPECT_EQ(dir.Names().size(), 3u);
}

// With the signal left at its default, the file-size limit once killed the process
// half-way through a save and left its temporary file behind.
TEST_F(DimensionFileSaveSafety, TheFileSizeLimitIsAFailedSaveNotADeath) {
    const std::string path = dir / "gear.lmd";
    const std::vector<unsigned char> old(100, 0x5A);
    test::WriteBytes(path, old);
    ::chmod(path.c_str(), 0640);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit small{};
        ::getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 600;
        ::setrlimit(RLIMIT_FSIZE, &small);
        const FileResult result = SaveDimensionFile(m, path);
        const bool reported = !result.ok() && result.error.find(path) != std::string::npos;
        ::_exit(reported ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"gear.lmd"});

    // Without the limit the new file takes the old one's mode.
    ASSERT_TRUE(SaveDimensionFile(m, path).ok());
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace lm
