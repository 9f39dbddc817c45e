// Model coordinates to the main window's pixels and back.

#pragma once

#include <cstdint>

#include "graphics/Canvas.h"
#include "model/Model.h"

namespace lm {

// The one mapping between model coordinates (length units, y up) and the main window's
// client-area pixels (y down). Every drawing of the main window goes through it. Worked
// in extended precision and rounded half to even; non-finite or huge results are clamped,
// never converted unguarded.
std::int32_t ToScreenX(const ViewState& view, long double x);
std::int32_t ToScreenY(const ViewState& view, long double y);
ScreenPoint ToScreen(const ViewState& view, long double x, long double y);
ScreenPoint ToScreen(const ViewState& view, const Pivot& p);
std::int32_t ToScreenLength(const ViewState& view, long double length);

struct ModelPoint {
    long double x = 0, y = 0;
};

// The model point under a pixel, unrounded. False (and the point left at 0, 0) when the
// view scale cannot be divided by.
bool ToModel(const ViewState& view, ScreenPoint p, ModelPoint& out);

// A pixel offset from a mapped point; saturates instead of overflowing when the point
// was clamped to the edge of the int range.
ScreenPoint Offset(ScreenPoint p, int dx, int dy);

// Writes SX, SY of the mapped pivots 0..23, then re-maps the reverse-arm handle's SX from
// the reverse-arm setting, as the tick needs it.
void MapPivots(Model& m);

}  // namespace lm
