// The cut-off plot of the valve-events window.

#pragma once

// The cut-off of each cylinder end against the reverser's position, forward and reverse
// gear side by side, drawn from the valve-events table through Canvas.

#include <optional>

#include "graphics/Canvas.h"
#include "workbench/ValveEvents.h"

namespace lm {

inline constexpr int kCutOffPlotWidth = 560;
inline constexpr int kCutOffPlotHeight = 250;

inline constexpr Rgb kFrontCutOffColour = colors::Red;
inline constexpr Rgb kRearCutOffColour = colors::Blue;

// Where the plot puts things, so the drawing and its readers agree.
struct CutOffPlotFrame {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    float Centre = 0;  // mid gear's arm position
    float Reach = 0;   // how far the rows reach either side of it (never 0)
    bool ForwardIsPlus = true;

    // Forward gear to the right of mid gear whichever way the arm's numbers run.
    int X(float revArmPos) const;
    // 0 % of stroke on the bottom line, 100 % on the top one.
    int Y(double percent) const;
};

CutOffPlotFrame CutOffPlotFrameFor(const ValveEventsTable& table, int width, int height);

inline constexpr Rgb kReverserMarkColour = colors::DarkGreen;

// Axes, grid, legend and one line for each end in each direction; a row where the port
// never cuts off leaves a gap in its line. With `reverser`, a vertical line marks where
// the arm stands now.
void DrawCutOffPlot(Canvas& canvas, const ValveEventsTable& table, std::optional<float> reverser = {},
                    int width = kCutOffPlotWidth, int height = kCutOffPlotHeight);

}  // namespace lm
