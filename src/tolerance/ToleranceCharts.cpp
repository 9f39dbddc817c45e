// The band plot and the share chart of a tolerance study.

#include "tolerance/ToleranceCharts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <vector>

#include "common/Numbers.h"
#include "tolerance/ToleranceReport.h"
#include "workbench/ValveEvents.h"

namespace lm {

namespace {

constexpr Rgb kBarColour{70, 110, 180};
constexpr Rgb kUnassembledColour{220, 110, 0};

std::vector<std::size_t> ByReverser(const StudyPlan& plan) {
    std::vector<std::size_t> order(plan.Settings.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&plan](std::size_t a, std::size_t b) {
        return plan.Settings[a].Reverser < plan.Settings[b].Reverser;
    });
    return order;
}

bool HasBand(const EventStatistics& r) { return std::isfinite(r.P1) && std::isfinite(r.P99); }

// Where an end's band lies on screen, pixel column by pixel column (top, bottom): between
// two settings that both have one, and a narrow bar at each setting so a lone one shows.
std::map<int, std::pair<int, int>> BandColumns(const BandPlotFrame& f, const StudyPlan& plan,
                                               const ToleranceSummary& summary, int event) {
    const std::vector<std::size_t> order = ByReverser(plan);
    std::map<int, std::pair<int, int>> columns;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const EventStatistics& a = summary.At(order[k], event);
        if (!HasBand(a)) continue;
        const int xa = f.X(plan.Settings[order[k]].Reverser);
        for (int x = xa - 2; x <= xa + 2; ++x) columns[x] = {f.Y(a.P99), f.Y(a.P1) + 1};
        if (k + 1 == order.size()) continue;
        const EventStatistics& b = summary.At(order[k + 1], event);
        if (!HasBand(b)) continue;
        const int xb = f.X(plan.Settings[order[k + 1]].Reverser);
        for (int x = xa; x <= xb && xb > xa; ++x) {
            const double t = static_cast<double>(x - xa) / (xb - xa);
            columns[x] = {f.Y(a.P99 + t * (b.P99 - a.P99)), f.Y(a.P1 + t * (b.P1 - a.P1)) + 1};
        }
    }
    return columns;
}

// Both ends' bands, and where they overlap a colour of its own, so neither hides the other.
void DrawBands(Canvas& canvas, const BandPlotFrame& f, const StudyPlan& plan, const ToleranceSummary& summary,
               int front, int rear) {
    const auto frontColumns = BandColumns(f, plan, summary, front);
    const auto rearColumns = BandColumns(f, plan, summary, rear);
    canvas.SetPenWidth(1);
    for (const auto& [columns, fill] : {std::pair{&frontColumns, kFrontBandFill}, std::pair{&rearColumns, kRearBandFill}}) {
        canvas.SetPenColour(fill);
        for (const auto& [x, span] : *columns) canvas.Line({x, span.first}, {x, span.second});
    }
    canvas.SetPenColour(kBothBandsFill);
    for (const auto& [x, span] : frontColumns) {
        const auto other = rearColumns.find(x);
        if (other == rearColumns.end()) continue;
        const int top = std::max(span.first, other->second.first);
        const int bottom = std::min(span.second, other->second.second);
        if (top < bottom) canvas.Line({x, top}, {x, bottom});
    }
}

// An end's band edges thin and its nominal line thick, each broken where a value is missing.
void DrawLines(Canvas& canvas, const BandPlotFrame& f, const StudyPlan& plan, const ToleranceSummary& summary,
               int event, Rgb line) {
    const std::vector<std::size_t> order = ByReverser(plan);
    const auto polyline = [&](double EventStatistics::*value, bool nominal) {
        std::vector<ScreenPoint> run;
        const auto flush = [&] {
            if (run.size() >= 2) canvas.Polyline(run);
            if (nominal)
                for (const ScreenPoint& p : run) canvas.Ellipse(p.x - 2, p.y - 2, p.x + 3, p.y + 3);
            run.clear();
        };
        for (std::size_t s : order) {
            const EventStatistics& r = summary.At(s, event);
            const double v = nominal ? static_cast<double>(r.Nominal) : r.*value;
            if (!std::isfinite(v)) {
                flush();
                continue;
            }
            run.push_back({f.X(plan.Settings[s].Reverser), f.Y(v)});
        }
        flush();
    };
    canvas.SetPenColour(line);
    canvas.SetPenWidth(1);
    polyline(&EventStatistics::P1, false);
    polyline(&EventStatistics::P99, false);
    canvas.SetPenWidth(2);
    polyline(nullptr, true);
    canvas.SetPenWidth(1);
}

}  // namespace

int BandPlotFrame::X(double reverser) const {
    const double s = (reverser - MinReverser) / (MaxReverser - MinReverser);
    return RoundToInt(Left + std::clamp(s, -0.05, 1.05) * (Right - Left));
}

int BandPlotFrame::Y(double value) const {
    const double s = (value - MinValue) / (MaxValue - MinValue);
    return RoundToInt(Bottom - std::clamp(s, -0.05, 1.05) * (Bottom - Top));
}

BandPlotFrame BandPlotFrameFor(const StudyPlan& plan, const ToleranceSummary& summary, int pair, int width,
                               int height) {
    BandPlotFrame f;
    f.Left = 62;
    f.Top = 26;
    f.Right = std::max(f.Left + 10, width - 16);
    f.Bottom = std::max(f.Top + 10, height - 40);
    double lo = INFINITY, hi = -INFINITY, left = INFINITY, right = -INFINITY;
    for (std::size_t s = 0; s < plan.Settings.size(); ++s) {
        left = std::min(left, plan.Settings[s].Reverser);
        right = std::max(right, plan.Settings[s].Reverser);
        for (int e : {2 * pair, 2 * pair + 1}) {
            const EventStatistics& r = summary.At(s, e);
            for (double v : {r.P1, r.P99, static_cast<double>(r.Nominal)})
                if (std::isfinite(v)) {
                    lo = std::min(lo, v);
                    hi = std::max(hi, v);
                }
        }
    }
    if (!(left < right)) {
        left = std::isfinite(left) ? left - 1 : -1;
        right = left + 2;
    }
    const double pad = 0.04 * (right - left);
    f.MinReverser = left - pad;
    f.MaxReverser = right + pad;
    if (!(lo <= hi)) lo = 0, hi = 1;
    if (hi - lo < 1e-9 * std::max(1.0, std::fabs(hi))) {
        const double half = std::max(0.01 * std::fabs(hi), 1e-3);
        lo -= half;
        hi += half;
    }
    f.MinValue = lo - 0.06 * (hi - lo);
    f.MaxValue = hi + 0.06 * (hi - lo);
    return f;
}

void DrawToleranceBands(Canvas& canvas, const StudyPlan& plan, const ToleranceSummary& summary, int pair, int width,
                        int height) {
    pair = std::clamp(pair, 0, kValveEventPairCount - 1);
    const BandPlotFrame f = BandPlotFrameFor(plan, summary, pair, width, height);
    StartPlot(canvas);

    const bool length = IsLengthStudyEvent(2 * pair);
    const double step = RoundStep(f.MaxValue - f.MinValue);
    const int decimals = StepDecimals(step);
    for (double v = std::ceil(f.MinValue / step) * step; v <= f.MaxValue; v += step) {
        canvas.SetPenColour(kPlotGridColour);
        canvas.Line({f.Left, f.Y(v)}, {f.Right, f.Y(v)});
        canvas.SetPenColour(colours::Black);
        canvas.Line({f.Left - 4, f.Y(v)}, {f.Left, f.Y(v)});
        const std::string label = FormatFixed(std::fabs(v) < step / 2 ? 0.0 : v, 1, decimals);
        canvas.TextOut({f.Left - 8 - 6 * static_cast<int>(label.size()), f.Y(v) - kPlotFontPixels / 2 - 1}, label);
    }
    const double xStep = RoundStep(f.MaxReverser - f.MinReverser);
    for (double v = std::ceil(f.MinReverser / xStep) * xStep; v <= f.MaxReverser; v += xStep) {
        canvas.SetPenColour(std::fabs(v) < xStep / 2 ? colours::Grey : kPlotGridColour);
        canvas.Line({f.X(v), f.Top}, {f.X(v), f.Bottom});
        canvas.SetPenColour(colours::Black);
        canvas.Line({f.X(v), f.Bottom}, {f.X(v), f.Bottom + 4});
        const std::string label = FormatFixed(std::fabs(v) < xStep / 2 ? 0.0 : v, 1, StepDecimals(xStep));
        canvas.TextOut({f.X(v) - 3 * static_cast<int>(label.size()), f.Bottom + 5}, label);
    }
    canvas.SetPenColour(colours::Black);
    canvas.Line({f.Left, f.Top}, {f.Left, f.Bottom});
    canvas.LineTo({f.Right, f.Bottom});
    canvas.TextOut({f.Left, f.Bottom + 20}, "Reverser from mid gear (length), forward to the right");
    canvas.TextOut({6, 5}, std::string(ValveEventPairCaption(pair)) + (length ? " (length)" : " (% of stroke)") +
                               ": 1st to 99th percentile, nominal line");

    DrawBands(canvas, f, plan, summary, 2 * pair, 2 * pair + 1);
    DrawLines(canvas, f, plan, summary, 2 * pair, kFrontEventColour);
    DrawLines(canvas, f, plan, summary, 2 * pair + 1, kRearEventColour);

    // Settings where some samples could not be assembled: their band leaves those out.
    bool anyUnassembled = false;
    canvas.SetPenColour(kUnassembledColour);
    canvas.SetPenWidth(2);
    for (std::size_t s = 0; s < plan.Settings.size(); ++s)
        if (summary.At(s, 2 * pair).Unassembled > 0) {
            anyUnassembled = true;
            const int x = f.X(plan.Settings[s].Reverser);
            canvas.Line({x - 4, f.Bottom - 12}, {x + 4, f.Bottom - 4});
            canvas.Line({x - 4, f.Bottom - 4}, {x + 4, f.Bottom - 12});
        }
    canvas.SetPenWidth(1);

    DrawEndsLegend(canvas, f.Right - kEndsLegendWidth, 5);
    if (anyUnassembled) {
        canvas.SetFontColour(kUnassembledColour);
        canvas.TextOut({f.Right - 200, f.Bottom + 20}, "x: some samples not assembled");
        canvas.SetFontColour(colours::Black);
    }
}

void DrawShareChart(Canvas& canvas, const StudyPlan& plan, const EventStatistics& result, const std::string& title,
                    int width, int height) {
    StartPlot(canvas);
    canvas.TextOut({6, 5}, title);
    if (result.Shares.empty()) {
        canvas.TextOut({6, 30}, "No variance shares: nothing varies it, or there are fewer");
        canvas.TextOut({6, 44}, "samples than varied quantities + 2.");
        return;
    }
    std::vector<std::pair<std::string, double>> bars;
    double others = 0;
    for (std::size_t k = 0; k < result.Shares.size(); ++k) {
        const ShareOfVariance& s = result.Shares[k];
        if (static_cast<int>(k) < kShareChartBars - 1 || result.Shares.size() <= static_cast<std::size_t>(kShareChartBars))
            bars.emplace_back(plan.Sources[static_cast<std::size_t>(s.Source)], s.Share);
        else
            others += s.Share;
    }
    if (others > 0 || result.Shares.size() > static_cast<std::size_t>(kShareChartBars))
        bars.emplace_back("others (" + std::to_string(result.Shares.size() - bars.size()) + ")", others);

    double largest = 0;
    for (const auto& bar : bars) largest = std::max(largest, bar.second);
    if (!(largest > 0)) largest = 1;
    constexpr int kLabelWidth = 134;
    constexpr int kTop = 26;
    const int rowHeight = std::max(12, std::min(19, (height - kTop - 24) / static_cast<int>(bars.size())));
    const int barLeft = kLabelWidth;
    const int barRight = std::max(barLeft + 10, width - 58);
    canvas.SetPenColour(colours::Black);
    canvas.Line({barLeft, kTop - 2}, {barLeft, kTop + rowHeight * static_cast<int>(bars.size())});
    for (std::size_t k = 0; k < bars.size(); ++k) {
        const int y = kTop + rowHeight * static_cast<int>(k);
        canvas.SetFontColour(colours::Black);
        canvas.TextOut({6, y + (rowHeight - kPlotFontPixels) / 2 - 1}, bars[k].first);
        // The largest share spans the width; the percentages say how much each is.
        const int end = barLeft + RoundToInt(std::clamp(bars[k].second / largest, 0.0, 1.0) * (barRight - barLeft));
        canvas.SetPenColour(kBarColour);
        for (int row = y + 2; row < y + rowHeight - 2; ++row) canvas.Line({barLeft + 1, row}, {end + 1, row});
        canvas.TextOut({end + 5, y + (rowHeight - kPlotFontPixels) / 2 - 1},
                       FormatFixed(100 * bars[k].second, 1, 1) + " %");
    }
    canvas.TextOut({6, kTop + rowHeight * static_cast<int>(bars.size()) + 6},
                   "The fit on the tolerances explains " + FormatFixed(100 * result.Explained, 1, 1) +
                       " % of the variance");
}

}  // namespace lm
