// When the main window's tick may be left out: a stopped gear with nothing changed and
// nothing blinking or animating would draw the very picture it drew last.
#pragma once

#include <cstdint>
#include <string>

#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// Everything a tick reads besides the model and the window state: the part of the
// picture the window shows and the screen's pixel ratio.
struct TickSurroundings {
    int shownWidth = 0;
    int shownHeight = 0;
    double pixelRatio = 1;
};

// The bytes of everything a tick reads (the whole model, the window state but for its
// titles, the tick's own picture and sound output, and the surroundings). Two equal fingerprints
// mean the tick would start from the same place.
std::string TickFingerprint(const Model& m, const MainWindowState& state, const TickSurroundings& around);

// An animation the render runs while the gear stands: the steam display (random dots,
// levels, exhaust beats), the error item's count, the dimension highlight's blink, a
// cut-off readout still held on screen.
bool AnimationLive(const Model& m, const MainWindowState& state);

// Remembers the last drawn tick. A tick may be skipped only when the gear is stopped, no
// animation is live, the fingerprint equals the last drawn tick's, and that tick left its
// own starting fingerprint unchanged (so running it again would change nothing, not even
// a solver settling by its last bit).
class IdleTicks {
public:
    // Before a tick: true when it may be left out.
    bool MaySkip(const Model& m, const MainWindowState& state, const TickSurroundings& around);
    // After a drawn tick.
    void Drawn(const Model& m, const MainWindowState& state, const TickSurroundings& around);
    // The next tick draws whatever the fingerprint says.
    void Forget() { settled_ = false; }

private:
    std::string before_;
    std::string drawn_;
    bool settled_ = false;
};

}  // namespace lm
