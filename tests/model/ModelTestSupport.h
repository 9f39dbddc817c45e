// The model field by field for the tests, and the dimensions located by hand.

#pragma once

// Test-side view of the model: every field by name, compared bit for bit, and the 44
// dimensions located by hand (not through the dimension table, which is under test).

#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/Model.h"

namespace lm::test {

// A field added to one of these structs must be added to Differences below as well.
static_assert(sizeof(FrameDimensions) == 24 * sizeof(float));
static_assert(sizeof(CylinderRecord) == 17 * sizeof(float));
static_assert(sizeof(ValveState) == 18 * sizeof(float));
static_assert(sizeof(OverlayEntry) == 13 * sizeof(float));
static_assert(sizeof(ViewTriple) == 3 * sizeof(float));

class DiffCollector {
public:
    std::vector<std::string> names;

    void F(const std::string& name, float a, float b) {
        if (std::bit_cast<std::uint32_t>(a) != std::bit_cast<std::uint32_t>(b)) names.push_back(name);
    }
    template <class T>
    void V(const std::string& name, const T& a, const T& b) {
        if (!(a == b)) names.push_back(name);
    }
};

// Names of every field in which the two models differ (floats compared bit for bit).
// A field added to the model belongs here too, or "untouched" checks stop covering it.
inline std::vector<std::string> Differences(const Model& a, const Model& b) {
    DiffCollector d;
#define LM_F(path) d.F(#path, a.path, b.path)
#define LM_V(path) d.V(#path, a.path, b.path)
    LM_F(Frame.DriverDia); LM_F(Frame.Stroke); LM_F(Frame.MainRodLen); LM_F(Frame.EccCircleDia);
    LM_F(Frame.EccDia); LM_F(Frame.EccAngFwd); LM_F(Frame.EccAngRev); LM_F(Frame.EccRodFwd);
    LM_F(Frame.EccRodRev); LM_F(Frame.LinkRadius); LM_F(Frame.LinkCentBackSet);
    LM_F(Frame.LinkEccPivotVert); LM_F(Frame.LinkEccPivotBackSet); LM_F(Frame.RockerUpperLen);
    LM_F(Frame.RockerUpperBackSet); LM_F(Frame.RockerLowerLen); LM_F(Frame.ValveConRodLen);
    LM_F(Frame.LiftingLinkLen); LM_F(Frame.RevArmLen); LM_F(Frame.RevArmBackSet);
    LM_F(Frame.LiftingArmLen); LM_F(Frame.RevArmCentNorm); LM_F(Frame.RevArmCentMax);
    LM_F(Frame.FrameSpare);

    LM_F(Cyl.CylCtrToDriver); LM_F(Cyl.CylBoreDia); LM_F(Cyl.CylBoreLen); LM_F(Cyl.CylinderSpare);
    LM_F(Cyl.CylPortWidth); LM_F(Cyl.PistonToCrosshead); LM_F(Cyl.PistonWidth);
    LM_F(Cyl.ValveBoreDia); LM_F(Cyl.ValveBoreLen); LM_F(Cyl.ValveBoreCtrToPort);
    LM_F(Cyl.ValvePortWidthRear); LM_F(Cyl.ValveCtrToRing); LM_F(Cyl.ValveEndWidthRear);
    LM_F(Cyl.ValveCtrToJoint); LM_F(Cyl.ValveCLToCylCL); LM_F(Cyl.ValvePortWidthFront);
    LM_F(Cyl.ValveEndWidthFront);

    for (int i = 0; i < kPivotCount; ++i) {
        const std::string p = "Pivot" + std::to_string(i);
        d.F(p + ".X", a.P(i).X, b.P(i).X);
        d.F(p + ".Y", a.P(i).Y, b.P(i).Y);
        d.V(p + ".SX", a.P(i).SX, b.P(i).SX);
        d.V(p + ".SY", a.P(i).SY, b.P(i).SY);
    }

    LM_F(Gear.DriverAngle); LM_F(Gear.StepAngle); LM_F(Gear.RevArmPos); LM_F(Gear.RevArmCenter);
    for (int i = 0; i <= kRevArmPositionCount; ++i)
        d.F("Gear.RevArmPositions[" + std::to_string(i) + "]", a.Gear.RevArmPositions[i],
            b.Gear.RevArmPositions[i]);
    LM_V(Gear.RevArmPosCount); LM_V(Gear.RotationDir); LM_V(Gear.GearError);
    LM_V(Gear.ErrorBeepOn); LM_F(Gear.SolverStep); LM_F(Gear.SolverTolerance);
    LM_F(Gear.LinkAngle); LM_F(Gear.LiftLinkSpan); LM_F(Gear.EccSign);
    LM_F(Gear.LiftingArmLenSolved);

    LM_F(Valve.PistonPos); LM_F(Valve.ValveDisplacement); LM_F(Valve.FrontSteamEdge);
    LM_F(Valve.FrontSteamFull); LM_F(Valve.FrontExhaustEdge); LM_F(Valve.RearSteamEdge);
    LM_F(Valve.RearSteamFull); LM_F(Valve.RearExhaustEdge); LM_F(Valve.FrontLeadTerm);
    LM_F(Valve.RearLeadTerm); LM_F(Valve.FrontLapTerm); LM_F(Valve.RearLapTerm);
    LM_F(Valve.FrontExClTerm); LM_F(Valve.RearExClTerm); LM_F(Valve.FrontSteamOpening);
    LM_F(Valve.FrontExhaustOpening); LM_F(Valve.RearSteamOpening);
    LM_F(Valve.RearExhaustOpening);

    LM_F(View.ViewScale); LM_F(View.ViewOriginX); LM_F(View.ViewOriginY);
    const auto triple = [&](const std::string& n, const ViewTriple& x, const ViewTriple& y) {
        d.F(n + ".Scale", x.Scale, y.Scale);
        d.F(n + ".OriginX", x.OriginX, y.OriginX);
        d.F(n + ".OriginY", x.OriginY, y.OriginY);
    };
    triple("View.Norm", a.View.Norm, b.View.Norm);
    triple("View.SavedView", a.View.SavedView, b.View.SavedView);
    for (int i = 0; i < kViewPresetCount; ++i)
        triple("View.ViewPresets[" + std::to_string(i) + "]", a.View.ViewPresets[i],
               b.View.ViewPresets[i]);

    LM_F(Diagram.VerticalScale); LM_F(Diagram.GraphicZoom); LM_F(Diagram.DiagramRevArmPos);
    LM_V(Diagram.DiagramRedrawPending); LM_V(Diagram.UndoLineText); LM_V(Diagram.GraphChoice);
    LM_V(Diagram.CycleLabelsOn); LM_F(Diagram.SteamPrevFrontOpening); LM_F(Diagram.SteamPrevRearOpening);

    LM_V(Display.LineWidth); LM_V(Display.ScreenDataOn); LM_V(Display.RefPointsOn);
    LM_V(Display.PivotDataOn); LM_V(Display.DynVarsShown); LM_V(Display.UndoLineShown);
    LM_V(Display.SteamDisplayOn); LM_F(Display.FrontSteamLevel); LM_F(Display.RearSteamLevel);
    LM_V(Display.FrontCutOffText); LM_V(Display.RearCutOffText); LM_F(Display.TextScaleX);
    LM_F(Display.TextScaleY);

    for (int i = 0; i < kDynSlotCount; ++i) {
        const std::string s = "Dyn.DynQueue[" + std::to_string(i) + "]";
        d.V(s + ".DimensionNumber", a.Dyn.DynQueue[i].DimensionNumber, b.Dyn.DynQueue[i].DimensionNumber);
        d.F(s + ".Value", a.Dyn.DynQueue[i].Value, b.Dyn.DynQueue[i].Value);
        d.V(s + ".DynVarName", a.Dyn.DynQueue[i].DynVarName, b.Dyn.DynQueue[i].DynVarName);
    }
    LM_V(Dyn.DynIndex); LM_F(Dyn.DynStep);
    for (int i = 0; i < kDynSlotCount; ++i)
        d.V("Dyn.Bars[" + std::to_string(i) + "]", a.Dyn.Bars[i], b.Dyn.Bars[i]);
    LM_F(Dyn.DynBarEnterValue); LM_V(Dyn.DimTyped);

    for (int i = 0; i <= kUndoDepth; ++i) {
        const std::string u = "Undo.Entries[" + std::to_string(i) + "].";
        const UndoEntry& x = a.Undo.Entries[i];
        const UndoEntry& y = b.Undo.Entries[i];
        d.V(u + "DimensionNumber", x.DimensionNumber, y.DimensionNumber);
        d.F(u + "Before", x.Before, y.Before);
        d.F(u + "After", x.After, y.After);
        d.V(u + "DynVarName", x.DynVarName, y.DynVarName);
    }
    LM_V(Undo.UndoCount);
    LM_V(Undo.ButtonsEnabled);

    for (int i = 0; i <= kOverlayEntryCount; ++i) {
        const std::string e = "Lines.Entries[" + std::to_string(i) + "].";
        const OverlayEntry& x = a.Lines.Entries[i];
        const OverlayEntry& y = b.Lines.Entries[i];
        d.F(e + "Horz1", x.Horz1, y.Horz1); d.F(e + "Vert1", x.Vert1, y.Vert1);
        d.F(e + "Horz2", x.Horz2, y.Horz2); d.F(e + "Vert2", x.Vert2, y.Vert2);
        d.F(e + "RefPivot1X", x.RefPivot1X, y.RefPivot1X);
        d.F(e + "RefPivot1Y", x.RefPivot1Y, y.RefPivot1Y);
        d.F(e + "RefPivot2X", x.RefPivot2X, y.RefPivot2X);
        d.F(e + "RefPivot2Y", x.RefPivot2Y, y.RefPivot2Y);
        d.F(e + "Type", x.Type, y.Type); d.F(e + "Color", x.Color, y.Color);
        d.F(e + "Reference", x.Reference, y.Reference);
        d.F(e + "RefPivot1", x.RefPivot1, y.RefPivot1);
        d.F(e + "RefPivot2", x.RefPivot2, y.RefPivot2);
    }
    LM_V(Lines.CurrentEntry);
    LM_V(DataSetName);
    LM_V(Highlight.Dim); LM_V(Highlight.Ticks); LM_V(Highlight.BlinkPhase);
    LM_V(Highlight.NotedEditor); LM_V(Highlight.CloseRequest); LM_V(Highlight.ReopenRequest);
    LM_V(SavedDimensionSet);
#undef LM_F
#undef LM_V
    return d.names;
}

// The 44 dimensions by code name, located by hand, with their nominal values.
struct DimField {
    std::string_view code;
    float& (*at)(Model&);
    float nominal;
};

#define LM_DIM(code, expr, nominal) DimField{code, [](Model& m) -> float& { return expr; }, nominal}
inline const std::vector<DimField>& DimFields() {
    static const std::vector<DimField> fields = {
        LM_DIM("DriverDia", m.Frame.DriverDia, 7.0f),
        LM_DIM("Stroke", m.Frame.Stroke, 3.0f),
        LM_DIM("MainRodLen", m.Frame.MainRodLen, 10.0f),
        LM_DIM("EccCircleDia", m.Frame.EccCircleDia, 0.6875f),
        LM_DIM("EccDia", m.Frame.EccDia, 2.0f),
        LM_DIM("EccAngFwd", m.Frame.EccAngFwd, 242.0f),
        LM_DIM("EccAngRev", m.Frame.EccAngRev, 242.0f),
        LM_DIM("EccRodFwd", m.Frame.EccRodFwd, 7.75f),
        LM_DIM("EccRodRev", m.Frame.EccRodRev, 7.75f),
        LM_DIM("LinkRadius", m.Frame.LinkRadius, 8.25f),
        LM_DIM("LinkCentBackSet", m.Frame.LinkCentBackSet, 0.2f),
        LM_DIM("LinkEccPivotVert", m.Frame.LinkEccPivotVert, 0.75f),
        LM_DIM("LinkEccPivotBackSet", m.Frame.LinkEccPivotBackSet, 0.472f),
        LM_DIM("RockerUpperLen", m.Frame.RockerUpperLen, 1.25f),
        LM_DIM("RockerUpperBackSet", m.Frame.RockerUpperBackSet, 0.0f),
        LM_DIM("RockerLowerLen", m.Frame.RockerLowerLen, 1.312f),
        LM_DIM("RockerPivotVert", m.P(7).Y, 1.3f),
        LM_DIM("RockerPivotHorz", m.P(7).X, 8.13f),
        LM_DIM("ValveConRodLen", m.Frame.ValveConRodLen, 4.75f),
        LM_DIM("LiftingLinkLen", m.Frame.LiftingLinkLen, 2.0f),
        LM_DIM("RevArmLen", m.Frame.RevArmLen, 2.375f),
        LM_DIM("RevArmBackSet", m.Frame.RevArmBackSet, 0.0f),
        LM_DIM("LiftingArmLen", m.Frame.LiftingArmLen, 1.812f),
        LM_DIM("RevLiftPivotVert", m.P(16).Y, 2.0f),
        LM_DIM("RevLiftPivotHorz", m.P(16).X, 6.0f),
        LM_DIM("RevArmCentNorm", m.Frame.RevArmCentNorm, 1.04f),
        LM_DIM("RevArmCentMax", m.Frame.RevArmCentMax, 1.3f),
        LM_DIM("CylCtrToDriver", m.Cyl.CylCtrToDriver, 16.0f),
        LM_DIM("CylCLAboveDriver", m.P(3).Y, 0.0f),
        LM_DIM("CylBoreDia", m.Cyl.CylBoreDia, 2.125f),
        LM_DIM("CylBoreLen", m.Cyl.CylBoreLen, 4.0f),
        LM_DIM("CylPortWidth", m.Cyl.CylPortWidth, 0.2f),
        LM_DIM("PistonToCrosshead", m.Cyl.PistonToCrosshead, 6.0f),
        LM_DIM("PistonWidth", m.Cyl.PistonWidth, 0.5f),
        LM_DIM("ValveCLToCylCL", m.Cyl.ValveCLToCylCL, 2.25f),
        LM_DIM("ValveBoreDia", m.Cyl.ValveBoreDia, 0.75f),
        LM_DIM("ValveBoreLen", m.Cyl.ValveBoreLen, 4.0f),
        LM_DIM("ValveBoreCtrToPort", m.Cyl.ValveBoreCtrToPort, 1.155f),
        LM_DIM("ValvePortWidthRear", m.Cyl.ValvePortWidthRear, 0.187f),
        LM_DIM("ValvePortWidthFront", m.Cyl.ValvePortWidthFront, 0.187f),
        LM_DIM("ValveCtrToRing", m.Cyl.ValveCtrToRing, 1.0f),
        LM_DIM("ValveEndWidthRear", m.Cyl.ValveEndWidthRear, 0.342f),
        LM_DIM("ValveEndWidthFront", m.Cyl.ValveEndWidthFront, 0.342f),
        LM_DIM("ValveCtrToJoint", m.Cyl.ValveCtrToJoint, 3.176f),
    };
    return fields;
}
#undef LM_DIM

}  // namespace lm::test
