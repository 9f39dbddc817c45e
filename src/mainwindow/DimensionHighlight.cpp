// The dimension highlight: its table of views and lines, the tick step and the drawing.
#include "mainwindow/DimensionHighlight.h"

#include <array>
#include <cmath>

#include "common/Numbers.h"
#include "common/Real.h"
#include "common/TextScaleExtent.h"
#include "view/ViewMapping.h"

namespace lm {

namespace {

struct Row {
    int dim;
    std::string_view label;
    float k;
    bool origin;
    float ox, oy;
};

constexpr std::array<Row, 44> kRows = {{
    {1, "Driver Dia", 30, true, 290, 212},
    {2, "Stroke", 30, true, 290, 212},
    {3, "Main Rod Length", 28.5f, false, 0, 0},
    {4, "Eccentric Circle Dia", 62, true, 280, 212},
    {5, "Eccentric Dia", 62, true, 280, 212},
    {6, "Eccentric Forward Angle", 62, true, 280, 212},
    {7, "Eccentric Reverse Angle", 62, true, 280, 212},
    {8, "Eccentric Forward Rod", 50, true, 100, 212},
    {9, "Eccemtric Reverse Rod", 50, true, 100, 212},
    {10, "Link Radius", 33, true, 100, 212},
    {11, "Link Cent Pivot Back Set", 33, true, 100, 212},
    {12, "Link-Ecc Rod Pivot Vert", 33, true, 100, 212},
    {13, "Link-Ecc Rod Pivot BkS", 33, true, 100, 212},
    {14, "Rocker Upper Length", 40, true, 50, 250},
    {15, "Rocker Upper Back Set", 40, true, 50, 250},
    {16, "Rocker Lower Length", 40, true, 50, 250},
    {17, "Rocker Pivot Vert", 33, true, 100, 250},
    {18, "Rocker Pivot Horz", 33, true, 100, 250},
    {19, "Valve Con Rod Length", 33, true, 100, 250},
    {20, "Lifting Link Length", 33, true, 100, 250},
    {21, "Reverse Arm Length", 33, true, 100, 250},
    {22, "Reverse Arm Back Set", 33, true, 100, 250},
    {23, "Lifting Arm Length", 33, true, 100, 250},
    {24, "Rev/Lift Arm Pivot Vert", 33, true, 100, 250},
    {25, "Rev/Lift Arm Pivot Horz", 33, true, 100, 250},
    {26, "Rev Arm to Cent Norm", 28, true, 200, 300},
    {27, "Rev Arm Cent to Max", 28, true, 200, 300},
    {101, "Cyl ctr to Driver ctr", 28.5f, false, 0, 0},
    {102, "Cyl CL above Driver ctr", 55, true, -500, 285},
    {103, "Cylinder Bore Dia", 55, true, -500, 285},
    {104, "Cylinder Bore Length", 55, true, -500, 285},
    {105, "Cyl Steam Port Width", 55, true, -500, 285},
    {106, "Piston ctr to Crosshead", 55, true, -400, 285},
    {107, "Piston Width", 55, true, -500, 285},
    {108, "Valve CL to Cyl CL", 55, true, -500, 285},
    {109, "Valve Bore Dia", 55, true, -500, 285},
    {110, "Valve Bore Length", 55, true, -500, 285},
    {111, "Valve Bore ctr to Port", 55, true, -500, 285},
    {112, "ValveBorePortWidthRear", 55, true, -500, 285},
    {113, "ValveBorePortWidthFront", 55, true, -500, 285},
    {114, "Valve ctr to Ring", 55, true, -500, 285},
    {115, "Valve End Width  Rear", 55, true, -500, 285},
    {116, "Valve End Width  Front", 55, true, -500, 285},
    {117, "Valve ctr to Joint (Stem)", 55, true, -500, 285},
}};

const Row* FindRow(int dim) {
    for (const Row& r : kRows)
        if (r.dim == dim) return &r;
    return nullptr;
}

void EndHighlight(HighlightState& h) {
    h.ReopenRequest = h.NotedEditor;
    h.Ticks = 0;
    h.BlinkPhase = 0;
    h.Dim = 0;
}

// The marked line(s) of dimension dim. P(n) is pivot n as this tick mapped it; primed
// points (At, Sx, Sy) are mapped with the view just set.
std::vector<HighlightStroke> LinesOf(int dim, const Model& m, const MainWindowState& state, Rgb pen) {
    const ViewState& v = m.View;
    const auto P = [&m](int n) { return ScreenPoint{m.P(n).SX, m.P(n).SY}; };
    const auto X = [&m](int n) -> Real { return m.P(n).X; };
    const auto Y = [&m](int n) -> Real { return m.P(n).Y; };
    const auto At = [&v](Real x, Real y) { return ToScreen(v, x, y); };
    const auto Sx = [&v](Real x) { return ToScreenX(v, x); };
    const auto Sy = [&v](Real y) { return ToScreenY(v, y); };
    const auto line = [pen](ScreenPoint a, ScreenPoint b) {
        return std::vector<HighlightStroke>{{{a, b}, pen}};
    };
    const FrameDimensions& f = m.Frame;
    const Real c = m.Cyl.CylCtrToDriver;
    const CylinderOutline& co = state.Cylinder;
    const PistonOutline& po = state.Piston;
    // Pixel midpoint of P10 and P11, halves truncated towards 0.
    const ScreenPoint mid{P(10).x - (P(10).x - P(11).x) / 2, P(10).y - (P(10).y - P(11).y) / 2};
    const ScreenPoint linkBackSet = At(X(9) + f.LinkCentBackSet, Y(9) - Y(14) / 30);
    const auto armEnd = [&] {
        const Real r = static_cast<Real>(f.RevArmLen) / f.LiftingArmLen;
        return At(X(17) + r * (Y(17) - Y(15)), Y(17) + r * (X(15) - X(17)));
    };
    const auto centring = [&](Real travel) {
        const Real centre = m.Gear.RevArmCenter;
        const int y = P(18).y + 5;
        const Rgb swapped = pen == colours::Black ? colours::Red : colours::Black;
        const ScreenPoint a{Sx(centre - travel), y}, b{Sx(centre), y}, e{Sx(centre + travel), y};
        return std::vector<HighlightStroke>{{{a, b}, pen}, {{b, e}, swapped}};
    };
    switch (dim) {
        case 1: {
            const Real r = static_cast<Real>(f.DriverDia) / 2;
            return line({P(1).x, Sy(Y(1) - r)}, {P(1).x, Sy(Y(1) + r)});
        }
        case 2: return line(P(2), At(2 * X(1) - X(2), 2 * Y(1) - Y(2)));
        case 3: return line(P(2), P(3));
        case 4: return line(P(12), At(X(1) - X(12), Y(1) - Y(12)));
        case 5: return line(P(21), At(2 * X(12) - X(21), 2 * Y(12) - Y(21)));
        case 6: return {{{P(2), P(1), P(12)}, pen}};
        case 7: return {{{P(2), P(1), P(13)}, pen}};
        case 8: return line(P(12), P(10));
        case 9: return line(P(13), P(11));
        case 10: return line(P(14), {Sx(X(9) + f.LinkCentBackSet), P(9).y});
        case 11: return line(P(9), linkBackSet);
        case 12: return line(P(10), mid);
        case 13: return line(linkBackSet, mid);
        case 14: return line(P(23), P(7));
        case 15: return line(P(23), P(5));
        case 16: return line(P(7), P(8));
        case 17: return line(P(7), {P(7).x, P(1).y});
        case 18: return line(P(7), {P(1).x, P(7).y});
        case 19: return line(P(5), P(4));
        case 20: return line(P(15), P(9));
        case 21: return line(P(17), armEnd());
        case 22: return line(P(18), armEnd());
        case 23: return line(P(15), P(17));
        case 24: return line(P(17), {P(17).x, P(1).y});
        case 25: return line(P(17), {P(1).x, P(17).y});
        case 26: return centring(f.RevArmCentNorm);
        case 27: return centring(f.RevArmCentMax);
        case 101: return line(P(1), {Sx(X(1) + c), P(1).y});
        case 102: return line({Sx(X(1) + c), P(1).y}, {Sx(X(1) + c), P(3).y});
        case 103: return line(co.B[2], co.B[3]);
        case 104: return line(co.B[2], co.B[5]);
        case 105: return line(co.B[2], co.C[1]);
        case 106: return line(P(3), {Sx(X(3) + m.Cyl.PistonToCrosshead), P(3).y});
        case 107: return line(po.Q[0], po.Q[3]);
        case 108: return line({co.A.x - 5, P(4).y}, {co.A.x - 5, P(3).y});
        case 109: return line(co.A, co.B[0]);
        case 110: return line(co.B[0], co.B[7]);
        case 111: return line(co.C[0], {Sx(X(1) + c), co.C[0].y});
        case 112: return line(co.B[1], co.C[0]);
        case 113: return line(co.C[3], co.B[6]);
        case 114: return line({po.R[2].x, po.Q[4].y}, {Sx(X(4) + m.Cyl.ValveCtrToJoint), po.Q[4].y});
        case 115: return line(po.R[1], po.R[2]);
        case 116: return line(po.F[1], po.F[2]);
        case 117: return line(P(4), {Sx(X(4) + m.Cyl.ValveCtrToJoint), P(4).y});
        default: return {};
    }
}

void DrawHourglass(Canvas& canvas) {
    canvas.SetPenColour(colours::Black);
    canvas.SetPenWidth(2);
    static constexpr ScreenPoint top[] = {{20, 100}, {44, 100}, {44, 104}, {20, 104}, {20, 100}};
    static constexpr ScreenPoint left[] = {{22, 100}, {22, 112}, {30, 120}, {30, 122}, {22, 130}, {22, 142}};
    static constexpr ScreenPoint right[] = {{42, 100}, {42, 112}, {34, 120}, {34, 122}, {42, 130}, {42, 142}};
    static constexpr ScreenPoint bottom[] = {{20, 142}, {44, 142}, {44, 138}, {20, 138}, {20, 142}};
    canvas.Polyline(top);
    canvas.Polyline(left);
    canvas.Polyline(right);
    canvas.Polyline(bottom);
    canvas.SetPenWidth(1);
    canvas.Line({24, 136}, {32, 127});
    canvas.Line({39, 136}, {31, 127});
    static constexpr ScreenPoint sand[] = {{31, 117}, {26, 111}, {37, 111}, {31, 118}};
    canvas.Polyline(sand);
}

}  // namespace

bool FindHighlightView(int dim, HighlightView& out) {
    const Row* r = FindRow(dim);
    if (!r) return false;
    out = {r->label, r->k, r->origin, r->ox, r->oy};
    return true;
}

HighlightPicture StepDimensionHighlight(Model& m, MainWindowState& state) {
    HighlightState& h = m.Highlight;
    state.HighlightActive = h.Dim > 0;
    if (h.Dim <= 0) return {};
    const Row* row = FindRow(h.Dim);
    if (!row) {
        EndHighlight(h);
        state.HighlightActive = false;
        return {};
    }
    h.NotedEditor = h.Dim > 99 ? EditorId::Cylinder : EditorId::Frame;
    h.CloseRequest = h.NotedEditor;
    ViewState& v = m.View;
    if (h.Ticks == 0) m.Views.SavedView = {v.ViewScale, v.ViewOriginX, v.ViewOriginY};
    h.Ticks += 1;
    h.BlinkPhase += 1;
    const Rgb pen = h.BlinkPhase < 4 ? colours::Red : colours::Black;

    // A zoom never set (or set to nothing usable) draws at the default scale.
    const Real zoom = std::isfinite(m.Diagram.GraphicZoom) && m.Diagram.GraphicZoom > 0
                          ? static_cast<Real>(m.Diagram.GraphicZoom)
                          : static_cast<Real>(kDefaultGraphicZoom);
    v.ViewScale = static_cast<float>(row->k / zoom * 7.5L);
    if (row->origin) {
        v.ViewOriginX = row->ox;
        v.ViewOriginY = row->oy;
    }
    HighlightPicture picture;
    picture.Shown = true;
    picture.Strokes = LinesOf(h.Dim, m, state, pen);
    picture.Label = row->label;
    picture.LabelAt = {RoundToInt(30 * static_cast<Real>(m.Display.TextScaleX)),
                       RoundToInt(75 * static_cast<Real>(m.Display.TextScaleY))};
    picture.LabelFontPixels = TextScaleFontPixels(14, m.Display.TextScaleY);

    if (h.BlinkPhase > 5) h.BlinkPhase = 0;
    if (h.Ticks > kHighlightLifeTicks) {
        v.ViewScale = m.Views.SavedView.Scale;
        v.ViewOriginX = m.Views.SavedView.OriginX;
        v.ViewOriginY = m.Views.SavedView.OriginY;
        EndHighlight(h);
        state.HighlightActive = false;
    }
    return picture;
}

void DrawHighlightPicture(const HighlightPicture& picture, Canvas& canvas) {
    if (!picture.Shown) return;
    DrawHourglass(canvas);
    canvas.SetPenWidth(3);
    canvas.SetFontSize(picture.LabelFontPixels);
    for (const HighlightStroke& s : picture.Strokes) {
        canvas.SetPenColour(s.Colour);
        canvas.Polyline(s.Points);
    }
    canvas.SetFontColour(colours::Black);
    canvas.TextOut(picture.LabelAt, picture.Label);
}

void EndDimensionHighlightByMousePress(Model& m) {
    HighlightState& h = m.Highlight;
    if (h.Dim <= 0) return;
    if (h.Ticks > 0) {
        h.Ticks = kHighlightEndedByPress;
        return;
    }
    // Not shown yet: nothing to restore, so it simply does not start.
    h.NotedEditor = h.Dim > 99 ? EditorId::Cylinder : EditorId::Frame;
    EndHighlight(h);
}

}  // namespace lm
