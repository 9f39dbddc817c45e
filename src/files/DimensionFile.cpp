// Reading and writing the dimension data file (.lmd), record by record, both directions
// through one layout table; also the older 18-record form.

#include "files/DimensionFile.h"

#include <algorithm>
#include <array>

#include "common/Numbers.h"
#include "files/FileLayout.h"
#include "files/RecordFile.h"
#include "kinematics/MidGear.h"
#include "model/UnsavedChanges.h"

namespace lm {

namespace {

#define FIELD(expr) [](Model& m) -> float& { return expr; }

// Records 1..18, slot by slot.
constexpr std::array<FieldRef, kOlderDimensionFileRecords * 5> kMainRecords = {
    FIELD(m.Frame.DriverDia), FIELD(m.Frame.Stroke), FIELD(m.Frame.MainRodLen),
    FIELD(m.Frame.EccCircleDia), FIELD(m.Frame.EccDia),
    FIELD(m.Frame.EccAngFwd), FIELD(m.Frame.EccAngRev), FIELD(m.Frame.EccRodFwd),
    FIELD(m.Frame.EccRodRev), FIELD(m.Frame.LinkRadius),
    FIELD(m.Frame.LinkCentBackSet), FIELD(m.Frame.LinkEccPivotVert),
    FIELD(m.Frame.LinkEccPivotBackSet), FIELD(m.Frame.RockerUpperLen),
    FIELD(m.Frame.RockerUpperBackSet),
    FIELD(m.Frame.RockerLowerLen), FIELD(m.Frame.ValveConRodLen), FIELD(m.Frame.LiftingLinkLen),
    FIELD(m.Frame.RevArmLen), FIELD(m.Frame.RevArmBackSet),
    FIELD(m.Frame.LiftingArmLen), FIELD(m.P(6).X), FIELD(m.P(6).Y), FIELD(m.P(7).X),
    FIELD(m.P(7).Y),
    FIELD(m.P(16).X), FIELD(m.P(16).Y), FIELD(m.P(17).X), FIELD(m.P(17).Y), FIELD(m.P(3).Y),
    FIELD(m.Cyl.CylCtrToDriver), FIELD(m.Cyl.CylBoreDia), FIELD(m.Cyl.CylBoreLen),
    FIELD(m.Cyl.CylinderSpare), FIELD(m.Cyl.CylPortWidth),
    FIELD(m.Cyl.PistonToCrosshead), FIELD(m.Cyl.PistonWidth), FIELD(m.Cyl.ValveBoreDia),
    FIELD(m.Cyl.ValveBoreLen), FIELD(m.Cyl.ValveBoreCtrToPort),
    FIELD(m.Cyl.ValvePortWidthRear), FIELD(m.Cyl.ValveCtrToRing),
    FIELD(m.Cyl.ValveEndWidthRear), FIELD(m.Cyl.ValveCtrToJoint), FIELD(m.Cyl.ValveCLToCylCL),
    FIELD(m.Cyl.ValvePortWidthFront), FIELD(m.Cyl.ValveEndWidthFront),
    FIELD(m.Cyl.ValveEndWidthFront), FIELD(m.Cyl.ValveEndWidthFront),
    FIELD(m.Cyl.ValveEndWidthFront),
    FIELD(m.P(7).Y), FIELD(m.View.ViewScale), FIELD(m.View.ViewOriginX),
    FIELD(m.Diagram.GraphicZoom), FIELD(m.View.ViewOriginY),
    FIELD(m.Frame.RevArmCentNorm), FIELD(m.Frame.RevArmCentMax), FIELD(m.Gear.RevArmPos),
    FIELD(m.Diagram.DiagramRevArmPos), FIELD(m.Diagram.VerticalScale),
    FIELD(m.View.ViewPresets[0].Scale), FIELD(m.View.ViewPresets[0].OriginX),
    FIELD(m.View.ViewPresets[0].OriginY), FIELD(m.View.ViewPresets[1].Scale),
    FIELD(m.View.ViewPresets[1].OriginX),
    FIELD(m.View.ViewPresets[1].OriginY), FIELD(m.View.ViewPresets[2].Scale),
    FIELD(m.View.ViewPresets[2].OriginX), FIELD(m.View.ViewPresets[2].OriginY),
    FIELD(m.View.ViewPresets[3].Scale),
    FIELD(m.View.ViewPresets[3].OriginX), FIELD(m.View.ViewPresets[3].OriginY),
    FIELD(m.View.ViewPresets[4].Scale), FIELD(m.View.ViewPresets[4].OriginX),
    FIELD(m.View.ViewPresets[4].OriginY),
    FIELD(m.View.ViewPresets[5].Scale), FIELD(m.View.ViewPresets[5].OriginX),
    FIELD(m.View.ViewPresets[5].OriginY), FIELD(m.View.ViewPresets[6].Scale),
    FIELD(m.View.ViewPresets[6].OriginX),
    FIELD(m.View.ViewPresets[6].OriginY), FIELD(m.Gear.RevArmPositions[1]),
    FIELD(m.Gear.RevArmPositions[2]), FIELD(m.Gear.RevArmPositions[3]),
    FIELD(m.Gear.RevArmPositions[4]),
    FIELD(m.Gear.RevArmPositions[5]), FIELD(m.Gear.RevArmPositions[6]),
    FIELD(m.Gear.RevArmPositions[7]), FIELD(m.Gear.RevArmPositions[8]),
    FIELD(m.Gear.RevArmPositions[9]),
};

// Records 19..70: each overlay field takes four records, entries 1-5, 6-10, 11-15, 16-20.
constexpr std::array<float OverlayEntry::*, 13> kOverlayFields = {
    &OverlayEntry::Horz1,      &OverlayEntry::Vert1,      &OverlayEntry::Horz2,
    &OverlayEntry::Vert2,      &OverlayEntry::RefPivot1X, &OverlayEntry::RefPivot1Y,
    &OverlayEntry::RefPivot2X, &OverlayEntry::RefPivot2Y, &OverlayEntry::Type,
    &OverlayEntry::Color,      &OverlayEntry::Reference,  &OverlayEntry::RefPivot1,
    &OverlayEntry::RefPivot2,
};
constexpr std::size_t kOverlayFirstRecord = 18;  // zero-based index of record 19
constexpr std::size_t kCurrentEntryRecord = 70;  // zero-based index of record 71

#undef FIELD

OverlayEntry& EntryAt(Model& m, std::size_t record, std::size_t slot, float OverlayEntry::*&field) {
    const std::size_t k = record - kOverlayFirstRecord;
    field = kOverlayFields[k / 4];
    return m.Lines.Entries[(k % 4) * 5 + slot + 1];
}

}  // namespace

std::string DataSetNameFromPath(std::string_view path) {
#ifdef _WIN32
    const std::size_t sep = path.find_last_of("/\\");
#else
    const std::size_t sep = path.find_last_of('/');
#endif
    std::string_view name = sep == std::string_view::npos ? path : path.substr(sep + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

FileResult OpenDimensionFile(Model& m, const std::string& path) {
    RecordReadResult read = ReadRecordFile(path, kDimensionFileRecords);
    if (!read.ok()) return {read.error};
    const std::size_t n = read.records.size();
    const std::string quoted = "\"" + path + "\"";
    if (n < kOlderDimensionFileRecords)
        return {quoted + " is not a dimension data file: it holds " + std::to_string(n) +
                " records, and a dimension data file holds at least 18."};
    const bool full = n > 20;
    if (full && n < static_cast<std::size_t>(kDimensionFileRecords))
        return {quoted + " is damaged: it holds " + std::to_string(n) +
                " records, too many for an older file and too few for a full one (71)."};
    const std::size_t used = full ? kDimensionFileRecords : kOlderDimensionFileRecords;
    if (!AllFinite(read.records, used))
        return {quoted + " is damaged: it holds a value that is not a finite number."};

    ApplyRecords(m, read.records, kMainRecords);
    float pendingEntry = 1;
    if (full) {
        for (std::size_t r = kOverlayFirstRecord; r < kCurrentEntryRecord; ++r)
            for (std::size_t s = 0; s < 5; ++s) {
                float OverlayEntry::*field = nullptr;
                OverlayEntry& e = EntryAt(m, r, s, field);
                e.*field = read.records[r][s];
            }
        pendingEntry = read.records[kCurrentEntryRecord][4];
    }
    m.Lines.CurrentEntry = std::clamp(RoundToInt(pendingEntry), 1, kOverlayEntryCount);
    m.DataSetName = DataSetNameFromPath(path);
    FindMidGear(m);
    MarkDimensionSetSaved(m);
    return {};
}

FileResult SaveDimensionFile(Model& m, const std::string& path) {
    std::vector<Record> records(kDimensionFileRecords, Record{});
    CollectRecords(m, records, kMainRecords);
    for (std::size_t r = kOverlayFirstRecord; r < kCurrentEntryRecord; ++r)
        for (std::size_t s = 0; s < 5; ++s) {
            float OverlayEntry::*field = nullptr;
            OverlayEntry& e = EntryAt(m, r, s, field);
            records[r][s] = e.*field;
        }
    records[kCurrentEntryRecord][4] = static_cast<float>(m.Lines.CurrentEntry);
    // Opening refuses such a file, so writing it would only lose the set later.
    if (!AllFinite(records, records.size()))
        return {"Cannot save \"" + path + "\": the set holds a value that is not a finite number, "
                "and a file holding it could not be opened again. Nothing was written."};
    std::string error = WriteRecordFileAtomically(path, records);
    if (!error.empty()) return {error};
    m.DataSetName = DataSetNameFromPath(path);
    MarkDimensionSetSaved(m);
    return {};
}

}  // namespace lm
