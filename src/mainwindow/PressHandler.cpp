// The main window's mouse press, step by step, and which tracked row lies under it.

#include "mainwindow/PressHandler.h"

#include "common/Numbers.h"
#include "mainwindow/DimensionHighlight.h"
#include "view/ViewMapping.h"
#include "model/PivotNumbers.h"

namespace lm {

namespace {

// The window has a type and colour chosen and waits for a pick with this reference.
bool LinesWindowAwaits(const OverlayEditorState& w, bool (*reference)(int)) {
    return w.TypeChoice >= 0 && w.ColourChoice >= 0 && reference(w.ReferenceChoice);
}

void NoteClick(PivotTracking& t, ScreenPoint at) {
    t.ClickX = at.x;
    t.ClickY = at.y;
}

}  // namespace

int TrackRowAt(const Model& m, ScreenPoint at) {
    const long double sx = m.Display.TextScaleX;
    const long double sy = m.Display.TextScaleY;
    if (!(0 < at.x && at.x < RoundToInt(sx * 20))) return 0;
    for (int k = 1; k <= kTrackedRowCount; ++k)
        if (RoundToInt(sy * (142 + 10 * k)) < at.y && at.y < RoundToInt(sy * (151 + 10 * k))) return k;
    return 0;
}

void SetPivotDataClick(Model& m) {
    DisplayState& d = m.Display;
    if (d.PivotDataOn) {
        d.PivotDataOn = false;
        return;
    }
    d.PivotDataOn = true;
    if (!d.RefPointsOn) RefPointsClick(d);
}

void HandleMainWindowPress(Model& m, MainWindowState& state, MouseButton button, ScreenPoint at,
                           const std::function<void()>& openLinesWindow) {
    PivotTracking& t = m.Tracking;
    const bool left = button == MouseButton::Left;
    const bool right = button == MouseButton::Right;
    const auto refsOn = [&] { return m.Display.RefPointsOn; };
    const auto openLines = [&] {
        if (openLinesWindow) openLinesWindow();
    };

    // Steps 1 and 2: left places reference point 1, right reference point 2.
    if (PlaceRefPointByMouse(m, state.View, button, at)) NoteClick(t, at);

    // Step 3: a left press ends the pick of pivot 1 for references 0..2.
    if (refsOn() && left &&
        LinesWindowAwaits(m.LinesWindow, [](int r) { return r >= 0 && r <= 2; }))
        openLines();

    // Step 4.
    if (left) t.RightClickArmed = true;

    // Step 5: for two pivots, the right press after a left one ends the pick.
    if (refsOn() && right && t.RightClickArmed &&
        LinesWindowAwaits(m.LinesWindow, [](int r) { return r == 3; })) {
        t.RightClickArmed = false;
        openLines();
    }

    // Step 6: the pivot press of a pending row moves reference point 1 onto the press and
    // takes the pivot nearest to it.
    if (m.Display.PivotDataOn && t.TrackPending && refsOn() && left) {
        NoteClick(t, at);
        Pivot& ref = m.P(RefPoint1);
        ModelPoint p;
        if (ToModel(m.View, at, p)) {
            ref.X = static_cast<float>(p.x);
            ref.Y = static_cast<float>(p.y);
            state.View.RefPt1ZeroEnabled = true;
        }
        t.LastNearest = NearestPivot(m, PivotSearch::Display, ref.X, ref.Y, t.LastNearest);
        t.TrackPending = false;
        const int row = t.TrackRow >= 1 && t.TrackRow <= kTrackedRowCount ? t.TrackRow : 1;
        t.Rows[static_cast<std::size_t>(row)].Pivot = static_cast<float>(t.LastNearest);
    }

    // Step 7: a left press on a row number arms that row for the next pivot press.
    if (m.Display.PivotDataOn && !t.TrackPending && refsOn() && left) {
        if (const int k = TrackRowAt(m, at)) {
            t.TrackRow = k;
            t.Rows[static_cast<std::size_t>(k)].Set = true;
            t.TrackPending = true;
        }
    }

    // Step 8: any press ends a dimension highlight at the next tick.
    EndDimensionHighlightByMousePress(m);
}

}  // namespace lm
