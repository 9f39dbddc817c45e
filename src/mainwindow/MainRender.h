// Drawing the main window's whole picture, and its size.

#pragma once

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// The main window's picture, 1280 x 1024 pixels, drawn after AnimationTick and
// UpdateWindowControlState: steam
// display, titles, gear, overlay, then the readouts and reference points while the screen
// data are on, and the dimension highlight last. The caller copies the canvas to the
// window.
void RenderMainWindow(Model& m, MainWindowState& state, Canvas& canvas);

inline constexpr int kPictureWidth = 1280;
inline constexpr int kPictureHeight = 1024;

// The part of the picture the main window shows: its client area.
inline constexpr int kClientAreaWidth = 632;
// The readouts' text size at the normal font.
inline constexpr int kReadoutFontPixels = 11;
inline constexpr int kClientAreaHeight = 380;

}  // namespace lm
