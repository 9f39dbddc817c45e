// The live cut-off readout: the piston position where each steam port closed, held on
// screen for about 400 degrees.

#include "mainwindow/CutOffReadout.h"

#include "common/Numbers.h"
#include "common/Real.h"
#include "mainwindow/ReadoutText.h"
#include "mainwindow/RefPointDrawing.h"

namespace lm {

namespace {

// Ticks a new cut-off stays on screen: about 400 degrees of rotation.
int HoldTicks(float stepAngle) { return RoundToInt(400 / (static_cast<Real>(stepAngle) + 0.1L)); }

// Piston position where the opening crossed 0 between the two ticks.
float CrossingPosition(Real p0, Real p, Real open0, Real open) {
    return static_cast<float>(p0 - open0 * (p - p0) / (open - open0));
}

// Beyond 22 degrees a tick skips too much of the stroke for the value to mean anything.
bool CutOffShown(float stepAngle) { return stepAngle != 0 && stepAngle < 23; }

// A held value is shown for this tick and counted down.
bool ShowHeld(float stepAngle, int& hold) {
    if (!CutOffShown(stepAngle) || hold <= 0) return false;
    --hold;
    return true;
}

void DrawEnd(const Model& m, Canvas& canvas, int y, const char* label, const std::string& value, bool valueShown) {
    if (!CutOffShown(m.Gear.StepAngle)) return;
    canvas.TextOut(TextPosition(m, 545, y), label);
    if (valueShown) canvas.TextOut(TextPosition(m, 600, y), value);
}

}  // namespace

void StepCutOffReadout(Model& m, MainWindowState& state) {
    CutOffMemory& mem = state.CutOff;
    const float p = m.Valve.PistonPos;
    const float fs = m.Valve.FrontSteamOpening;
    const float rs = m.Valve.RearSteamOpening;

    if (mem.PrevFrontSteamOpening > 0 && fs < 0) {  // the front steam port has just closed
        mem.FrontCutOffHold = HoldTicks(m.Gear.StepAngle);
        const float c = CrossingPosition(mem.PrevPistonPos, p, mem.PrevFrontSteamOpening, fs);
        mem.PrevPistonPos = c;
        m.Display.FrontCutOffText = FormatFixed(static_cast<double>(c / 6.4L), 4, 1);
    }
    state.Picture.FrontCutOffShown = ShowHeld(m.Gear.StepAngle, mem.FrontCutOffHold);

    if (mem.PrevRearSteamOpening > 0 && rs < 0) {
        mem.RearCutOffHold = HoldTicks(m.Gear.StepAngle);
        const float c = CrossingPosition(mem.PrevPistonPos, p, mem.PrevRearSteamOpening, rs);
        mem.PrevPistonPos = c;
        // The rear end's stroke starts at the back dead centre.
        m.Display.RearCutOffText = FormatFixed(static_cast<double>((640 - static_cast<Real>(c)) / 6.4L), 4, 1);
    }
    state.Picture.RearCutOffShown = ShowHeld(m.Gear.StepAngle, mem.RearCutOffHold);

    mem.PrevPistonPos = p;
    mem.PrevFrontSteamOpening = fs;
    mem.PrevRearSteamOpening = rs;
}

void DrawCutOffReadout(const Model& m, const MainWindowState& state, Canvas& canvas) {
    UsePlainText(canvas);
    DrawEnd(m, canvas, 109, "FrontCO% ", m.Display.FrontCutOffText, state.Picture.FrontCutOffShown);
    DrawEnd(m, canvas, 121, "RearCO% ", m.Display.RearCutOffText, state.Picture.RearCutOffShown);
}

}  // namespace lm
