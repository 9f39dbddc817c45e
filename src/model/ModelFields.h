// Every field of the document and the session, visited one by one.

#pragma once

// Whoever must treat every field alike (the idle ticks' fingerprint, the unsaved-changes
// snapshot, the tests' field-by-field comparison) walks the model with ForEachField, so a
// field added to a struct is added to its VisitMembers list below and nowhere else (a
// test fails until it is).

#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "model/Model.h"

namespace lm {

// Where a visited field lies: member names and array indexes from the model down.
class FieldPath {
public:
    static constexpr int kMaxDepth = 6;

    int Depth() const { return depth_; }
    // The member name at a level, or nullptr where that level is an array index.
    const char* Name(int level) const { return names_[static_cast<std::size_t>(level)]; }
    std::size_t Index(int level) const { return indexes_[static_cast<std::size_t>(level)]; }
    bool NameIs(int level, std::string_view name) const {
        return level < depth_ && Name(level) != nullptr && name == Name(level);
    }
    // "Gear.RevArmPositions[3]".
    std::string Text() const;

    void Push(const char* name) { Put(name, 0); }
    void PushIndex(std::size_t index) { Put(nullptr, index); }
    void Pop() { --depth_; }

private:
    void Put(const char* name, std::size_t index) {
        names_[static_cast<std::size_t>(depth_)] = name;
        indexes_[static_cast<std::size_t>(depth_)] = index;
        ++depth_;
    }
    std::array<const char*, kMaxDepth> names_{};
    std::array<std::size_t, kMaxDepth> indexes_{};
    int depth_ = 0;
};

// Each struct's members in declaration order, as f(name, member).
#define LM_MEMBERS_OF(Type)                                        \
    template <class S, class F>                                    \
        requires std::same_as<std::remove_const_t<S>, Type>        \
    void VisitMembers(S& s, F&& f)
#define LM_M(member) f(#member, s.member)

LM_MEMBERS_OF(RelativeBarMemory) { LM_M(Last); LM_M(BeforeLast); }

LM_MEMBERS_OF(FrameDimensions) {
    LM_M(DriverDia); LM_M(Stroke); LM_M(MainRodLen); LM_M(EccCircleDia); LM_M(EccDia);
    LM_M(EccAngFwd); LM_M(EccAngRev); LM_M(EccRodFwd); LM_M(EccRodRev); LM_M(LinkRadius);
    LM_M(LinkCentBackSet); LM_M(LinkEccPivotVert); LM_M(LinkEccPivotBackSet);
    LM_M(RockerUpperLen); LM_M(RockerUpperBackSet); LM_M(RockerLowerLen); LM_M(ValveConRodLen);
    LM_M(LiftingLinkLen); LM_M(RevArmLen); LM_M(RevArmBackSet); LM_M(LiftingArmLen);
    LM_M(RevArmCentNorm); LM_M(RevArmCentMax); LM_M(FrameSpare);
}
LM_MEMBERS_OF(CylinderRecord) {
    LM_M(CylCtrToDriver); LM_M(CylBoreDia); LM_M(CylBoreLen); LM_M(CylinderSpare);
    LM_M(CylPortWidth); LM_M(PistonToCrosshead); LM_M(PistonWidth); LM_M(ValveBoreDia);
    LM_M(ValveBoreLen); LM_M(ValveBoreCtrToPort); LM_M(ValvePortWidthRear); LM_M(ValveCtrToRing);
    LM_M(ValveEndWidthRear); LM_M(ValveCtrToJoint); LM_M(ValveCLToCylCL);
    LM_M(ValvePortWidthFront); LM_M(ValveEndWidthFront);
}
LM_MEMBERS_OF(Pivot) { LM_M(X); LM_M(Y); LM_M(SX); LM_M(SY); }
LM_MEMBERS_OF(ViewTriple) { LM_M(Scale); LM_M(OriginX); LM_M(OriginY); }
LM_MEMBERS_OF(ViewState) { LM_M(ViewScale); LM_M(ViewOriginX); LM_M(ViewOriginY); LM_M(ViewPresets); }
LM_MEMBERS_OF(DiagramSettings) { LM_M(VerticalScale); LM_M(GraphicZoom); LM_M(DiagramRevArmPos); }
LM_MEMBERS_OF(OverlayEntry) {
    LM_M(Horz1); LM_M(Vert1); LM_M(Horz2); LM_M(Vert2); LM_M(RefPivot1X); LM_M(RefPivot1Y);
    LM_M(RefPivot2X); LM_M(RefPivot2Y); LM_M(Type); LM_M(Color); LM_M(Reference);
    LM_M(RefPivot1); LM_M(RefPivot2);
}
LM_MEMBERS_OF(Overlay) { LM_M(Entries); LM_M(CurrentEntry); }
LM_MEMBERS_OF(Document) {
    LM_M(Frame); LM_M(Cyl); LM_M(Pivots); LM_M(View); LM_M(Diagram); LM_M(Lines); LM_M(DataSetName);
}

LM_MEMBERS_OF(GearState) {
    LM_M(DriverAngle); LM_M(StepAngle); LM_M(RevArmPos); LM_M(RevArmCenter); LM_M(RevArmPositions);
    LM_M(RevArmPosCount); LM_M(RotationDir); LM_M(GearError); LM_M(ErrorBeepOn); LM_M(SolverStep);
    LM_M(SolverTolerance); LM_M(LinkAngle); LM_M(LiftLinkSpan); LM_M(EccSign);
    LM_M(LiftingArmLenSolved);
}
LM_MEMBERS_OF(ValveState) {
    LM_M(PistonPos); LM_M(ValveDisplacement); LM_M(FrontSteamEdge); LM_M(FrontSteamFull);
    LM_M(FrontExhaustEdge); LM_M(RearSteamEdge); LM_M(RearSteamFull); LM_M(RearExhaustEdge);
    LM_M(FrontLeadTerm); LM_M(RearLeadTerm); LM_M(FrontLapTerm); LM_M(RearLapTerm);
    LM_M(FrontExClTerm); LM_M(RearExClTerm); LM_M(FrontSteamOpening); LM_M(FrontExhaustOpening);
    LM_M(RearSteamOpening); LM_M(RearExhaustOpening);
}
LM_MEMBERS_OF(KeptViews) { LM_M(Norm); LM_M(SavedView); }
LM_MEMBERS_OF(DiagramWindowState) {
    LM_M(DiagramRedrawPending); LM_M(UndoLineText); LM_M(UndoLineBefore); LM_M(GraphChoice);
    LM_M(CycleLabelsOn);
}
LM_MEMBERS_OF(DisplayState) {
    LM_M(LineWidth); LM_M(ScreenDataOn); LM_M(RefPointsOn); LM_M(PivotDataOn); LM_M(DynVarsShown);
    LM_M(UndoLineShown); LM_M(SteamDisplayOn); LM_M(FrontSteamLevel); LM_M(RearSteamLevel);
    LM_M(FrontCutOffText); LM_M(RearCutOffText); LM_M(TextScaleX); LM_M(TextScaleY);
}
LM_MEMBERS_OF(DynSlot) { LM_M(DimensionNumber); LM_M(Value); LM_M(DynVarName); }
LM_MEMBERS_OF(DynVars) {
    LM_M(DynQueue); LM_M(DynIndex); LM_M(DynStep); LM_M(Bars); LM_M(DynBarEnterValue); LM_M(DimTyped);
}
LM_MEMBERS_OF(UndoEntry) { LM_M(DimensionNumber); LM_M(Before); LM_M(After); LM_M(DynVarName); }
LM_MEMBERS_OF(UndoHistory) { LM_M(Entries); LM_M(UndoCount); LM_M(ButtonsEnabled); }
LM_MEMBERS_OF(HighlightState) {
    LM_M(Dim); LM_M(Ticks); LM_M(BlinkPhase); LM_M(NotedEditor); LM_M(CloseRequest); LM_M(ReopenRequest);
}
LM_MEMBERS_OF(TrackedRow) { LM_M(Pivot); LM_M(Set); }
LM_MEMBERS_OF(PivotTracking) {
    LM_M(Rows); LM_M(TrackRow); LM_M(TrackPending); LM_M(ClickX); LM_M(ClickY);
    LM_M(RightClickArmed); LM_M(LastNearest);
}
LM_MEMBERS_OF(OverlayRowText) { LM_M(Type); LM_M(Colour); LM_M(Reference); LM_M(Boxes); }
LM_MEMBERS_OF(OverlayEditorState) {
    LM_M(TypeChoice); LM_M(ColourChoice); LM_M(ReferenceChoice); LM_M(DrawEnabled);
    LM_M(OverlayPickPending); LM_M(ActivationRef1X); LM_M(ActivationRef1Y); LM_M(LastNearest);
    LM_M(Rows);
}
LM_MEMBERS_OF(Session) {
    LM_M(Gear); LM_M(Valve); LM_M(Views); LM_M(DiagramWindows); LM_M(Display); LM_M(Dyn);
    LM_M(Undo); LM_M(Highlight); LM_M(SavedDimensionSet); LM_M(Tracking); LM_M(LinesWindow);
}

#undef LM_M
#undef LM_MEMBERS_OF

template <class T>
concept HasMembers = requires(T& t) { VisitMembers(t, [](const char*, auto&) {}); };

template <class T>
inline constexpr bool kIsStdArray = false;
template <class T, std::size_t N>
inline constexpr bool kIsStdArray<std::array<T, N>> = true;

namespace detail {

template <class T, class F>
void WalkField(FieldPath& path, T& value, F& leaf) {
    using Plain = std::remove_const_t<T>;
    if constexpr (HasMembers<Plain>) {
        VisitMembers(value, [&](const char* name, auto& member) {
            path.Push(name);
            WalkField(path, member, leaf);
            path.Pop();
        });
    } else if constexpr (kIsStdArray<Plain>) {
        for (std::size_t i = 0; i < value.size(); ++i) {
            path.PushIndex(i);
            WalkField(path, value[i], leaf);
            path.Pop();
        }
    } else {
        leaf(std::as_const(path), value);
    }
}

}  // namespace detail

// Calls leaf(path, field) for every plain field (a number, flag, enum, text, or the saved
// snapshot as a whole) of a document, a session or both, in declaration order.
template <class M, class F>
    requires std::same_as<std::remove_const_t<M>, Document> || std::same_as<std::remove_const_t<M>, Session>
void ForEachField(M& part, F&& leaf) {
    FieldPath path;
    detail::WalkField(path, part, leaf);
}

template <class M, class F>
    requires std::same_as<std::remove_const_t<M>, Model>
void ForEachField(M& m, F&& leaf) {
    using Doc = std::conditional_t<std::is_const_v<M>, const Document, Document>;
    using Ses = std::conditional_t<std::is_const_v<M>, const Session, Session>;
    ForEachField(static_cast<Doc&>(m), leaf);
    ForEachField(static_cast<Ses&>(m), leaf);
}

}  // namespace lm
