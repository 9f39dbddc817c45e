// What each tick decides for the main window's controls: error item, bars, UnDo button.

#include "mainwindow/WindowControlState.h"

#include "common/Numbers.h"
#include "common/SoundOutput.h"
#include "model/DynamicVariables.h"
#include "view/WindowTitles.h"

namespace lm {

void UpdateWindowControlState(Model& m, MainWindowState& state) {
    UpdateUndoButtonPlace(m, state);
    // The error item and the bars live among the screen data.
    if (m.Display.ScreenDataOn) {
        CountErrorTicks(m, state);
        UpdateDynBarEnabling(m, state);
    }
}

// A raised error shows for 9 ticks, sounds once at the 10th and is cleared after the
// 21st; raises in between do not restart the count.
void CountErrorTicks(Model& m, MainWindowState& state) {
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

void UpdateDynBarEnabling(const Model& m, MainWindowState& state) {
    if (!m.Display.DynVarsShown) return;
    for (int k = 1; k <= 4; ++k)
        state.DynBarEnabled[static_cast<std::size_t>(k)] =
            DynSlotUsed(m.Dyn.DynQueue[static_cast<std::size_t>(k)]);
}

// The button sits beside the undo line, below the dynamic-variable lines when they show;
// its height follows the large font's width factor, as it always has.
void UpdateUndoButtonPlace(const Model& m, MainWindowState& state) {
    state.UndoButtonVisible = m.Display.ScreenDataOn && m.Display.UndoLineShown;
    if (!state.UndoButtonVisible) return;
    const int lineTop = m.Display.DynVarsShown ? 128 : 73;
    state.UndoButtonTop = RoundToInt((lineTop - 1) * static_cast<long double>(m.Display.TextScaleX));
}

void UpdateWindowTitles(const Model& m, MainWindowState& state) {
    state.Titles = BuildWindowTitles(m.DataSetName, ShortDateNow(), LongTimeNow());
}

}  // namespace lm
