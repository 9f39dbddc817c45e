// The oval diagram: valve travel against piston travel for each reverse-arm position.

#include "common/Numbers.h"
#include "diagrams/DiagramFrame.h"
#include "diagrams/Diagrams.h"
#include "diagrams/PistonColumn.h"
#include "kinematics/LinkageSolver.h"

namespace lm {

namespace {

void DrawOvalGrid(Canvas& canvas) {
    for (int i = 1; i <= 9; ++i) {
        const int centre = 32 * i + 55;
        for (int j = 2; j <= 20; ++j) canvas.Line({27 * j + 17, centre - 3}, {27 * j + 17, centre + 3});
        for (int k = 2; k <= 10; ++k) canvas.Line({54 * k - 10, centre - 5}, {54 * k - 10, centre + 5});
    }
    canvas.Line({44, 84}, {44, 346});
    canvas.Line({584, 84}, {584, 346});
}

void DrawTravelLabels(Canvas& canvas) {
    const char* const labels[] = {"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"};
    const int columns[] = {45, 91, 145, 199, 253, 307, 361, 415, 469, 523};
    for (int j = 0; j < 10; ++j) canvas.TextOut({columns[j], 353}, labels[j]);
    canvas.TextOut({577, 348}, "0");
    canvas.TextOut({186, 367}, "Percent Piston Travel");
    canvas.TextOut({386, 367}, "Forward End --->");
}

// Sweep step k (7..52) is driver angle 88 - 8k brought to 0 or above: 32 degrees first
// and last, turning backwards, so each oval closes.
float OvalSweepAngle(int k) {
    float angle = static_cast<float>(88 - 8 * k);
    while (angle < 0) angle += 360;
    return angle;
}

void DrawOval(Model& m, Canvas& canvas, int i, const PistonColumn& column, MidGearTracker& tracker) {
    const Real s = DiagramVerticalScale(m);
    const bool frontPortWide = m.Cyl.ValvePortWidthFront > m.Cyl.ValveCtrToRing;
    const auto numberRow = [&](Real offset, Real v) { return RoundToInt(offset - 375 * v / s); };
    const std::string number = FormatFixed(i, 2, 0);
    float previousV = 0;
    float previousAngle = 0;
    for (int k = 7; k <= 52; ++k) {
        m.Gear.DriverAngle = OvalSweepAngle(k);
        SolveLinkage(m);
        tracker.Track(m);
        const float v = m.Valve.ValveDisplacement;
        if (k >= 8) {
            // One number on each branch near mid stroke, one above its branch, one below.
            if (k == 22) BoldText(canvas, {300, numberRow(frontPortWide ? 204 : 213, previousV)}, number);
            if (k == 46) BoldText(canvas, {334, numberRow(frontPortWide ? 213 : 204, previousV)}, number);
            canvas.Line({column(previousAngle), TravelRow(m, previousV)}, {column(m.Gear.DriverAngle), TravelRow(m, v)});
        }
        previousV = v;
        previousAngle = m.Gear.DriverAngle;
    }
}

}  // namespace

bool DrawOvalDiagram(const Model& model, Canvas& canvas, SineOvalReport* report) {
    Model m = model;
    BeginDiagramDrawing(m, canvas);
    DrawOvalGrid(canvas);
    DrawTravelLabels(canvas);
    DrawTravelAxis(m, canvas, 15);
    DrawLegendHeader(m, canvas);
    DrawPortLines(m, canvas, kOvalPortLines);

    const PistonColumn column(m);
    DrawEachPosition(m, canvas, report, [&](int i, MidGearTracker& tracker) {
        DrawOval(m, canvas, i, column, tracker);
    });
    DrawDiagramFooter(m, canvas);
    return m.Gear.GearError;
}

}  // namespace lm
