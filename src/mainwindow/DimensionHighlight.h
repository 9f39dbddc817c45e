// The timed highlight of one dimension on the main window's drawing.

#pragma once

// The dimension highlight: for about a thousand ticks the main window zooms to one
// dimension, marks it with a thick blinking line and its name beside an hourglass sign,
// then restores the view and asks for the editor that started it to be opened again.

#include <string_view>
#include <vector>

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

inline constexpr int kHighlightLifeTicks = 1000;
// A mouse press sets the tick count past the life, so the next tick ends the highlight.
inline constexpr int kHighlightEndedByPress = 1005;
inline constexpr float kDefaultGraphicZoom = 7.5f;

// The row of the highlight table for dimension dim (1..27, 101..117): its label, its
// scale at the default zoom, and its origin when it sets one. False for other numbers.
struct HighlightView {
    std::string_view Label;
    float Scale = 0;
    bool SetsOrigin = false;
    float OriginX = 0, OriginY = 0;
};
bool FindHighlightView(int dim, HighlightView& out);

// The tick's state step while Highlight.Dim > 0: asks for the editor to be closed, saves
// the view on the first tick, counts and blinks, sets the dimension's view and works out
// its line from this tick's pivots and outlines; after the last tick (or the tick after a
// press) restores the view, ends the highlight and asks for the editor to be reopened.
// Returns what to draw; nothing when no highlight is on. An unknown number ends it at once.
HighlightPicture StepDimensionHighlight(Model& m, MainWindowState& state);

// Draws the hourglass sign, the line and the label. Changes no state.
void DrawHighlightPicture(const HighlightPicture& picture, Canvas& canvas);

// For the main window's mouse-press handler: a highlight on screen ends at the next tick.
// One asked for but not yet shown is dropped at once and its editor asked back.
void EndDimensionHighlightByMousePress(Model& m);

}  // namespace lm
