// The main window's readouts: bar captions, angles, piston, valve and port openings.

#include "mainwindow/Readouts.h"

#include <string>

#include "common/Numbers.h"
#include "common/Real.h"
#include "mainwindow/ReadoutText.h"
#include "mainwindow/RefPointDrawing.h"

namespace lm {

namespace {

// A label, its number and the two spaces that separate it from whatever follows.
std::string Labelled(const char* label, Real value, int width, int decimals) {
    return label + FormatFixed(static_cast<double>(value), width, decimals) + "  ";
}

}  // namespace

void DrawReadouts(const Model& m, const MainWindowState& state, Canvas& canvas) {
    UsePlainText(canvas);
    const auto text = [&](int x, int y, const std::string& s) { canvas.TextOut(TextPosition(m, x, y), s); };
    const ValveState& v = m.Valve;

    // Captions of the pan and zoom bars beside them.
    text(199, 25, "Pan Vert");
    text(199, 39, "Pan Horz");
    text(199, 53, "Zoom");

    text(459, 25, Labelled("Rev Arm ", m.Gear.RevArmPos, 6, 3));
    text(459, 39, Labelled("Driv Ang ", m.Gear.DriverAngle, 6, 2));
    text(459, 53, Labelled("Step Ang", state.StepAngleSetting, 6, 2));

    text(545, 25, Labelled("Piston % ", static_cast<Real>(v.PistonPos) / 6.4L + 0.00001L, 6, 2));
    text(545, 37, Labelled("ValveCen", v.ValveDisplacement, 7, 3));
    text(545, 49, Labelled("ValveFSt", v.FrontSteamOpening, 7, 3));
    text(545, 61, Labelled("ValveFEx", v.FrontExhaustOpening, 7, 3));
    text(545, 73, Labelled("ValveRSt", v.RearSteamOpening, 7, 3));
    text(545, 85, Labelled("ValveREx", v.RearExhaustOpening, 7, 3));
    text(545, 97, Labelled("ExpLkAng", static_cast<Real>(m.Gear.LinkAngle) * 180 / kPi, 7, 2));
}

}  // namespace lm
