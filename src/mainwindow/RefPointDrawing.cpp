// The reference points' crosses and readouts, and the readout layout's text positions.

#include "mainwindow/RefPointDrawing.h"

#include <cmath>
#include <string>

#include "common/Numbers.h"
#include "common/Real.h"
#include "view/ViewMapping.h"

namespace lm {

namespace {

std::string Number(Real v) { return FormatFixed(static_cast<double>(v), 6, 3); }

void DrawPoint(const Model& m, Canvas& canvas, int pivot, const char* label, int textTop) {
    const Pivot& p = m.P(pivot);
    const ScreenPoint s{p.SX, p.SY};
    canvas.Line(Offset(s, 0, -10), Offset(s, 0, 10));
    canvas.Line(Offset(s, -10, 0), Offset(s, 10, 0));
    canvas.TextOut(TextPosition(m, 143, textTop), std::string("Pt") + label + "V " + Number(p.Y));
    canvas.TextOut(TextPosition(m, 143, textTop + 12), std::string("Pt") + label + "H " + Number(p.X));
    canvas.TextOut(Offset(s, 3, -17), label);
}

}  // namespace

ScreenPoint TextPosition(const Model& m, int x, int y) {
    return {RoundToInt(static_cast<Real>(x) * m.Display.TextScaleX),
            RoundToInt(static_cast<Real>(y) * m.Display.TextScaleY)};
}

void DrawReferencePoints(const Model& m, Canvas& canvas) {
    DrawPoint(m, canvas, RefPoint2, "2", 95);
    DrawPoint(m, canvas, RefPoint1, "1", 71);
    const Pivot& p1 = m.P(RefPoint1);
    const Pivot& p2 = m.P(RefPoint2);
    const Real dy = static_cast<Real>(p1.Y) - p2.Y;
    const Real dx = static_cast<Real>(p1.X) - p2.X;
    canvas.TextOut(TextPosition(m, 210, 71), Number(dy));
    canvas.TextOut(TextPosition(m, 210, 83), Number(dx));
    canvas.TextOut(TextPosition(m, 207, 95), "Pt1-Pt2");
    canvas.TextOut(TextPosition(m, 209, 107), Number(std::sqrt(dx * dx + dy * dy)));
}

}  // namespace lm
