// The setting dialogs' logic: texts on activation, clamps and effects of OK.
#include "dialogs/SettingDialogs.h"

#include <cmath>

#include "common/Numbers.h"
#include "kinematics/ReverseArm.h"
#include "view/ViewControls.h"
#include "model/DimensionEdit.h"

namespace lm {

namespace {
std::string Labelled(const char* prefix, long double value) { return prefix + FormatFixed(static_cast<double>(value), 5, 3); }

// What SBDrvAng's change handler does with a position: the angle in hundredths.
void SetDriverAngleFromBar(Model& m, int position) { m.Gear.DriverAngle = static_cast<float>(position / 100.0L); }
}  // namespace

RevPosTexts RevPosActivate(const Model& m) {
    const long double c = m.Gear.RevArmCenter;
    const long double mx = m.Frame.RevArmCentMax;
    const long double n = m.Frame.RevArmCentNorm;
    RevPosTexts t;
    const bool plain = PlainSense(m);
    t.Label2 = plain ? Labelled("Min = ", c - mx) : Labelled("Max = ", c + mx);
    t.Label3 = Labelled("Cen = ", c);
    t.Label4 = plain ? Labelled("Max = ", c + mx) : Labelled("Min = ", c - mx);
    t.Label5 = Labelled("Rev = ", plain ? c - n : c + n);
    t.Label6 = Labelled("Fwd = ", plain ? c + n : c - n);
    t.Box = FormatFixed(m.Gear.RevArmPos, 7, 3);
    return t;
}

int RevPosOk(Model& m, std::string_view text) {
    const long double c = m.Gear.RevArmCenter;
    const long double mx = m.Frame.RevArmCentMax;
    m.Gear.RevArmPos = ClampLowThenHigh(ParseTypedNumber(text), static_cast<float>(c - mx), static_cast<float>(c + mx));
    const long double offset = static_cast<long double>(m.Gear.RevArmPos) - c;
    const int position = RoundToInt((PlainSense(m) ? offset : -offset) * 1000);
    // The bar's change handler would set the arm from the position; done here too, so the
    // result does not depend on whether the bar actually moves.
    SetRevArmFromBar(m, position);
    return position;
}

std::string DrivAngActivate(const Model& m) {
    return m.Gear.StepAngle != 0 ? std::string("0.00") : FormatFixed(m.Gear.DriverAngle, 4, 2);
}

DrivAngOutcome DrivAngOk(Model& m, std::string_view text) {
    // Stop first, as the Run button does: the angle settles on the bar's hundredths.
    SetDriverAngleFromBar(m, RoundToInt(static_cast<long double>(m.Gear.DriverAngle) * 100));
    m.Gear.StepAngle = 0;
    const float angle = ClampLowThenHigh(ParseTypedNumber(text), 0, 360);
    DrivAngOutcome out;
    out.DrvAngBarPosition = RoundToInt(static_cast<long double>(angle) * 100);
    SetDriverAngleFromBar(m, out.DrvAngBarPosition);
    return out;
}

std::string StpAngActivate(const Model& m) { return FormatFixed(m.Gear.StepAngle, 4, 2); }

StpAngOutcome StpAngOk(Model& m, float& stepAngleSetting, std::string_view text) {
    float setting = ParseTypedNumber(text);
    if (setting > 45) setting = 45;
    if (setting < 0.01f) setting = 0.01f;
    stepAngleSetting = setting;
    const bool running = m.Gear.StepAngle != 0;
    if (running) m.Gear.StepAngle = setting;
    const long double s = setting;
    StpAngOutcome out;
    out.StepBarPosition = RoundToInt(std::log10(s * 100) * 4000);
    out.DrvAngSmallChange = RoundToInt(s * 100);
    out.DrvAngLargeChange = RoundToInt(s * 500);
    return out;
}

std::array<std::string, 4> RefPntsActivate(const Model& m) {
    const Pivot& p1 = m.P(RefPoint1);
    const Pivot& p2 = m.P(RefPoint2);
    return {FormatFixed(p1.Y, 5, 3), FormatFixed(p1.X, 5, 3), FormatFixed(p2.Y, 5, 3), FormatFixed(p2.X, 5, 3)};
}

void RefPntsOk(Model& m, MainViewControls& c, const std::array<std::string, 4>& boxes) {
    float* targets[4] = {&m.P(RefPoint1).Y, &m.P(RefPoint1).X, &m.P(RefPoint2).Y, &m.P(RefPoint2).X};
    for (std::size_t i = 0; i < 4; ++i) {
        *targets[i] = ParseTypedNumber(boxes[i]);
        if (*targets[i] != 0) (i < 2 ? c.RefPt1ZeroEnabled : c.RefPt2ZeroEnabled) = true;
    }
    m.Display.RefPointsOn = false;
    RefPointsClick(m.Display);
}

void RefPntsZero(Model& m, MainViewControls& c) {
    m.Display.RefPointsOn = true;
    for (int n : {RefPoint1, RefPoint2}) {
        m.P(n).X = 0;
        m.P(n).Y = 0;
    }
    c.RefPt1ZeroEnabled = false;
    c.RefPt2ZeroEnabled = false;
    RefPointsClick(m.Display);
}

void RefPntsCancel(Model& m) {
    m.Display.RefPointsOn = true;
    RefPointsClick(m.Display);
}

std::string GraphZoomActivate(const Model& m) { return FormatFixed(m.Diagram.GraphicZoom, 4, 2); }

void GraphZoomOk(Model& m, std::string_view text) {
    m.Diagram.GraphicZoom = ClampLowThenHigh(ParseTypedNumber(text), kMinGraphicZoom, kMaxGraphicZoom);
}

}  // namespace lm
