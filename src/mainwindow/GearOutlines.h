// The screen outlines of the cylinder, piston and valve the gear drawing uses.

#pragma once

#include <array>

#include "graphics/Canvas.h"
#include "model/Model.h"

namespace lm {

// Screen points of the cylinder, its ports and the valve bore, named as on the drawing:
// A the start, B0..B12 the outline, C0..C3 the passage wall.
struct CylinderOutline {
    ScreenPoint A;
    std::array<ScreenPoint, 13> B{};
    std::array<ScreenPoint, 4> C{};
};

// Screen points of the piston and the valve: K the piston rod end, Q0..Q3 the piston,
// Q4 the valve stem end, R0..R3 the rear valve head, F0..F3 the front valve head.
struct PistonOutline {
    ScreenPoint K;
    std::array<ScreenPoint, 5> Q{};
    std::array<ScreenPoint, 4> R{};
    std::array<ScreenPoint, 4> F{};
};

// From the cylinder dimensions and the current view.
CylinderOutline ComputeCylinderOutline(const Model& m);
// From the solved crosshead and valve stem joint and the current view.
PistonOutline ComputePistonOutline(const Model& m);

}  // namespace lm
