// The diagrams' shared frame: font size, text scaling and travel rows.

#include "diagrams/DiagramFrame.h"

#include <algorithm>
#include <cmath>

#include "common/Numbers.h"
#include "common/TextScaleExtent.h"

namespace lm {

int ScaledTextFontPixels(const Model& m) {
    return TextScaleFontPixels(kDiagramFontPixels, m.Display.TextScaleY);
}

ScaledTextFont::ScaledTextFont(const Model& m, Canvas& canvas)
    : canvas_(canvas), pixels_(ScaledTextFontPixels(m)) {
    if (pixels_ != kDiagramFontPixels) canvas_.SetFontSize(pixels_);
}

ScaledTextFont::~ScaledTextFont() {
    if (pixels_ != kDiagramFontPixels) canvas_.SetFontSize(kDiagramFontPixels);
}

void BeginDiagramDrawing(const Model&, Canvas& canvas) {
    canvas.SetPenColour(colours::Black);
    canvas.SetPenWidth(1);
    canvas.SetHollowBrush();
    canvas.SetTextBackground(true, colours::White);
    canvas.SetFontColour(colours::Black);
    canvas.SetFontBold(false);
    canvas.SetFontSize(kDiagramFontPixels);
}

int ScaledX(const Model& m, Real x) { return RoundToInt(x * m.Display.TextScaleX); }
int ScaledY(const Model& m, Real y) { return RoundToInt(y * m.Display.TextScaleY); }

Real DiagramVerticalScale(const Model& m) {
    const Real s = m.Diagram.VerticalScale;
    return s >= 0.1f ? s : Real{0.1f};  // NaN fails the test too
}

int TravelRow(const Model& m, Real v) { return RoundToInt(215 - 375 * v / DiagramVerticalScale(m)); }

int DiagramPositionCount(const Model& m) { return std::clamp(m.Gear.RevArmPosCount, 0, kRevArmPositionCount); }

void BoldText(Canvas& canvas, ScreenPoint p, const std::string& text) {
    canvas.SetFontBold(true);
    canvas.TextOut(p, text);
    canvas.SetFontBold(false);
}

}  // namespace lm
