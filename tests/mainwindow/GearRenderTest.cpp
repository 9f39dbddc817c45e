// The main window's gear drawing, primitive by primitive, against the mapping worked out
// here; counterweight, line width and reverse-arm handle.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/RecordingCanvas.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"

namespace lm {
namespace {

using Real = long double;

// The mapping worked out here on its own, from the documented formula.
int Sx(Real x) { return static_cast<int>(std::nearbyint(x * 28.5L + 110)); }
int Sy(Real y) { return static_cast<int>(std::nearbyint(-y * 28.5L + 270)); }
ScreenPoint Pt(const Model& m, int n) { return {Sx(m.P(n).X), Sy(m.P(n).Y)}; }
Box Circle(Real x, Real y, Real r) {
    return {Sx(x - r), Sy(y + r), Sx(x + r), Sy(y - r)};
}
Box PivotCircle(const Model& m, int n, Real r) { return Circle(m.P(n).X, m.P(n).Y, r); }

struct Expected {
    CanvasOp kind;
    Rgb pen;
    std::vector<ScreenPoint> points;
    Box box{};
};

class RenderGear : public ::testing::Test {
protected:
    // The nominal gear solved at 30 degrees, stopped, in the normal view.
    void SetUp() override {
        StartUp(m);
        m.Gear.StepAngle = 0;
        m.Gear.DriverAngle = 30;
        AnimationTick(m, s);
        RenderMainWindow(m, s, canvas);
    }

    std::vector<RecordedOp> Gear() const {
        // The gear is every shape drawn; the readouts add only text.
        auto marks = canvas.Marks();
        std::erase_if(marks, [](const RecordedOp& op) { return op.kind == CanvasOp::TextOut; });
        return marks;
    }

    Model m;
    MainWindowState s;
    RecordingCanvas canvas;
};

TEST_F(RenderGear, FrameStartsWhiteWithLineWidthBlackAndHollow) {
    const auto& ops = canvas.Ops();
    ASSERT_GE(ops.size(), 4u);
    EXPECT_EQ(ops[0].kind, CanvasOp::Clear);
    EXPECT_EQ(ops[0].colour, colours::White);
    EXPECT_EQ(ops[1].kind, CanvasOp::SetPenWidth);
    EXPECT_EQ(ops[1].value, 1);
    EXPECT_EQ(ops[2].kind, CanvasOp::SetPenColour);
    EXPECT_EQ(ops[2].colour, colours::Black);
    EXPECT_EQ(ops[3].kind, CanvasOp::SetHollowBrush);
}

TEST_F(RenderGear, EveryPrimitiveInOrderWithItsColourAndPoints) {
    const Real dia = 7;
    const Real pin = 0.02L * dia;
    const CylinderOutline& c = s.Cylinder;
    const PistonOutline& p = s.Piston;
    auto line = [](Rgb pen, ScreenPoint a, ScreenPoint b) {
        return Expected{CanvasOp::LineTo, pen, {a, b}};
    };
    auto ellipse = [](Rgb pen, Box b) { return Expected{CanvasOp::Ellipse, pen, {}, b}; };
    auto poly = [](Rgb pen, std::vector<ScreenPoint> pts) {
        return Expected{CanvasOp::Polyline, pen, std::move(pts)};
    };

    std::vector<Expected> want;
    want.push_back(ellipse(colours::Black, PivotCircle(m, 1, 3.5L)));
    want.push_back({CanvasOp::Arc, colours::Black, {}, {}});  // checked on its own below
    want.push_back(line(colours::Lime, Pt(m, 22), Pt(m, 11)));
    want.push_back(ellipse(colours::Lime, PivotCircle(m, 13, 1)));
    want.push_back(line(colours::Blue, Pt(m, 21), Pt(m, 10)));
    want.push_back(ellipse(colours::Blue, PivotCircle(m, 12, 1)));
    want.push_back(ellipse(colours::Black, PivotCircle(m, 1, 0.08L * dia)));
    want.push_back(ellipse(colours::Black, PivotCircle(m, 2, 0.05L * dia)));
    want.push_back(ellipse(colours::Black, PivotCircle(m, 3, 0.04L * dia)));
    for (int n : {4, 5, 6, 7, 8, 9, 10, 11, 15, 16, 17, 18})
        want.push_back(ellipse(colours::Black, PivotCircle(m, n, pin)));
    want.push_back(poly(colours::Grey, {c.A, c.B[0], c.B[1], c.B[2], c.B[3], c.B[4], c.B[5],
                                       c.B[6], c.B[7], c.B[8]}));
    want.push_back(line(colours::Grey, c.B[9], c.B[10]));
    want.push_back(line(colours::Grey, c.B[11], c.B[12]));
    want.push_back(poly(colours::Grey, {c.C[3], c.C[0], c.C[1], c.C[2], c.C[3]}));
    want.push_back(line(colours::Black, Pt(m, 3), p.K));
    want.push_back(poly(colours::Black, {p.Q[3], p.Q[0], p.Q[1], p.Q[2], p.Q[3]}));
    want.push_back(line(colours::Black, Pt(m, 4), p.Q[4]));
    want.push_back(poly(colours::Black, {p.R[3], p.R[0], p.R[1], p.R[2], p.R[3]}));
    want.push_back(poly(colours::Black, {p.F[3], p.F[0], p.F[1], p.F[2], p.F[3]}));
    const ScreenPoint a = Pt(m, 14);
    want.push_back(line(colours::Red, {a.x + 1, a.y + 1}, {a.x - 2, a.y - 2}));
    want.push_back(line(colours::Red, {a.x + 1, a.y - 1}, {a.x - 2, a.y + 2}));
    for (int n : {0, 7, 16}) {
        const ScreenPoint f = Pt(m, n);
        want.push_back(line(colours::Red, {f.x + 5, f.y + 5}, {f.x - 6, f.y - 6}));
        want.push_back(line(colours::Red, {f.x + 5, f.y - 5}, {f.x - 6, f.y + 6}));
    }
    want.push_back({CanvasOp::Arc, colours::Red, {}, {}});  // the link, checked below
    want.push_back(line(colours::Red, Pt(m, 2), Pt(m, 3)));
    want.push_back(poly(colours::Magenta, {Pt(m, 8), Pt(m, 7), Pt(m, 5)}));
    want.push_back(line(colours::Blue, Pt(m, 5), Pt(m, 4)));
    want.push_back(line(colours::Cyan, Pt(m, 9), Pt(m, 15)));
    want.push_back(poly(colours::Lime, {Pt(m, 15), Pt(m, 17), Pt(m, 18)}));
    want.push_back(line(colours::Black, Pt(m, 18), {Pt(m, 1).x, Pt(m, 18).y}));

    const std::vector<RecordedOp> got = Gear();
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("primitive " + std::to_string(i));
        EXPECT_EQ(got[i].kind, want[i].kind);
        EXPECT_EQ(got[i].pen, want[i].pen);
        EXPECT_EQ(got[i].penWidth, 1);
        if (want[i].kind == CanvasOp::Ellipse) {
            EXPECT_EQ(got[i].box, want[i].box);
        } else if (want[i].kind != CanvasOp::Arc) {
            EXPECT_EQ(got[i].points, want[i].points);
        }
    }
}

TEST_F(RenderGear, LinkArcRunsShortWayFromReverseToForwardPin) {
    const auto arcs = canvas.OfKind(CanvasOp::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    const RecordedOp& link = arcs[1];
    EXPECT_EQ(link.box, PivotCircle(m, 14, 8.25L));
    const ScreenPoint start{Sx(m.P(11).X), Sy(m.P(11).Y - 0.825L)};
    const ScreenPoint end{Sx(m.P(10).X), Sy(m.P(10).Y + 0.825L)};
    ASSERT_EQ(link.points, (std::vector<ScreenPoint>{start, end}));

    // Counter-clockwise on screen from start to end covers only the link, a short arc
    // on the far side of its centre from the driver.
    const ScreenPoint centre = Pt(m, 14);
    auto visualAngle = [&](ScreenPoint q) {
        return std::atan2(-(q.y - centre.y), q.x - centre.x) * 180 / 3.14159265358979;
    };
    double sweep = visualAngle(end) - visualAngle(start);
    if (sweep < 0) sweep += 360;
    EXPECT_GT(sweep, 1);
    EXPECT_LT(sweep, 30);
    EXPECT_GT(start.x, centre.x);
    EXPECT_GT(start.y, end.y);  // the reverse pin's radial is below the forward pin's
}

TEST(RenderCounterweight, AtZeroTheArcIsCentredLeftOfTheAxle) {
    Model m;
    StartUp(m);
    m.Gear.StepAngle = 0;
    MainWindowState s;
    AnimationTick(m, s);
    RecordingCanvas canvas;
    RenderMainWindow(m, s, canvas);
    const RecordedOp arc = canvas.OfKind(CanvasOp::Arc)[0];
    // 0.35 * 7 * 28.5 = 69.825 about (110, 270).
    EXPECT_EQ(arc.box, (Box{40, 200, 180, 340}));
    // Radials at -110 and +110 degrees, 199.5 pixels out: cos 110 = -0.34202,
    // sin 110 = 0.93969.
    EXPECT_EQ(arc.points, (std::vector<ScreenPoint>{{42, 83}, {42, 457}}));
    EXPECT_GT(m.P(CrankPin).SX, m.P(DriverAxle).SX);
}

TEST(RenderCounterweight, StaysOppositeTheCrankPinAllRound) {
    for (float angle : {0.f, 45.f, 90.f, 135.f, 200.f, 300.f}) {
        SCOPED_TRACE(angle);
        Model m;
        StartUp(m);
        m.Gear.StepAngle = 0;
        m.Gear.DriverAngle = angle;
        MainWindowState s;
        AnimationTick(m, s);
        RecordingCanvas canvas;
        RenderMainWindow(m, s, canvas);
        const RecordedOp arc = canvas.OfKind(CanvasOp::Arc)[0];
        const double cx = 110, cy = 270;
        auto unit = [&](ScreenPoint q, double& ux, double& uy) {
            const double dx = q.x - cx, dy = q.y - cy, len = std::hypot(dx, dy);
            ux = dx / len;
            uy = dy / len;
        };
        double sx, sy, ex, ey, px, py;
        unit(arc.points[0], sx, sy);
        unit(arc.points[1], ex, ey);
        unit({m.P(CrankPin).SX, m.P(CrankPin).SY}, px, py);
        // The middle of the 140-degree arc lies along the sum of its radials.
        const double mx = sx + ex, my = sy + ey, ml = std::hypot(mx, my);
        EXPECT_LT((mx * px + my * py) / ml, -0.99);
        // And counter-clockwise on screen from start to end is the 140-degree side.
        const double cross = sx * ey - sy * ex;  // screen y down: ccw on screen is < 0
        EXPECT_LT(cross, 0);
    }
}

TEST(RenderLineWidth, TwoThickensEveryLineAndCircleOfTheGear) {
    Model m;
    StartUp(m);
    MainWindowState s;
    m.Display.LineWidth = 2;
    AnimationTick(m, s);
    RecordingCanvas canvas;
    RenderMainWindow(m, s, canvas);
    EXPECT_EQ(canvas.OfKind(CanvasOp::SetPenWidth).size(), 1u);
    const auto marks = canvas.Marks();
    ASSERT_FALSE(marks.empty());
    for (const RecordedOp& op : marks) {
        EXPECT_EQ(op.penWidth, 2);
        if (op.kind == CanvasOp::Ellipse || op.kind == CanvasOp::Arc) {
            EXPECT_TRUE(op.hollow);
        }
    }
}

TEST(RenderGearHandle, PutsTheHandleBackAtTheArmSetting) {
    Model m;
    StartUp(m);
    MainWindowState s;
    AnimationTick(m, s);
    m.P(ReverseArmEnd).X = 99;  // whatever left it elsewhere
    RecordingCanvas canvas;
    RenderMainWindow(m, s, canvas);
    EXPECT_EQ(m.P(ReverseArmEnd).X, m.Gear.RevArmPos);
    const auto ellipses = canvas.OfKind(CanvasOp::Ellipse);
    const Box handle = ellipses.back().box;
    EXPECT_EQ(handle, PivotCircle(m, 18, 0.14L));
}

}  // namespace
}  // namespace lm
