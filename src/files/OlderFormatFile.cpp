// Importing the older program's .lmp file through its own slot layout.

#include "files/OlderFormatFile.h"

#include <array>

#include "files/FileLayout.h"
#include "files/RecordFile.h"
#include "kinematics/MidGear.h"
#include "model/UnsavedChanges.h"

namespace lm {

namespace {

#define FIELD(expr) [](Model& m) -> float& { return expr; }

constexpr std::array<FieldRef, kOlderFormatRecords * 5> kLayout = {
    FIELD(m.Frame.EccAngFwd), FIELD(m.Frame.EccAngRev), FIELD(m.Frame.RockerUpperBackSet),
    FIELD(m.Frame.RevArmBackSet), FIELD(m.Frame.Stroke),
    FIELD(m.Frame.EccCircleDia), FIELD(m.Frame.DriverDia), FIELD(m.Frame.MainRodLen),
    FIELD(m.Frame.ValveConRodLen), FIELD(m.Frame.RockerUpperLen),
    FIELD(m.Frame.RockerLowerLen), FIELD(m.Frame.LinkCentBackSet),
    FIELD(m.Frame.LinkEccPivotBackSet), FIELD(m.Frame.LinkEccPivotVert), FIELD(m.Frame.EccRodFwd),
    FIELD(m.Frame.EccRodRev), FIELD(m.Frame.LiftingLinkLen), FIELD(m.Frame.LiftingArmLen),
    FIELD(m.Frame.FrameSpare), FIELD(m.Frame.RevArmLen),
    FIELD(m.Frame.LinkRadius), FIELD(m.P(6).X), FIELD(m.P(6).Y), FIELD(m.P(16).X),
    FIELD(m.P(16).Y),
    FIELD(m.P(7).X), FIELD(m.P(7).Y), FIELD(m.P(17).X), FIELD(m.P(17).Y), FIELD(m.P(3).Y),
    FIELD(m.P(3).Y), FIELD(m.Cyl.CylCtrToDriver), FIELD(m.Cyl.CylBoreDia),
    FIELD(m.Cyl.CylBoreLen), FIELD(m.Cyl.CylinderSpare),
    FIELD(m.Cyl.CylPortWidth), FIELD(m.Cyl.PistonToCrosshead), FIELD(m.Cyl.PistonWidth),
    FIELD(m.Cyl.ValveBoreDia), FIELD(m.Cyl.ValveBoreLen),
    FIELD(m.Cyl.ValveBoreCtrToPort), FIELD(m.Cyl.ValvePortWidthRear),
    FIELD(m.Cyl.ValveCtrToRing), FIELD(m.Cyl.ValveEndWidthRear), FIELD(m.Cyl.ValveCtrToJoint),
    FIELD(m.Cyl.ValveCLToCylCL), FIELD(m.Cyl.ValvePortWidthFront),
    FIELD(m.Cyl.ValveEndWidthFront), FIELD(m.Cyl.ValveEndWidthFront),
    FIELD(m.Cyl.ValveEndWidthFront),
    FIELD(m.Cyl.ValveEndWidthFront), FIELD(m.Cyl.ValveEndWidthFront),
    FIELD(m.Cyl.ValveEndWidthFront), FIELD(m.Cyl.ValveEndWidthFront), FIELD(m.P(4).Y),
    FIELD(m.View.ViewScale), FIELD(m.View.ViewOriginX), FIELD(m.View.ViewOriginY),
    FIELD(m.View.ViewOriginY), FIELD(m.Frame.RevArmCentNorm),
    FIELD(m.Frame.RevArmCentMax), FIELD(m.P(18).X), FIELD(m.Frame.EccDia),
    FIELD(m.Diagram.DiagramRevArmPos), FIELD(m.Diagram.VerticalScale),
};

#undef FIELD

}  // namespace

FileResult ImportOlderFormatFile(Model& m, const std::string& path) {
    RecordReadResult read = ReadRecordFile(path, kOlderFormatRecords);
    if (!read.ok()) return {read.error};
    const std::string quoted = "\"" + path + "\"";
    if (read.records.size() < static_cast<std::size_t>(kOlderFormatRecords))
        return {quoted + " is not an older-format dimension file: it holds " +
                std::to_string(read.records.size()) + " records, and such a file holds 13."};
    if (!AllFinite(read.records, kOlderFormatRecords))
        return {quoted + " is damaged: it holds a value that is not a finite number."};
    ApplyRecords(m, read.records, kLayout);
    m.DataSetName = DataSetNameFromPath(path);
    FindMidGear(m);
    MarkDimensionSetSaved(m);
    return {};
}

}  // namespace lm
