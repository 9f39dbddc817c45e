// The pieces the event plot and the tolerance charts share.

#include "workbench/PlotParts.h"

#include <cmath>

namespace lm {

void StartPlot(Canvas& canvas) {
    canvas.Clear(colours::White);
    canvas.SetHollowBrush();
    canvas.SetTextBackground(false);
    canvas.SetFontSize(kPlotFontPixels);
    canvas.SetFontColour(colours::Black);
    canvas.SetPenWidth(1);
    canvas.SetPenColour(colours::Black);
}

double RoundStep(double range) {
    if (!(range > 0) || !std::isfinite(range)) return 1;
    const double rough = range / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * power >= rough) return m * power;
    return 10 * power;
}

int StepDecimals(double step) {
    for (int d = 0; d < 8; ++d) {
        const double scaled = step * std::pow(10.0, d);
        if (std::fabs(scaled - std::round(scaled)) <= 1e-6 * std::fabs(scaled)) return d;
    }
    return 8;
}

void DrawEndsLegend(Canvas& canvas, int left, int top, bool front, bool rear) {
    constexpr int kLine = 16, kToText = 20, kToRear = 52;
    const int y = top + kPlotFontPixels / 2 + 2;
    canvas.SetPenWidth(2);
    if (front) {
        canvas.SetPenColour(kFrontEventColour);
        canvas.Line({left, y}, {left + kLine, y});
        canvas.TextOut({left + kToText, top}, "Front");
    }
    if (rear) {
        canvas.SetPenColour(kRearEventColour);
        canvas.Line({left + kToRear, y}, {left + kToRear + kLine, y});
        canvas.TextOut({left + kToRear + kToText, top}, "Rear");
    }
    canvas.SetPenWidth(1);
}

}  // namespace lm
