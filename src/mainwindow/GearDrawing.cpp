// Drawing the valve gear on the main window: wheel and counterweight, rods, link,
// rockers, cylinder, piston and valve.

#include "mainwindow/GearDrawing.h"

#include <array>
#include <cmath>

#include "common/Real.h"
#include "view/ViewMapping.h"

namespace lm {

namespace {

ScreenPoint At(const Model& m, int pivot) { return {m.P(pivot).SX, m.P(pivot).SY}; }

void DrawPivotCircle(Canvas& canvas, const Model& m, const ViewState& v, int pivot, Real radius) {
    DrawModelCircle(canvas, v, m.P(pivot).X, m.P(pivot).Y, radius);
}

// A point on the ray from the axle at the given angle in degrees, measured on the screen
// (y down), so the arc turns with the crank.
ScreenPoint CounterweightRadial(const Model& m, const ViewState& v, Real degrees) {
    const Real a = degrees * kPi / 180;
    const Real r = m.Frame.DriverDia;
    return ToScreen(v, std::cos(a) * r, -std::sin(a) * r);
}

void DrawCounterweight(Canvas& canvas, const Model& m, const ViewState& v) {
    const Real r = 0.35L * m.Frame.DriverDia;
    const Real a = m.Gear.DriverAngle;
    canvas.Arc(ToScreenX(v, -r), ToScreenY(v, r), ToScreenX(v, r), ToScreenY(v, -r),
               CounterweightRadial(m, v, a - 110), CounterweightRadial(m, v, a + 110));
}

void DrawExpansionLink(Canvas& canvas, const Model& m, const ViewState& v) {
    const Pivot& centre = m.P(LinkArcCentre);
    const Pivot& fwd = m.P(FwdRodPin);
    const Pivot& rev = m.P(RevRodPin);
    const Real r = m.Frame.LinkRadius;
    const Real x = centre.X;
    const Real y = centre.Y;
    canvas.Arc(ToScreenX(v, x - r), ToScreenY(v, y + r), ToScreenX(v, x + r), ToScreenY(v, y - r),
               ToScreen(v, rev.X, rev.Y - 0.1L * r), ToScreen(v, fwd.X, fwd.Y + 0.1L * r));
}

void DrawCross(Canvas& canvas, ScreenPoint p, int nearArm, int farArm) {
    canvas.Line(Offset(p, nearArm, nearArm), Offset(p, -farArm, -farArm));
    canvas.Line(Offset(p, nearArm, -nearArm), Offset(p, -farArm, farArm));
}

void DrawCylinder(Canvas& canvas, const CylinderOutline& o) {
    const auto& b = o.B;
    const auto& c = o.C;
    const ScreenPoint outline[] = {o.A, b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8]};
    canvas.Polyline(outline);
    // The valve bore's top in two pieces leaves the steam inlet and the two exhaust gaps.
    canvas.Line(b[9], b[10]);
    canvas.Line(b[11], b[12]);
    const ScreenPoint passage[] = {c[3], c[0], c[1], c[2], c[3]};
    canvas.Polyline(passage);
}

void DrawPistonAndValve(Canvas& canvas, const Model& m, const PistonOutline& o) {
    const auto& q = o.Q;
    const auto& r = o.R;
    const auto& f = o.F;
    canvas.Line(At(m, Crosshead), o.K);
    const ScreenPoint piston[] = {q[3], q[0], q[1], q[2], q[3]};
    canvas.Polyline(piston);
    canvas.Line(At(m, ValveStemJoint), q[4]);
    const ScreenPoint rearHead[] = {r[3], r[0], r[1], r[2], r[3]};
    canvas.Polyline(rearHead);
    const ScreenPoint frontHead[] = {f[3], f[0], f[1], f[2], f[3]};
    canvas.Polyline(frontHead);
}

void DrawPolyline(Canvas& canvas, const Model& m, const std::array<int, 3>& pivots) {
    const ScreenPoint points[] = {At(m, pivots[0]), At(m, pivots[1]), At(m, pivots[2])};
    canvas.Polyline(points);
}

}  // namespace

void DrawModelCircle(Canvas& canvas, const ViewState& view, long double x, long double y,
                     long double radius) {
    canvas.Ellipse(ToScreenX(view, x - radius), ToScreenY(view, y + radius),
                   ToScreenX(view, x + radius), ToScreenY(view, y - radius));
}

void DrawGear(const Model& m, const MainWindowState& state, Canvas& canvas) {
    const ViewState& v = state.Picture.View;
    const Real dia = m.Frame.DriverDia;
    const Real pin = 0.02L * dia;

    canvas.SetPenColour(colours::Black);
    DrawPivotCircle(canvas, m, v, DriverAxle, dia / 2);
    DrawCounterweight(canvas, m, v);

    canvas.SetPenColour(colours::Lime);
    canvas.Line(At(m, RevSheavePoint), At(m, RevRodPin));
    DrawPivotCircle(canvas, m, v, RevEccentric, static_cast<Real>(m.Frame.EccDia) / 2);

    canvas.SetPenColour(colours::Blue);
    canvas.Line(At(m, FwdSheavePoint), At(m, FwdRodPin));
    DrawPivotCircle(canvas, m, v, FwdEccentric, static_cast<Real>(m.Frame.EccDia) / 2);

    canvas.SetPenColour(colours::Black);
    DrawPivotCircle(canvas, m, v, DriverAxle, 0.08L * dia);
    DrawPivotCircle(canvas, m, v, CrankPin, 0.05L * dia);
    DrawPivotCircle(canvas, m, v, Crosshead, 0.04L * dia);
    for (int p : {ValveStemJoint, RockerUpperEnd, RockerPivotCopy, RockerPivot, LinkBlock,
                  LinkCentrePivot, FwdRodPin, RevRodPin})
        DrawPivotCircle(canvas, m, v, p, pin);
    for (int p : {LiftingArmEnd, ReverseShaft, ReverseShaftCopy, ReverseArmEnd})
        DrawPivotCircle(canvas, m, v, p, pin);

    canvas.SetPenColour(colours::Grey);
    DrawCylinder(canvas, state.Cylinder);

    canvas.SetPenColour(colours::Black);
    DrawPistonAndValve(canvas, m, state.Piston);

    // Fixed points: the link's arc centre small, the frame's fixed pivots large.
    canvas.SetPenColour(colours::Red);
    DrawCross(canvas, At(m, LinkArcCentre), 1, 2);
    for (int p : {0, int{RockerPivot}, int{ReverseShaft}}) DrawCross(canvas, At(m, p), 5, 6);

    DrawExpansionLink(canvas, m, v);
    canvas.Line(At(m, CrankPin), At(m, Crosshead));  // main rod

    canvas.SetPenColour(colours::Magenta);
    DrawPolyline(canvas, m, {LinkBlock, RockerPivot, RockerUpperEnd});  // rocker

    canvas.SetPenColour(colours::Blue);
    canvas.Line(At(m, RockerUpperEnd), At(m, ValveStemJoint));  // valve rod

    canvas.SetPenColour(colours::Cyan);
    canvas.Line(At(m, LinkCentrePivot), At(m, LiftingArmEnd));  // lifting link

    canvas.SetPenColour(colours::Lime);
    DrawPolyline(canvas, m, {LiftingArmEnd, ReverseShaftCopy, ReverseArmEnd});

    canvas.SetPenColour(colours::Black);  // reach rod
    canvas.Line(At(m, ReverseArmEnd), {m.P(DriverAxle).SX, m.P(ReverseArmEnd).SY});
}

}  // namespace lm
