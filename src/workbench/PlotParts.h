// What the workbench's plots have in common: a white chart with one font, a round grid
// step and the decimals its labels need, and the legend of the front and rear colours.

#pragma once

#include "graphics/Canvas.h"

namespace lm {

inline constexpr Rgb kFrontEventColour = colours::Red;
inline constexpr Rgb kRearEventColour = colours::Blue;
inline constexpr Rgb kPlotGridColour{210, 210, 210};
inline constexpr int kPlotFontPixels = 11;

// A white picture, the plots' font in black, a thin pen and a hollow brush.
void StartPlot(Canvas& canvas);

// 1, 2, 2.5 or 5 times a power of ten, the smallest that is at least a fifth of `range`.
double RoundStep(double range);

// The decimals that write every multiple of `step` exactly: 0.25 needs two, 0.2 one.
int StepDecimals(double step);

// A short line and "Front" in the front's colour, then the same for "Rear", within
// kEndsLegendWidth of `left`; the text's top at `top`. An end not drawn leaves its place.
inline constexpr int kEndsLegendWidth = 96;
void DrawEndsLegend(Canvas& canvas, int left, int top, bool front = true, bool rear = true);

}  // namespace lm
