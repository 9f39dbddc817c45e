// The fingerprint of everything a tick reads, and the rule for leaving a tick out.

#include "mainwindow/IdleTicks.h"

#include <type_traits>

#include "model/ModelFields.h"

namespace lm {

namespace {

// A field added to the window state must join the fingerprint, or a change to it alone
// would leave the picture stale; the size catches the addition. (The model's fields are
// all walked by ForEachField.)
#if defined(__x86_64__) && defined(__GLIBCXX__)
static_assert(sizeof(MainWindowState) == 760,
              "a new field of MainWindowState must join TickFingerprint (src/mainwindow/IdleTicks.cpp)");
#endif

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

void AddModel(Writer& w, const Model& m) {
    ForEachField(m, [&w](const FieldPath&, const auto& field) {
        using T = std::remove_cvref_t<decltype(field)>;
        if constexpr (std::is_same_v<T, std::string>) {
            w.Text(field);
        } else if constexpr (std::is_same_v<T, std::vector<float>>) {
            w.Raw(field.size());
            for (float v : field) w.Raw(v);
        } else {
            w.Raw(field);
        }
    });
}

// The titles are rebuilt from the clock by every tick, drawn or not; the tick's picture
// (state.Picture) is what a tick works out for its drawing, never what the next one reads;
// the sound output is where sounds go, not what is drawn.
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
