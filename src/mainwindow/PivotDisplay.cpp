// The tracked pivots' live table on the main window and their row numbers at the pivots.

#include "mainwindow/PivotDisplay.h"

#include <cmath>
#include <optional>
#include <string>

#include "common/Numbers.h"
#include "common/Real.h"
#include "mainwindow/ReadoutText.h"
#include "mainwindow/RefPointDrawing.h"
#include "model/PivotNumbers.h"

namespace lm {

namespace {

std::string Number(Real v) { return FormatFixed(static_cast<double>(v), 7, 3); }

// The pivot row k shows, if it is set and names a slot of the table.
std::optional<Pivot> RowPivot(const Model& m, int k) {
    const TrackedRow& row = m.Tracking.Rows[static_cast<std::size_t>(k)];
    if (!row.Set) return std::nullopt;
    const auto slot = PivotSlot(row.Pivot);
    if (!slot) return std::nullopt;
    return m.P(*slot);
}

}  // namespace

void DrawPivotDisplay(const Model& m, const MainWindowState& state, Canvas& canvas) {
    if (!m.Display.PivotDataOn) return;
    UsePlainText(canvas);
    // The two headings start at a plain pixel; every other position scales.
    canvas.TextOut({1, TextPosition(m, 0, 128).y}, "    Pivot Data");
    canvas.TextOut({1, TextPosition(m, 0, 138).y}, "No.  Vert     Horz");

    for (int k = 1; k <= kTrackedRowCount; ++k) {
        const int y = 140 + 10 * k;
        canvas.SetFontColour(colours::Red);
        canvas.TextOut(TextPosition(m, 3, y), std::to_string(k));
        const std::optional<Pivot> p = RowPivot(m, k);
        if (p) {
            const ViewState& v = state.Picture.View;
            const ScreenPoint tag{RoundToInt(static_cast<Real>(p->X) * v.ViewScale + v.ViewOriginX + 4),
                                  RoundToInt(-static_cast<Real>(p->Y) * v.ViewScale + v.ViewOriginY - 12)};
            canvas.TextOut(tag, std::to_string(k));
        }
        canvas.SetFontColour(colours::Black);
        if (p) {
            canvas.TextOut(TextPosition(m, 12, y), Number(p->Y));
            canvas.TextOut(TextPosition(m, 50, y), Number(p->X));
        }
        if (k % 2 == 1) {
            const std::optional<Pivot> q = RowPivot(m, k + 1);
            if (p && q) {
                const Real dy = static_cast<Real>(p->Y) - q->Y;
                const Real dx = static_cast<Real>(p->X) - q->X;
                canvas.TextOut(TextPosition(m, 90, y + 5), Number(std::sqrt(dy * dy + dx * dx)));
            }
        }
    }
}

}  // namespace lm
