// Draws front and rear cut-off against reverser position.

#include "workbench/CutOffPlot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/Numbers.h"

namespace lm {

namespace {

constexpr int kMarginLeft = 44;
constexpr int kMarginRight = 14;
constexpr int kMarginTop = 24;
constexpr int kMarginBottom = 34;
constexpr int kFontPixels = 11;
constexpr Rgb kGridColour{210, 210, 210};

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? s : s.substr(first);
}

// One end's line in one direction, broken where the event is missing.
void DrawLine(Canvas& canvas, const CutOffPlotFrame& f, const std::vector<ValveEventRow>& rows,
              ValveEvent event) {
    std::vector<ScreenPoint> run;
    const auto flush = [&] {
        if (run.size() >= 2) canvas.Polyline(run);
        for (const ScreenPoint& p : run) canvas.Ellipse(p.x - 2, p.y - 2, p.x + 3, p.y + 3);
        run.clear();
    };
    for (const ValveEventRow& row : rows) {
        const std::optional<double> v = row.Value(event);
        if (!v || !std::isfinite(row.RevArmPos)) {
            flush();
            continue;
        }
        run.push_back({f.X(row.RevArmPos), f.Y(std::clamp(*v, 0.0, 100.0))});
    }
    flush();
}

}  // namespace

int CutOffPlotFrame::X(float revArmPos) const {
    const double s = (static_cast<double>(revArmPos) - Centre) / Reach * (ForwardIsPlus ? 1 : -1);
    const double mid = (Left + Right) / 2.0;
    return RoundToInt(mid + std::clamp(s, -1.0, 1.0) * (Right - Left) / 2.0);
}

int CutOffPlotFrame::Y(double percent) const {
    return RoundToInt(Bottom - percent / 100.0 * (Bottom - Top));
}

CutOffPlotFrame CutOffPlotFrameFor(const ValveEventsTable& table, int width, int height) {
    CutOffPlotFrame f;
    f.Left = kMarginLeft;
    f.Top = kMarginTop;
    f.Right = std::max(f.Left + 1, width - kMarginRight);
    f.Bottom = std::max(f.Top + 1, height - kMarginBottom);
    const std::vector<ValveEventRow>& any = table.Forward.empty() ? table.Reverse : table.Forward;
    f.Centre = any.empty() ? 0 : any.front().RevArmPos;
    double reach = 0;
    for (const auto* rows : {&table.Forward, &table.Reverse})
        for (const ValveEventRow& r : *rows)
            if (std::isfinite(r.RevArmPos)) reach = std::max(reach, std::fabs(static_cast<double>(r.RevArmPos) - f.Centre));
    f.Reach = reach > 0 && std::isfinite(f.Centre) ? static_cast<float>(reach) : 1.0f;
    if (!std::isfinite(f.Centre)) f.Centre = 0;
    if (!table.Forward.empty()) f.ForwardIsPlus = !(table.Forward.back().RevArmPos < f.Centre);
    return f;
}

void DrawCutOffPlot(Canvas& canvas, const ValveEventsTable& table, std::optional<float> reverser, int width,
                    int height) {
    const CutOffPlotFrame f = CutOffPlotFrameFor(table, width, height);
    canvas.Clear(colors::White);
    canvas.SetHollowBrush();
    canvas.SetTextBackground(false);
    canvas.SetFontSize(kFontPixels);
    canvas.SetFontColor(colors::Black);

    canvas.SetPenWidth(1);
    canvas.SetPenColor(kGridColour);
    for (int pct = 25; pct <= 100; pct += 25) canvas.Line({f.Left, f.Y(pct)}, {f.Right, f.Y(pct)});
    const int mid = (f.Left + f.Right) / 2;
    canvas.Line({mid, f.Top}, {mid, f.Bottom});

    canvas.SetPenColor(colors::Black);
    canvas.Line({f.Left, f.Top}, {f.Left, f.Bottom});
    canvas.LineTo({f.Right, f.Bottom});
    for (int pct = 0; pct <= 100; pct += 25) {
        canvas.Line({f.Left - 4, f.Y(pct)}, {f.Left, f.Y(pct)});
        canvas.TextOut({f.Left - 30, f.Y(pct) - kFontPixels / 2 - 1}, Trimmed(FormatFixed(pct, 3, 0)));
    }
    canvas.TextOut({4, 4}, "Cut-off, % of stroke");
    const int below = f.Bottom + 4;
    canvas.TextOut({f.Left, below}, "Full reverse");
    canvas.TextOut({mid - 24, below}, "Mid gear");
    canvas.TextOut({f.Right - 68, below}, "Full forward");
    canvas.TextOut({f.Left, below + kFontPixels + 3},
                   "Arm " + Trimmed(FormatFixed(f.Centre - (f.ForwardIsPlus ? 1 : -1) * f.Reach, 1, 3)));
    canvas.TextOut({f.Right - 68, below + kFontPixels + 3},
                   "Arm " + Trimmed(FormatFixed(f.Centre + (f.ForwardIsPlus ? 1 : -1) * f.Reach, 1, 3)));

    // Legend, top right.
    const int legendX = f.Right - 150;
    canvas.SetPenWidth(2);
    canvas.SetPenColor(kFrontCutOffColour);
    canvas.Line({legendX, 11}, {legendX + 18, 11});
    canvas.TextOut({legendX + 22, 4}, "Front");
    canvas.SetPenColor(kRearCutOffColour);
    canvas.Line({legendX + 70, 11}, {legendX + 88, 11});
    canvas.TextOut({legendX + 92, 4}, "Rear");

    if (reverser && std::isfinite(*reverser)) {
        canvas.SetPenWidth(1);
        canvas.SetPenColor(kReverserMarkColour);
        canvas.Line({f.X(*reverser), f.Top}, {f.X(*reverser), f.Bottom});
        canvas.SetPenWidth(2);
    }
    canvas.SetPenColor(kFrontCutOffColour);
    DrawLine(canvas, f, table.Forward, ValveEvent::FrontCutOff);
    DrawLine(canvas, f, table.Reverse, ValveEvent::FrontCutOff);
    canvas.SetPenColor(kRearCutOffColour);
    DrawLine(canvas, f, table.Forward, ValveEvent::RearCutOff);
    DrawLine(canvas, f, table.Reverse, ValveEvent::RearCutOff);
    canvas.SetPenWidth(1);
}

}  // namespace lm
