// The dimension table's rows, and reading and storing a dimension wherever it lives.

#include "model/DimensionTable.h"

#include <array>

namespace lm {

namespace {

using F = FrameDimensions;
using C = CylinderRecord;
using G = DimensionGroup;

constexpr DimensionInfo Frame(std::string_view code, int ed, int num, std::string_view name,
                              float F::*member) {
    return {code, G::Frame, ed, num, name, Storage::FrameValue, member, nullptr, 0, 0};
}
constexpr DimensionInfo FramePivot(std::string_view code, int ed, std::string_view name,
                                   Storage where, int pivot, int twin) {
    return {code, G::Frame, ed, ed, name, where, nullptr, nullptr, pivot, twin};
}
constexpr DimensionInfo Cyl(std::string_view code, int ed, std::string_view name,
                            float C::*member) {
    return {code, G::Cylinder, ed, 100 + ed, name, Storage::CylinderSlot, nullptr, member, 0, 0};
}

constexpr std::array<DimensionInfo, 44> kDimensions = {{
    Frame("DriverDia", 1, 1, "Driver Dia", &F::DriverDia),
    Frame("Stroke", 2, 2, "Stroke", &F::Stroke),
    Frame("MainRodLen", 3, 3, "Main Rod Length", &F::MainRodLen),
    Frame("EccCircleDia", 4, 4, "Eccentric Circle Dia", &F::EccCircleDia),
    Frame("EccDia", 5, 5, "Eccentric Dia", &F::EccDia),
    Frame("EccAngFwd", 6, 6, "Eccentric Forward Angle", &F::EccAngFwd),
    Frame("EccAngRev", 7, 7, "Eccentric Reverse Angle", &F::EccAngRev),
    Frame("EccRodFwd", 8, 8, "Eccentric Forward Rod", &F::EccRodFwd),
    // The misspelling is the name users have always seen.
    Frame("EccRodRev", 9, 9, "Eccemtric Reverse Rod", &F::EccRodRev),
    Frame("LinkRadius", 10, 10, "Link Radius", &F::LinkRadius),
    Frame("LinkCentBackSet", 11, 11, "Link Cent Pivot Back Set", &F::LinkCentBackSet),
    Frame("LinkEccPivotVert", 12, 12, "Link-Ecc Rod Pivot Vert", &F::LinkEccPivotVert),
    Frame("LinkEccPivotBackSet", 13, 13, "Link-Ecc Rod Pivot BkS", &F::LinkEccPivotBackSet),
    Frame("RockerUpperLen", 14, 14, "Rocker Upper Length", &F::RockerUpperLen),
    Frame("RockerUpperBackSet", 15, 15, "Rocker Upper Back Set", &F::RockerUpperBackSet),
    Frame("RockerLowerLen", 16, 16, "Rocker Lower Length", &F::RockerLowerLen),
    FramePivot("RockerPivotVert", 17, "Rocker Pivot Vert", Storage::PivotY, RockerPivot,
               RockerPivotCopy),
    FramePivot("RockerPivotHorz", 18, "Rocker Pivot Horz", Storage::PivotX, RockerPivot,
               RockerPivotCopy),
    Frame("ValveConRodLen", 19, 19, "Valve Con Rod Length", &F::ValveConRodLen),
    Frame("LiftingLinkLen", 20, 20, "Lifting Link Length", &F::LiftingLinkLen),
    Frame("RevArmLen", 21, 21, "Reverse Arm Length", &F::RevArmLen),
    Frame("RevArmBackSet", 22, 22, "Reverse Arm Back Set", &F::RevArmBackSet),
    Frame("LiftingArmLen", 23, 23, "Lifting Arm Length", &F::LiftingArmLen),
    FramePivot("RevLiftPivotVert", 24, "Rev/Lift Arm Pivot Vert", Storage::PivotY, ReverseShaft,
               ReverseShaftCopy),
    FramePivot("RevLiftPivotHorz", 25, "Rev/Lift Arm Pivot Horz", Storage::PivotX, ReverseShaft,
               ReverseShaftCopy),
    Frame("RevArmCentNorm", 26, 0, "", &F::RevArmCentNorm),
    Frame("RevArmCentMax", 27, 0, "", &F::RevArmCentMax),
    Cyl("CylCtrToDriver", 1, "Cyl ctr to Driver ctr", &C::CylCtrToDriver),
    {"CylCLAboveDriver", G::Cylinder, 2, 102, "Cyl CL above Driver ctr", Storage::PivotY, nullptr,
     nullptr, Crosshead, 0},
    Cyl("CylBoreDia", 3, "Cylinder Bore Dia", &C::CylBoreDia),
    Cyl("CylBoreLen", 4, "Cylinder Bore Length", &C::CylBoreLen),
    Cyl("CylPortWidth", 5, "Cyl Steam Port Width", &C::CylPortWidth),
    Cyl("PistonToCrosshead", 6, "Piston ctr to Crosshead", &C::PistonToCrosshead),
    Cyl("PistonWidth", 7, "Piston Width", &C::PistonWidth),
    Cyl("ValveCLToCylCL", 8, "Valve CL to Cyl CL", &C::ValveCLToCylCL),
    Cyl("ValveBoreDia", 9, "Valve Bore Dia", &C::ValveBoreDia),
    Cyl("ValveBoreLen", 10, "Valve Bore Length", &C::ValveBoreLen),
    Cyl("ValveBoreCtrToPort", 11, "Valve Bore ctr to Port", &C::ValveBoreCtrToPort),
    Cyl("ValvePortWidthRear", 12, "ValveBorePortWidthRear", &C::ValvePortWidthRear),
    Cyl("ValvePortWidthFront", 13, "ValveBorePortWidthFront", &C::ValvePortWidthFront),
    Cyl("ValveCtrToRing", 14, "Valve ctr to Ring", &C::ValveCtrToRing),
    Cyl("ValveEndWidthRear", 15, "Valve End Width  Rear", &C::ValveEndWidthRear),
    Cyl("ValveEndWidthFront", 16, "Valve End Width  Front", &C::ValveEndWidthFront),
    Cyl("ValveCtrToJoint", 17, "Valve ctr to Joint (Stem)", &C::ValveCtrToJoint),
}};

// Each editor label as one line of words (the editors draw them over two columns, with
// ditto marks), in the order of the table above, which the compiler checks.
struct Label {
    std::string_view CodeName, Text;
};
constexpr std::array<Label, 44> kLabels = {{
    {"DriverDia", "Driver Diameter"},
    {"Stroke", "Stroke Length"},
    {"MainRodLen", "Main Rod Length"},
    {"EccCircleDia", "Eccentric Circle Dia"},
    {"EccDia", "Eccentric Dia"},
    {"EccAngFwd", "Eccentric Angle Forward"},
    {"EccAngRev", "Eccentric Angle Reverse"},
    {"EccRodFwd", "Eccentric Rod Forward"},
    {"EccRodRev", "Eccentric Rod Reverse"},
    {"LinkRadius", "Link Radius"},
    {"LinkCentBackSet", "Link Center Pivot Back Set"},
    {"LinkEccPivotVert", "Link-Ecc Rod Pivot Vert"},
    {"LinkEccPivotBackSet", "Link-Ecc Rod Pivot Back Set"},
    {"RockerUpperLen", "Rocker Upper Vert Length"},
    {"RockerUpperBackSet", "Rocker Upper Back Set"},
    {"RockerLowerLen", "Rocker Lower Length"},
    {"RockerPivotVert", "Rocker Pivot Vert"},
    {"RockerPivotHorz", "Rocker Pivot Horz"},
    {"ValveConRodLen", "Valve Con Rod Length"},
    {"LiftingLinkLen", "Lifting Link Length"},
    {"RevArmLen", "Reverse Arm Vert Length"},
    {"RevArmBackSet", "Reverse Arm Back Set"},
    {"LiftingArmLen", "Lifting Arm Length"},
    {"RevLiftPivotVert", "Rev/Lift Arm Pivot Vert"},
    {"RevLiftPivotHorz", "Rev/Lift Arm Pivot Horz"},
    {"RevArmCentNorm", "Rev Arm to Center Norm"},
    {"RevArmCentMax", "Rev Arm to Center Max"},
    {"CylCtrToDriver", "Cylinder ctr to Driver ctr"},
    {"CylCLAboveDriver", "Cylinder CL above Driver"},
    {"CylBoreDia", "Cylinder Bore Diameter"},
    {"CylBoreLen", "Cylinder Bore Length"},
    {"CylPortWidth", "Cylinder Steam Port Width"},
    {"PistonToCrosshead", "Piston ctr to Crosshead ctr (Piston Rod)"},
    {"PistonWidth", "Piston Width"},
    {"ValveCLToCylCL", "Valve CL to Cylinder CL"},
    {"ValveBoreDia", "Valve Bore Diameter"},
    {"ValveBoreLen", "Valve Bore Length"},
    {"ValveBoreCtrToPort", "ValveBore ctr to ValvePort"},
    {"ValvePortWidthRear", "ValveBore PortWidth Rear"},
    {"ValvePortWidthFront", "ValveBore PortWidth Front"},
    {"ValveCtrToRing", "Valve ctr to Inside Edge of Inside Ring"},
    {"ValveEndWidthRear", "Valve End Width (Outside Edges of Rings) Rear"},
    {"ValveEndWidthFront", "Valve End Width Front"},
    {"ValveCtrToJoint", "Valve ctr to Joint (Valve Stem)"},
}};

constexpr bool LabelsInTableOrder() {
    for (std::size_t i = 0; i < kDimensions.size(); ++i)
        if (kLabels[i].CodeName != kDimensions[i].CodeName) return false;
    return true;
}
static_assert(LabelsInTableOrder());

}  // namespace

std::span<const DimensionInfo> AllDimensions() { return kDimensions; }

std::string_view DimensionLabel(const DimensionInfo& d) {
    return kLabels[static_cast<std::size_t>(&d - kDimensions.data())].Text;
}

const DimensionInfo* FindDimension(std::string_view codeName) {
    for (const DimensionInfo& d : kDimensions)
        if (d.CodeName == codeName) return &d;
    return nullptr;
}

const DimensionInfo* FindDimensionByNumber(int dimensionNumber) {
    if (dimensionNumber <= 0) return nullptr;
    for (const DimensionInfo& d : kDimensions)
        if (d.DimensionNumber == dimensionNumber) return &d;
    return nullptr;
}

bool IsAngleDimension(const DimensionInfo& d) { return d.CodeName == "EccAngFwd" || d.CodeName == "EccAngRev"; }

float GetDimension(const Model& m, const DimensionInfo& d) {
    switch (d.Where) {
        case Storage::FrameValue: return m.Frame.*d.FrameMember;
        case Storage::CylinderSlot: return m.Cyl.*d.CylMember;
        case Storage::PivotX: return m.P(d.PivotNumber).X;
        case Storage::PivotY: return m.P(d.PivotNumber).Y;
    }
    return 0;
}

void StoreDimension(Model& m, const DimensionInfo& d, float value) {
    switch (d.Where) {
        case Storage::FrameValue: m.Frame.*d.FrameMember = value; return;
        case Storage::CylinderSlot: m.Cyl.*d.CylMember = value; return;
        case Storage::PivotX:
            m.P(d.PivotNumber).X = value;
            if (d.TwinPivot != 0) m.P(d.TwinPivot).X = value;
            return;
        case Storage::PivotY:
            m.P(d.PivotNumber).Y = value;
            if (d.TwinPivot != 0) m.P(d.TwinPivot).Y = value;
            return;
    }
}

}  // namespace lm
