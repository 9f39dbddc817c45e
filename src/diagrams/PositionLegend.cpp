// The reverse-arm positions legend: header, numbered rows and Fwd/Cen/Rev words.

#include "common/Numbers.h"
#include "diagrams/DiagramFrame.h"
#include "kinematics/ReverseArm.h"

namespace lm {

void DrawLegendHeader(const Model& m, Canvas& canvas) {
    const ScaledTextFont font(m, canvas);
    canvas.TextOut({ScaledX(m, 500), 0}, "Reverse Arm Positions");
    canvas.TextOut({ScaledX(m, 520), 13}, "Center");
    canvas.TextOut({ScaledX(m, 580), 13}, FormatFixed(m.Gear.RevArmCenter, 6, 3));
}

int LegendRow(const Model& m, int i) { return RoundToInt(static_cast<Real>(ScaledY(m, static_cast<Real>(i) * 12)) + 12); }

const char* DirectionWord(const Model& m, float position) {
    const float centre = m.Gear.RevArmCenter;
    if (position == centre) return "Cen";
    // In the mirrored sense a forward arm sits below mid gear.
    const bool above = position > centre;
    const bool forward = PlainSense(m) ? above : position < centre;
    return forward ? "Fwd" : "Rev";
}

void DrawLegendRow(const Model& m, Canvas& canvas, int i, float position) {
    const ScaledTextFont font(m, canvas);
    const int row = LegendRow(m, i);
    canvas.TextOut({ScaledX(m, 545), row}, FormatFixed(i, 5, 0));
    canvas.TextOut({ScaledX(m, 580), row}, FormatFixed(position, 6, 3));
    canvas.TextOut({ScaledX(m, 533), row}, DirectionWord(m, position));
}

}  // namespace lm
