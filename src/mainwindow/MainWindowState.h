#pragma once

#include "mainwindow/GearOutlines.h"
#include "common/RelativeBar.h"
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
};

// The main window's own state, owned by the window beside the Model.
struct MainWindowState {
    MainViewControls View;
    // Filled by every tick; also read by the steam display and the dimension highlight.
    CylinderOutline Cylinder;
    PistonOutline Piston;
};

}  // namespace lm
