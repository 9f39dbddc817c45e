// Controls placed by pixel on a window's picture grow with the large-font layout: each
// remembers the place it was given, and its window puts them all at that place times
// the text scale, so the large-font window reads as the normal one enlarged.
#pragma once

#include <QRect>

class QWidget;

namespace lm {

// Puts the control at its place in the normal layout and remembers that place.
void PlaceControl(QWidget* control, const QRect& normal);

// The normal place times the text scale, edge by edge.
QRect ScaledPlace(const QRect& normal, float scaleX, float scaleY);

// Every direct child of the container placed with PlaceControl goes to its scaled place,
// its font grown by the height factor; scale 1 puts each back where it was given.
void ScaleControls(QWidget* container, float scaleX, float scaleY);

}  // namespace lm
