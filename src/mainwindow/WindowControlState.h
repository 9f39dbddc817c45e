// What each tick decides for the main window's own controls, apart from the picture:
// the error item, the dynamic bars' enabling and the UnDo button's place.
#pragma once

#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// Whether the reference-point bars show: with the reference points, but not while a
// dimension highlight draws its label and hourglass where they stand.
inline bool RefPointBarsShown(const Model& m, const MainWindowState& s) {
    return m.Display.RefPointsOn && !s.HighlightActive;
}

// All of them, once per tick, before the picture.
void UpdateWindowControlState(Model& m, MainWindowState& state);

// Counts the ticks of a raised GearError: the Error item, its sound, the clearing.
void CountErrorTicks(Model& m, MainWindowState& state);
void UpdateDynBarEnabling(const Model& m, MainWindowState& state);
void UpdateUndoButtonPlace(const Model& m, MainWindowState& state);

// The six window titles into state.Titles, from the set's name and the clock.
void UpdateWindowTitles(const Model& m, MainWindowState& state);

}  // namespace lm
