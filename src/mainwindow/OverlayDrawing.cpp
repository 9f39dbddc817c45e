// Drawing the overlay's lines and circles, fixed or tied to pivots, and the pick prompts.

#include "mainwindow/OverlayDrawing.h"

#include <cmath>
#include <optional>

#include "common/Numbers.h"
#include "common/Real.h"
#include "mainwindow/RefPointDrawing.h"
#include "view/ViewMapping.h"
#include "model/PivotNumbers.h"
#include "overlay/OverlayPen.h"

namespace lm {

namespace {

struct Point {
    Real x = 0, y = 0;
};

// The present position of a tying pivot, if the number names a slot.
std::optional<Point> TiedTo(const Model& m, float number) {
    const auto slot = PivotSlot(number);
    if (!slot) return std::nullopt;
    return Point{m.P(*slot).X, m.P(*slot).Y};
}

void DrawLine(const ViewState& v, Canvas& canvas, Point a, Point b) {
    canvas.Line(ToScreen(v, a.x, a.y), ToScreen(v, b.x, b.y));
}

void DrawCircle(const ViewState& v, Canvas& canvas, Point c, Real r) {
    const Real s = v.ViewScale;
    canvas.Ellipse(RoundToInt((c.x - r) * s + v.ViewOriginX), RoundToInt(-(c.y + r) * s + v.ViewOriginY),
                   RoundToInt((c.x + r) * s + v.ViewOriginX + 1), RoundToInt(-(c.y - r) * s + v.ViewOriginY + 1));
}

void DrawEntry(const Model& m, const ViewState& v, Canvas& canvas, const OverlayEntry& e) {
    const Point first{e.Horz1, e.Vert1};
    const Point second{e.Horz2, e.Vert2};
    const auto plus = [](Point p, Point d) { return Point{p.x + d.x, p.y + d.y}; };
    if (e.Type == 0) {
        if (e.Reference == 0) return DrawLine(v, canvas, first, second);
        const auto p1 = TiedTo(m, e.RefPivot1);
        if (!p1) return;
        if (e.Reference == 1) return DrawLine(v, canvas, plus(*p1, first), plus(*p1, second));
        if (e.Reference == 2) return DrawLine(v, canvas, plus(*p1, first), second);
        if (e.Reference == 3) {
            if (const auto p2 = TiedTo(m, e.RefPivot2)) DrawLine(v, canvas, plus(*p1, first), plus(*p2, second));
        }
    } else if (e.Type == 1) {
        if (e.Reference == 0) return DrawCircle(v, canvas, first, e.Horz2);
        if (e.Reference == 1) {
            if (const auto p1 = TiedTo(m, e.RefPivot1)) DrawCircle(v, canvas, plus(*p1, first), e.Horz2);
        }
    }
}

}  // namespace

// Pen width (the gear's line width) and hollow brush are the render's, as for the gear.
void DrawOverlayEntries(const Model& m, const MainWindowState& state, Canvas& canvas) {
    for (int k = 1; k <= kOverlayEntryCount; ++k) {
        const OverlayEntry& e = m.Lines.Entries[static_cast<std::size_t>(k)];
        canvas.SetPenColour(OverlayPenColour(e.Color));
        DrawEntry(m, state.Picture.View, canvas, e);
    }
}

void DrawOverlayPrompts(const Model& m, const MainWindowState&, Canvas& canvas) {
    const OverlayEditorState& w = m.LinesWindow;
    if (!w.OverlayPickPending) return;
    const bool two = w.ReferenceChoice == 3;
    const char* lines[] = {
        two ? "STOP MOTION AND SELECT PIVOT 1 AND PIVOT 2" : "STOP MOTION AND SELECT PIVOT 1",
        two ? "USE LEFT MOUSE BUTTON FIRST THEN RIGHT" : "USE LEFT MOUSE BUTTON",
        two ? "MOVE MOTION IF NECESSARY TO CLEAR PIVOTS" : "MOVE MOTION IF NECESSARY TO CLEAR PIVOT",
    };
    canvas.SetTextBackground(false);
    canvas.SetFontColour(colours::Red);
    canvas.SetFontBold(true);
    const int ys[] = {130, 143, 156};
    for (int i = 0; i < 3; ++i) canvas.TextOut(TextPosition(m, 10, ys[i]), lines[i]);
    canvas.SetFontBold(false);
    canvas.SetFontColour(colours::Black);
}

}  // namespace lm
