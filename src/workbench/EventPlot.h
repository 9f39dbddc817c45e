// Any valve event against the reverser's position: the plot of the Valve Events window
// and of `linkmotion-cli draw --what events`.

#pragma once

// One pair of events (lead, greatest opening, admission, cut-off, release or
// compression), front and rear, across the whole reverser range, forward and reverse
// gear side by side, drawn from valve-events tables through Canvas; a second table (a
// gear compared, or the gear before a fit) dashed beside the first.

#include <optional>
#include <string>

#include "graphics/Canvas.h"
#include "workbench/PlotParts.h"
#include "workbench/ValveEvents.h"

namespace lm {

inline constexpr int kEventPlotWidth = 560;
inline constexpr int kEventPlotHeight = 250;

inline constexpr Rgb kReverserMarkColour = colours::DarkGreen;

// The pair the window shows first.
inline constexpr int kCutOffPair = 3;

struct EventPlot {
    int Pair = kCutOffPair;  // 0..5, as ValveEventPairName
    const ValveEventsTable* Table = nullptr;
    std::string TableLabel;  // "This gear", "After the fit", ...
    // Drawn dashed; none when null.
    const ValveEventsTable* Other = nullptr;
    std::string OtherLabel;
    // Where the arm stands now: a vertical line.
    std::optional<float> Reverser;
    // Which ends are drawn.
    bool Front = true;
    bool Rear = true;
};

// Where the plot puts things, so the drawing and its readers agree.
struct EventPlotFrame {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    float Centre = 0;  // mid gear's arm position
    float Reach = 0;   // how far the rows reach either side of it (never 0)
    bool ForwardIsPlus = true;
    // The value axis: Low on the bottom line, High on the top one, a grid line each Step.
    double Low = 0, High = 100, Step = 25;

    // Forward gear to the right of mid gear whichever way the arm's numbers run.
    int X(float revArmPos) const;
    int Y(double value) const;
};

EventPlotFrame EventPlotFrameFor(const EventPlot& plot, int width, int height);

// The value axis for values from lo to hi: round ends a whole number of round steps
// (1, 2, 2.5 or 5 times a power of ten) apart, four to eight of them.
struct NiceAxis {
    double Low, High, Step;
};
NiceAxis NiceAxisFor(double lo, double hi);

// Axes, grid, legend and, for each table, one line for each end in each direction; a row
// where the event does not occur leaves a gap in its line.
void DrawEventPlot(Canvas& canvas, const EventPlot& plot, int width = kEventPlotWidth,
                   int height = kEventPlotHeight);

// "Cut-off, % of stroke", "Lead, length units", ...
std::string EventPlotTitle(int pair);

}  // namespace lm
