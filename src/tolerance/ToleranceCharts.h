// The tolerance study's two pictures, drawn through Canvas: each event's band from the
// 1st to the 99th percentile with its nominal line against the reverser's position, and
// the variance shares of one result as bars.

#pragma once

#include <string>

#include "graphics/Canvas.h"
#include "tolerance/StudyPlan.h"
#include "tolerance/ToleranceStatistics.h"
#include "workbench/PlotParts.h"

namespace lm {

inline constexpr int kBandPlotWidth = 490;
inline constexpr int kBandPlotHeight = 260;
inline constexpr int kShareChartWidth = 340;
inline constexpr int kShareChartHeight = 260;
// More bars than this are summed into one "others" bar.
inline constexpr int kShareChartBars = 10;

inline constexpr Rgb kFrontBandFill{255, 205, 205};
inline constexpr Rgb kRearBandFill{205, 215, 255};
inline constexpr Rgb kBothBandsFill{225, 195, 240};

// Where the band plot puts things, so the drawing and its readers agree.
struct BandPlotFrame {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    double MinReverser = -1, MaxReverser = 1;
    double MinValue = 0, MaxValue = 1;
    int X(double reverser) const;
    int Y(double value) const;
};

// The pair of events p (0..5: lead, greatest opening, admission, cut-off, release,
// compression) of both ends, over every setting of the study.
BandPlotFrame BandPlotFrameFor(const StudyPlan& plan, const ToleranceSummary& summary, int pair, int width,
                               int height);
void DrawToleranceBands(Canvas& canvas, const StudyPlan& plan, const ToleranceSummary& summary, int pair,
                        int width = kBandPlotWidth, int height = kBandPlotHeight);

// The shares of one result, largest first; `title` names the event and setting.
void DrawShareChart(Canvas& canvas, const StudyPlan& plan, const EventStatistics& result, const std::string& title,
                    int width = kShareChartWidth, int height = kShareChartHeight);

}  // namespace lm
