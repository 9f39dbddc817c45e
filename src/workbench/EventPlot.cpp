// Draws one pair of valve events against reverser position, with a second table dashed.

#include "workbench/EventPlot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "common/Numbers.h"

namespace lm {

namespace {

constexpr int kMarginLeft = 48;
constexpr int kMarginRight = 14;
constexpr int kMarginTop = 24;
constexpr int kMarginTopTwoTables = 38;
constexpr int kMarginBottom = 34;
constexpr int kDash = 6, kGap = 4;

std::vector<const std::vector<ValveEventRow>*> RowsOf(const ValveEventsTable* t) {
    if (!t) return {};
    return {&t->Forward, &t->Reverse};
}

// A polyline drawn as dashes, the pattern running on across its corners.
void DashedPolyline(Canvas& canvas, const std::vector<ScreenPoint>& points) {
    double into = 0;  // how far along the current dash-and-gap
    for (std::size_t i = 1; i < points.size(); ++i) {
        const double x0 = points[i - 1].x, y0 = points[i - 1].y;
        const double dx = points[i].x - x0, dy = points[i].y - y0;
        const double length = std::hypot(dx, dy);
        double at = 0;
        while (at < length) {
            const bool drawing = into < kDash;
            const double run = std::min(length - at, drawing ? kDash - into : kDash + kGap - into);
            if (drawing && run > 0) {
                const auto point = [&](double s) {
                    return ScreenPoint{RoundToInt(x0 + dx * s / length), RoundToInt(y0 + dy * s / length)};
                };
                canvas.Line(point(at), point(at + run));
            }
            at += run;
            into = std::fmod(into + run, static_cast<double>(kDash + kGap));
        }
    }
}

// One end's line in one direction, broken where the event is missing.
void DrawLine(Canvas& canvas, const EventPlotFrame& f, const std::vector<ValveEventRow>& rows, ValveEvent event,
              bool dashed) {
    std::vector<ScreenPoint> run;
    const auto flush = [&] {
        if (dashed) {
            DashedPolyline(canvas, run);
            // Squares where the solid line has rings, so the two tell apart in grey too.
            for (const ScreenPoint& p : run) {
                const std::array<ScreenPoint, 5> square{
                    {{p.x - 2, p.y - 2}, {p.x + 2, p.y - 2}, {p.x + 2, p.y + 2}, {p.x - 2, p.y + 2}, {p.x - 2, p.y - 2}}};
                canvas.Polyline(square);
            }
        } else {
            if (run.size() >= 2) canvas.Polyline(run);
            for (const ScreenPoint& p : run) canvas.Ellipse(p.x - 2, p.y - 2, p.x + 3, p.y + 3);
        }
        run.clear();
    };
    for (const ValveEventRow& row : rows) {
        const std::optional<double> v = row.Value(event);
        if (!v || !std::isfinite(*v) || !std::isfinite(row.RevArmPos)) {
            flush();
            continue;
        }
        run.push_back({f.X(row.RevArmPos), f.Y(std::clamp(*v, f.Low, f.High))});
    }
    flush();
}

}  // namespace

int EventPlotFrame::X(float revArmPos) const {
    const double s = (static_cast<double>(revArmPos) - Centre) / Reach * (ForwardIsPlus ? 1 : -1);
    const double mid = (Left + Right) / 2.0;
    return RoundToInt(mid + std::clamp(s, -1.0, 1.0) * (Right - Left) / 2.0);
}

int EventPlotFrame::Y(double value) const {
    return RoundToInt(Bottom - (value - Low) / (High - Low) * (Bottom - Top));
}

NiceAxis NiceAxisFor(double lo, double hi) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi) return {0, 1, 0.25};
    if (hi - lo < 1e-9 * std::max(1.0, std::fabs(hi))) {
        // One value: a small span around it.
        const double pad = std::max(std::fabs(hi) * 0.1, 1e-3);
        lo -= pad;
        hi += pad;
    }
    const double step = RoundStep(hi - lo);
    return {std::floor(lo / step) * step, std::ceil(hi / step) * step, step};
}

EventPlotFrame EventPlotFrameFor(const EventPlot& plot, int width, int height) {
    EventPlotFrame f;
    f.Left = kMarginLeft;
    f.Top = plot.Other ? kMarginTopTwoTables : kMarginTop;
    f.Right = std::max(f.Left + 1, width - kMarginRight);
    f.Bottom = std::max(f.Top + 1, height - kMarginBottom);
    const ValveEventsTable empty;
    const ValveEventsTable& t = plot.Table ? *plot.Table : empty;
    const std::vector<ValveEventRow>& any = t.Forward.empty() ? t.Reverse : t.Forward;
    f.Centre = any.empty() ? 0 : any.front().RevArmPos;
    double reach = 0;
    for (const auto* rows : RowsOf(&t))
        for (const ValveEventRow& r : *rows)
            if (std::isfinite(r.RevArmPos)) reach = std::max(reach, std::fabs(static_cast<double>(r.RevArmPos) - f.Centre));
    f.Reach = reach > 0 && std::isfinite(f.Centre) ? static_cast<float>(reach) : 1.0f;
    if (!std::isfinite(f.Centre)) f.Centre = 0;
    if (!t.Forward.empty()) f.ForwardIsPlus = !(t.Forward.back().RevArmPos < f.Centre);

    const int pair = std::clamp(plot.Pair, 0, kValveEventPairCount - 1);
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (const ValveEventsTable* table : {plot.Table, plot.Other})
        for (const auto* rows : RowsOf(table))
            for (const ValveEventRow& r : *rows)
                for (int end = 0; end < 2; ++end)
                    if (const std::optional<double> v = r.Value(static_cast<ValveEvent>(2 * pair + end));
                        v && std::isfinite(*v)) {
                        lo = std::min(lo, *v);
                        hi = std::max(hi, *v);
                    }
    const bool percent = !IsLengthEvent(static_cast<ValveEvent>(2 * pair));
    if (lo > hi) {
        lo = percent ? 0 : -0.05;
        hi = percent ? 100 : 0.05;
    }
    // Percent of stroke from 0, so the curves keep their proportions.
    if (percent) lo = std::min(lo, 0.0);
    const NiceAxis axis = NiceAxisFor(lo, hi);
    f.Low = axis.Low;
    f.High = axis.High;
    f.Step = axis.Step;
    return f;
}

std::string EventPlotTitle(int pair) {
    const auto p = std::clamp(pair, 0, kValveEventPairCount - 1);
    return std::string(ValveEventPairCaption(p)) + (IsLengthEvent(static_cast<ValveEvent>(2 * p)) ? ", length units"
                                                                                                   : ", % of stroke");
}

void DrawEventPlot(Canvas& canvas, const EventPlot& plot, int width, int height) {
    const EventPlotFrame f = EventPlotFrameFor(plot, width, height);
    const int pair = std::clamp(plot.Pair, 0, kValveEventPairCount - 1);
    StartPlot(canvas);
    canvas.SetPenColour(kPlotGridColour);
    const int ticks = RoundToInt((f.High - f.Low) / f.Step);
    for (int k = 0; k <= ticks; ++k) canvas.Line({f.Left, f.Y(f.Low + k * f.Step)}, {f.Right, f.Y(f.Low + k * f.Step)});
    const int mid = (f.Left + f.Right) / 2;
    canvas.Line({mid, f.Top}, {mid, f.Bottom});

    canvas.SetPenColour(colours::Black);
    canvas.Line({f.Left, f.Top}, {f.Left, f.Bottom});
    canvas.LineTo({f.Right, f.Bottom});
    const int decimals = StepDecimals(f.Step);
    for (int k = 0; k <= ticks; ++k) {
        const double v = f.Low + k * f.Step;
        const std::string label = FixedText(v, decimals);
        canvas.Line({f.Left - 4, f.Y(v)}, {f.Left, f.Y(v)});
        canvas.TextOut({f.Left - 6 - 6 * static_cast<int>(label.size()), f.Y(v) - kPlotFontPixels / 2 - 1}, label);
    }
    canvas.TextOut({4, 4}, EventPlotTitle(pair));
    const int below = f.Bottom + 4;
    canvas.TextOut({f.Left, below}, "Full reverse");
    canvas.TextOut({mid - 24, below}, "Mid gear");
    canvas.TextOut({f.Right - 68, below}, "Full forward");
    const float sense = f.ForwardIsPlus ? 1.0f : -1.0f;
    // The arm's ends only where rows say where they are.
    if (plot.Table && !(plot.Table->Forward.empty() && plot.Table->Reverse.empty())) {
        canvas.TextOut({f.Left, below + kPlotFontPixels + 3}, "Arm " + FixedText(f.Centre - sense * f.Reach, 3));
        canvas.TextOut({f.Right - 68, below + kPlotFontPixels + 3}, "Arm " + FixedText(f.Centre + sense * f.Reach, 3));
    }

    // Legend, top right: the ends' colours; below it, with a second table, the styles.
    DrawEndsLegend(canvas, f.Right - kEndsLegendWidth, 4, plot.Front, plot.Rear);
    if (plot.Other) {
        canvas.SetPenColour(colours::Black);
        canvas.Line({4, 25}, {22, 25});
        canvas.TextOut({26, 18}, plot.TableLabel);
        const int otherX = std::min(width / 2, 30 + 7 * static_cast<int>(plot.TableLabel.size()));
        DashedPolyline(canvas, {{otherX, 25}, {otherX + 18, 25}});
        canvas.TextOut({otherX + 22, 18}, plot.OtherLabel);
    }

    if (plot.Reverser && std::isfinite(*plot.Reverser)) {
        canvas.SetPenWidth(1);
        canvas.SetPenColour(kReverserMarkColour);
        canvas.Line({f.X(*plot.Reverser), f.Top}, {f.X(*plot.Reverser), f.Bottom});
    }
    const auto front = static_cast<ValveEvent>(2 * pair), rear = static_cast<ValveEvent>(2 * pair + 1);
    for (const auto& [table, dashed] : {std::pair{plot.Other, true}, std::pair{plot.Table, false}}) {
        canvas.SetPenWidth(dashed ? 1 : 2);
        for (const auto& [event, colour] : {std::pair{front, kFrontEventColour}, std::pair{rear, kRearEventColour}}) {
            if (!(event == front ? plot.Front : plot.Rear)) continue;
            canvas.SetPenColour(colour);
            for (const auto* rows : RowsOf(table)) DrawLine(canvas, f, *rows, event, dashed);
        }
    }
    canvas.SetPenWidth(1);
}

}  // namespace lm
