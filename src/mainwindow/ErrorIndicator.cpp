#include "mainwindow/RenderHooks.h"
#include "mainwindow/SoundOutput.h"

namespace lm {

// A raised error shows for 9 ticks, sounds once at the 10th and is cleared after the
// 21st; raises in between do not restart the count.
void DrawErrorIndicator(Model& m, MainWindowState& state, Canvas&) {
    if (!m.Gear.GearError) return;
    ++state.ErrorTicks;
    if (state.ErrorTicks < 10) state.ErrorItemVisible = true;
    if (state.ErrorTicks == 10) {
        state.ErrorItemVisible = false;
        if (state.Sound) state.Sound->Play("Error.wav");
    }
    if (state.ErrorTicks > 20) {
        state.ErrorTicks = 0;
        m.Gear.GearError = false;
    }
}

}  // namespace lm
