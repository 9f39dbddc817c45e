// The fingerprint of everything a tick reads, and the rule for leaving a tick out.

#include "mainwindow/IdleTicks.h"

#include <type_traits>

namespace lm {

namespace {

// A field added to one of the structs below that hold text must join the fingerprint, or
// a change to it alone would leave the picture stale; these sizes catch the addition.
#if defined(__x86_64__) && defined(__GLIBCXX__)
#define LM_FINGERPRINT_COVERS(T, bytes)                                                  \
    static_assert(sizeof(T) == (bytes), "a new field of " #T " must join TickFingerprint " \
                                        "(src/mainwindow/IdleTicks.cpp)")
#else
#define LM_FINGERPRINT_COVERS(T, bytes) static_assert(true)
#endif
LM_FINGERPRINT_COVERS(Model, 8304);
LM_FINGERPRINT_COVERS(MainWindowState, 592);
LM_FINGERPRINT_COVERS(DiagramSettings, 64);
LM_FINGERPRINT_COVERS(DisplayState, 96);
LM_FINGERPRINT_COVERS(DynSlot, 40);
LM_FINGERPRINT_COVERS(DynVars, 256);
LM_FINGERPRINT_COVERS(UndoEntry, 48);
LM_FINGERPRINT_COVERS(UndoHistory, 1016);
LM_FINGERPRINT_COVERS(OverlayRowText, 224);
LM_FINGERPRINT_COVERS(OverlayEditorState, 4736);
#undef LM_FINGERPRINT_COVERS

class Writer {
public:
    // Plain data goes in byte for byte; padding between fields may only make two equal
    // states look different, which costs a drawing, never a stale picture.
    template <class T>
    void Raw(const T& v) {
        static_assert(std::is_trivially_copyable_v<T>);
        bytes_.append(reinterpret_cast<const char*>(&v), sizeof v);
    }
    void Text(const std::string& s) {
        Raw(s.size());
        bytes_ += s;
    }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

void AddDiagram(Writer& w, const DiagramSettings& d) {
    w.Raw(d.VerticalScale);
    w.Raw(d.GraphicZoom);
    w.Raw(d.DiagramRevArmPos);
    w.Raw(d.DiagramRedrawPending);
    w.Text(d.UndoLineText);
    w.Raw(d.GraphChoice);
    w.Raw(d.CycleLabelsOn);
    w.Raw(d.SteamPrevFrontOpening);
    w.Raw(d.SteamPrevRearOpening);
}

void AddDisplay(Writer& w, const DisplayState& d) {
    w.Raw(d.LineWidth);
    w.Raw(d.ScreenDataOn);
    w.Raw(d.RefPointsOn);
    w.Raw(d.PivotDataOn);
    w.Raw(d.DynVarsShown);
    w.Raw(d.UndoLineShown);
    w.Raw(d.SteamDisplayOn);
    w.Raw(d.FrontSteamLevel);
    w.Raw(d.RearSteamLevel);
    w.Text(d.FrontCutOffText);
    w.Text(d.RearCutOffText);
    w.Raw(d.TextScaleX);
    w.Raw(d.TextScaleY);
}

void AddDyn(Writer& w, const DynVars& d) {
    for (const DynSlot& s : d.DynQueue) {
        w.Raw(s.DimensionNumber);
        w.Raw(s.Value);
        w.Text(s.DynVarName);
    }
    w.Raw(d.DynIndex);
    w.Raw(d.DynStep);
    w.Raw(d.Bars);
    w.Raw(d.DynBarEnterValue);
    w.Raw(d.DimTyped);
}

void AddUndo(Writer& w, const UndoHistory& u) {
    for (const UndoEntry& e : u.Entries) {
        w.Raw(e.DimensionNumber);
        w.Raw(e.Before);
        w.Raw(e.After);
        w.Text(e.DynVarName);
    }
    w.Raw(u.UndoCount);
    w.Raw(u.ButtonsEnabled);
}

void AddLinesWindow(Writer& w, const OverlayEditorState& o) {
    w.Raw(o.TypeChoice);
    w.Raw(o.ColourChoice);
    w.Raw(o.ReferenceChoice);
    w.Raw(o.DrawEnabled);
    w.Raw(o.OverlayPickPending);
    w.Raw(o.ActivationRef1X);
    w.Raw(o.ActivationRef1Y);
    w.Raw(o.LastNearest);
    for (const OverlayRowText& r : o.Rows) {
        w.Text(r.Type);
        w.Text(r.Colour);
        w.Text(r.Reference);
        for (const std::string& b : r.Boxes) w.Text(b);
    }
}

void AddModel(Writer& w, const Model& m) {
    w.Raw(m.Frame);
    w.Raw(m.Cyl);
    w.Raw(m.Pivots);
    w.Raw(m.Gear);
    w.Raw(m.Valve);
    w.Raw(m.View);
    AddDiagram(w, m.Diagram);
    AddDisplay(w, m.Display);
    AddDyn(w, m.Dyn);
    AddUndo(w, m.Undo);
    w.Raw(m.Lines);
    w.Text(m.DataSetName);
    w.Raw(m.Highlight);
    w.Raw(m.SavedDimensionSet.size());
    for (float v : m.SavedDimensionSet) w.Raw(v);
    w.Raw(m.Tracking);
    AddLinesWindow(w, m.LinesWindow);
}

// The titles are rebuilt from the clock by every tick, drawn or not; the random numbers
// are reseeded from the clock by the steam display, which never idles; the sound output
// is where sounds go, not what is drawn.
void AddWindowState(Writer& w, const MainWindowState& s) {
    w.Raw(s.View);
    w.Raw(s.Cylinder);
    w.Raw(s.Piston);
    w.Raw(s.StepAngleSetting);
    w.Raw(s.Running);
    w.Raw(s.StepBarLive);
    w.Raw(s.ErrorItemVisible);
    w.Raw(s.DynBarEnabled);
    w.Raw(s.UndoButtonVisible);
    w.Raw(s.UndoButtonTop);
    w.Raw(s.ErrorTicks);
    w.Raw(s.CutOff);
    w.Raw(s.Steam);
    w.Raw(s.HighlightActive);
}

}  // namespace

std::string TickFingerprint(const Model& m, const MainWindowState& state, const TickSurroundings& around) {
    Writer w;
    AddModel(w, m);
    AddWindowState(w, state);
    w.Raw(around);
    return w.Take();
}

bool AnimationLive(const Model& m, const MainWindowState& state) {
    if (m.Display.SteamDisplayOn) return true;
    // The error item counts only among the screen data.
    if (m.Display.ScreenDataOn && (m.Gear.GearError || state.ErrorTicks != 0)) return true;
    if (m.Highlight.Dim > 0 || state.HighlightActive) return true;
    // A held cut-off counts down only while the gear turns.
    const bool cutOffHeld = state.CutOff.FrontCutOffHold > 0 || state.CutOff.RearCutOffHold > 0;
    return cutOffHeld && m.Gear.StepAngle != 0;
}

bool IdleTicks::MaySkip(const Model& m, const MainWindowState& state, const TickSurroundings& around) {
    // A turning gear never skips, so its ticks need no fingerprint.
    if (m.Gear.StepAngle != 0) {
        settled_ = false;
        before_.clear();
        return false;
    }
    std::string now = TickFingerprint(m, state, around);
    if (settled_ && !AnimationLive(m, state) && now == drawn_) return true;
    before_ = std::move(now);
    return false;
}

void IdleTicks::Drawn(const Model& m, const MainWindowState& state, const TickSurroundings& around) {
    if (before_.empty()) {
        settled_ = false;
        return;
    }
    drawn_ = TickFingerprint(m, state, around);
    settled_ = drawn_ == before_;
}

}  // namespace lm
