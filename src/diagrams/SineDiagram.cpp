// The sine diagram: valve travel against driver angle for each reverse-arm position.

#include "common/Numbers.h"
#include "diagrams/DiagramFrame.h"
#include "diagrams/Diagrams.h"
#include "kinematics/LinkageSolver.h"

namespace lm {

namespace {

void DrawSineGrid(Canvas& canvas) {
    for (int i = 1; i <= 9; ++i) {
        const int centre = 32 * i + 55;
        for (int j = 6; j <= 58; ++j) canvas.Line({10 * j, centre - 2}, {10 * j, centre + 2});
        for (int k = 1; k <= 6; ++k) canvas.Line({90 * k, centre - 5}, {90 * k, centre + 5});
    }
}

void DrawAngleLabels(Canvas& canvas) {
    canvas.TextOut({86, 353}, "0");
    canvas.TextOut({173, 353}, "90");
    canvas.TextOut({260, 353}, "180");
    canvas.TextOut({350, 353}, "270");
    canvas.TextOut({446, 353}, "0");
    canvas.TextOut({533, 353}, "90");
    canvas.TextOut({86, 367}, "Driver Clockwise Rotation --->");
}

// Sweep step k (7..73) is driver angle 8k + 272 brought under 360: 328 degrees first,
// 136 last, one pixel per degree from x = 58.
float SineSweepAngle(int k) {
    float angle = static_cast<float>(8 * k + 272);
    while (angle > 360) angle -= 360;
    return angle;
}

void DrawSineCurve(Model& m, Canvas& canvas, int i, MidGearTracker& tracker) {
    int previousRow = 0;
    for (int k = 7; k <= 73; ++k) {
        m.Gear.DriverAngle = SineSweepAngle(k);
        SolveLinkage(m);
        tracker.Track(m);
        const int row = TravelRow(m, m.Valve.ValveDisplacement);
        if (k >= 8) {
            if (k == 8) BoldText(canvas, {45, previousRow}, FormatFixed(i, 2, 0));
            canvas.Line({8 * k - 6, previousRow}, {8 * k + 2, row});
        }
        previousRow = row;
    }
}

}  // namespace

bool DrawSineDiagram(const Model& model, Canvas& canvas, SineOvalReport* report) {
    Model m = model;
    BeginDiagramDrawing(m, canvas);
    DrawSineGrid(canvas);
    DrawAngleLabels(canvas);
    DrawTravelAxis(m, canvas, 14);
    DrawLegendHeader(m, canvas);
    DrawPortLines(m, canvas, kSinePortLines);

    DrawEachPosition(m, canvas, report,
                     [&](int i, MidGearTracker& tracker) { DrawSineCurve(m, canvas, i, tracker); });
    DrawDiagramFooter(m, canvas);
    return m.Gear.GearError;
}

}  // namespace lm
