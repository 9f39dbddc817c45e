// The pan, zoom, preset and reference-point logic of the main window's view, without Qt;
// the reference-point dialog shares it.

#pragma once

#include <string_view>

#include "common/RelativeBar.h"
#include "graphics/Canvas.h"
#include "model/Model.h"

namespace lm {

// What the pan, zoom, preset and reference-point controls remember between events. The
// window shows its buttons' enabled state from here after every handler.
struct MainViewControls {
    RelativeBarMemory PanVert, PanHorz, Zoom;
    RelativeBarMemory Ref1Vert, Ref1Horz, Ref2Vert, Ref2Horz;
    bool NormEnabled = false;         // NormVHZ
    bool PresetCaptureArmed = false;  // "P" pressed: Preset0 disabled until a preset or Norm
    bool RefPt1ZeroEnabled = false;
    bool RefPt2ZeroEnabled = false;
    // The pan and zoom bars shown by SetPanZoom while the screen data are off.
    bool PanZoomBarsShown = false;
};

// The logic behind the main window's pan, zoom, preset and reference-point controls.
// The window calls these from its handlers and then shows the enabled/visible state of
// its controls from MainViewControls and the model's display options. A relative bar's handler
// is called for every position the bar reports, the reset to 0 included.

inline constexpr int kPanBarLimit = 500;  // SBPanVert, SBPanHorz: -500..500
inline constexpr float kMinViewScale = 0.5f;
inline constexpr float kMaxViewScale = 3000;
// The screen point pan-to and zoom keep fixed.
inline constexpr ScreenPoint kViewCentre{320, 240};

void PanVertChanged(Model& m, MainViewControls& c, int position);
void PanHorzChanged(Model& m, MainViewControls& c, int position);
void ZoomChanged(Model& m, MainViewControls& c, int position);

// Norm: the view left becomes the saved view; back to the normal view.
void NormClick(Model& m, MainViewControls& c);
// "P": captures the current view and arms the next preset button to store it.
void CapturePresetClick(Model& m, MainViewControls& c);
// Presets 1..6: store the captured view first when armed, then show the preset.
void PresetClick(Model& m, MainViewControls& c, int preset);

// Switches the reference points on or off; off also switches the pivot data display off.
void RefPointsClick(DisplayState& d);

enum class RefPointBar { Ref1Vert, Ref1Horz, Ref2Vert, Ref2Horz };
void RefPointBarChanged(Model& m, MainViewControls& c, RefPointBar bar, int position);
// point 1 or 2: back to 0, 0.
void RefPointZeroClick(Model& m, MainViewControls& c, int point);

// Presses inside the drawing area may place reference points; the strip at the top and
// the reference bars' corner below it may not.
bool InRefPointArea(ScreenPoint p);
enum class MouseButton { Left, Right, Other };
// Left places point 1, right point 2, at the model point under the cursor. True when a
// point was placed.
bool PlaceRefPointByMouse(Model& m, MainViewControls& c,
                          MouseButton button, ScreenPoint p);

// RP1 / RP2 (point 1 or 2): pans the point to the view centre, then moves the pan bars
// to the matching positions (clamped to their range), whose handlers pan once more and
// return them to 0. The window's bars stay at 0 and need no update.
void PanToRefPoint(Model& m, MainViewControls& c, int point);

}  // namespace lm
