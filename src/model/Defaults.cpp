// The start-up values, view presets and the nominal frame and cylinder sets, and the
// resets that bring them back.

#include "model/Defaults.h"

namespace lm {

namespace {
constexpr std::array<ViewTriple, kViewPresetCount> kDefaultPresets = {{
    {0, 0, 0},
    {62, 310, 237},
    {50, -100, 250},
    {100, -500, 200},
    {59, -570, 250},
    {250, -3300, 700},
    {250, -4000, 700},
}};
}  // namespace

void SetStartupDefaults(Model& m) {
    m.Gear.DriverAngle = 0;
    m.Gear.StepAngle = 10;
    m.P(0) = Pivot{};
    m.P(DriverAxle) = Pivot{};
    m.Gear.RevArmPosCount = 1;
    m.Gear.SolverTolerance = 0.0001f;
    m.Gear.RevArmCenter = 0;
    m.Gear.RevArmPositions.fill(0);
    m.Views.Norm = kNormalView;
    m.P(RockerPivotCopy).X = m.P(RockerPivotCopy).Y = 0;
    m.P(ReverseShaft).X = m.P(ReverseShaft).Y = 0;
    m.P(Crosshead).Y = 0;
    m.Cyl.ValveBoreLen = 0;
    m.P(RefPoint1).X = m.P(RefPoint1).Y = 0;
    m.Dyn.DynStep = 0.001f;
    m.Lines.CurrentEntry = 1;
    m.P(RefPoint2).X = m.P(RefPoint2).Y = 0;
    ResetNameAndVerticalScale(m);
    m.Diagram.GraphicZoom = 7.5f;
    m.Display.SteamDisplayOn = false;
    m.Display.FrontSteamLevel = 20;
    m.Display.RearSteamLevel = 20;
    m.Display.FrontCutOffText.clear();
    m.Display.RearCutOffText.clear();
    m.Gear.RotationDir = Rotation::Fwd;
    m.DiagramWindows.DiagramRedrawPending = false;
    m.View.ViewPresets = kDefaultPresets;
    m.Display.TextScaleX = 1;
    m.Display.TextScaleY = 1;
    for (DynSlot& s : m.Dyn.DynQueue) s = DynSlot{0, 0, DynVarEmptyName};
    m.Gear.ErrorBeepOn = true;
    for (OverlayEntry& e : m.Lines.Entries) e.Type = e.Color = e.Reference = -1;
}

void ResetNameAndVerticalScale(Model& m) {
    m.DataSetName = "Nominal";
    m.Diagram.VerticalScale = 1.5f;
}

void ResetView(Model& m) {
    m.View.ViewScale = m.Views.SavedView.Scale;
    m.View.ViewOriginX = m.Views.SavedView.OriginX;
    m.View.ViewOriginY = m.Views.SavedView.OriginY;
    m.Views.Norm = m.Views.SavedView;
}

void SetNominalFrame(Model& m) {
    m.P(RockerPivot).X = m.P(RockerPivotCopy).X;
    m.P(RockerPivot).Y = m.P(RockerPivotCopy).Y;
    m.P(ReverseShaftCopy).X = m.P(ReverseShaft).X;
    m.P(ReverseShaftCopy).Y = m.P(ReverseShaft).Y;
}

void UpdateValveStemHeight(Model& m) {
    m.P(ValveStemJoint).Y =
        static_cast<float>(static_cast<long double>(m.P(Crosshead).Y) + m.Cyl.ValveCLToCylCL);
}

void SetNominalCylinder(Model& m) { UpdateValveStemHeight(m); }

void ResetFrameDimensions(Model& m) {
    const NominalFrameSet& n = NominalFrame;
    FrameDimensions& f = m.Frame;
    f.EccAngFwd = n.EccAngFwd;
    f.EccAngRev = n.EccAngRev;
    f.RockerUpperBackSet = n.RockerUpperBackSet;
    f.RevArmBackSet = n.RevArmBackSet;
    f.Stroke = n.Stroke;
    f.EccCircleDia = n.EccCircleDia;
    f.DriverDia = n.DriverDia;
    f.EccDia = n.EccDia;
    f.MainRodLen = n.MainRodLen;
    f.ValveConRodLen = n.ValveConRodLen;
    f.RockerUpperLen = n.RockerUpperLen;
    f.RockerLowerLen = n.RockerLowerLen;
    f.LinkCentBackSet = n.LinkCentBackSet;
    f.LinkEccPivotBackSet = n.LinkEccPivotBackSet;
    f.LinkEccPivotVert = n.LinkEccPivotVert;
    f.EccRodFwd = n.EccRodFwd;
    f.EccRodRev = n.EccRodRev;
    f.LiftingLinkLen = n.LiftingLinkLen;
    f.LiftingArmLen = n.LiftingArmLen;
    f.FrameSpare = n.FrameSpare;
    f.RevArmLen = n.RevArmLen;
    f.LinkRadius = n.LinkRadius;
    f.RevArmCentNorm = n.RevArmCentNorm;
    f.RevArmCentMax = n.RevArmCentMax;
    for (int p : {RockerPivot, RockerPivotCopy}) {
        m.P(p).X = n.RockerPivotX;
        m.P(p).Y = n.RockerPivotY;
    }
    for (int p : {ReverseShaft, ReverseShaftCopy}) {
        m.P(p).X = n.ReverseShaftX;
        m.P(p).Y = n.ReverseShaftY;
    }
}

void ResetCylinderDimensions(Model& m) {
    m.P(Crosshead).Y = NominalCylinder.CylCLAboveDriver;
    for (int i = 0; i < kCylinderSlotCount; ++i)
        m.Cyl.*CylinderSlots[static_cast<std::size_t>(i)] =
            NominalCylinder.Slots[static_cast<std::size_t>(i)];
    UpdateValveStemHeight(m);
}

}  // namespace lm
