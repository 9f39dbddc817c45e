// The main window's whole picture: the tick's steps, then the drawing, and its size.

#pragma once

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// What a tick works out for its picture, after AnimationTick and
// UpdateWindowControlState: the steam display's colours, levels and beats, the titles,
// the reverse-arm handle, the cut-off readout and the dimension highlight (last: it sets
// the next tick's view). Everything it works out goes into the model and the window
// state (state.Picture), nothing onto the screen.
void StepMainWindow(Model& m, MainWindowState& state);

// The main window's picture, 1280 x 1024 pixels, as the last StepMainWindow left it:
// steam display, gear, overlay, then the readouts and reference points while the screen
// data are on, and the dimension highlight last. Changes nothing but the canvas, so it
// draws the same picture as often as it is asked until the next tick.
void DrawMainWindow(const Model& m, const MainWindowState& state, Canvas& canvas);

// One tick's picture: StepMainWindow, then DrawMainWindow.
void RenderMainWindow(Model& m, MainWindowState& state, Canvas& canvas);

inline constexpr int kPictureWidth = 1280;
inline constexpr int kPictureHeight = 1024;

// The part of the picture the main window shows: its client area.
inline constexpr int kClientAreaWidth = 632;
// The readouts' text size at the normal font.
inline constexpr int kReadoutFontPixels = 11;
inline constexpr int kClientAreaHeight = 380;

}  // namespace lm
