// The main window's picture: the tick's steps, then the layers in their fixed order.

#include "mainwindow/MainRender.h"

#include <algorithm>

#include "common/TextScaleExtent.h"
#include "mainwindow/GearDrawing.h"
#include "mainwindow/RefPointDrawing.h"
#include "mainwindow/CutOffReadout.h"
#include "mainwindow/DynVarLines.h"
#include "mainwindow/DimensionHighlight.h"
#include "mainwindow/PivotDisplay.h"
#include "mainwindow/Readouts.h"
#include "mainwindow/SteamDisplay.h"
#include "mainwindow/UndoLine.h"
#include "mainwindow/WindowControlState.h"
#include "mainwindow/OverlayDrawing.h"

namespace lm {

void StepMainWindow(Model& m, MainWindowState& state) {
    if (m.Display.SteamDisplayOn) StepSteamDisplay(m, state);
    UpdateWindowTitles(m, state);
    // The handle is drawn at the arm's setting, wherever a pick or a sweep left the pivot.
    m.P(ReverseArmEnd).X = m.Gear.RevArmPos;
    if (m.Display.ScreenDataOn) StepCutOffReadout(m, state);
    state.Picture.Highlight = StepDimensionHighlight(m, state);
}

void DrawMainWindow(const Model& m, const MainWindowState& state, Canvas& canvas) {
    canvas.Clear(colours::White);
    canvas.SetPenWidth(m.Display.LineWidth);
    canvas.SetPenColour(colours::Black);
    canvas.SetHollowBrush();
    canvas.SetTextBackground(false);
    canvas.SetFontColour(colours::Black);
    // The readout layout has a 12-pixel line pitch; its text grows with the large font.
    canvas.SetFontSize(TextScaleFontPixels(kReadoutFontPixels, m.Display.TextScaleY));

    if (m.Display.SteamDisplayOn) DrawSteamDisplay(m, state, canvas);
    DrawGear(m, state, canvas);
    DrawOverlayEntries(m, state, canvas);
    DrawUndoLine(m, canvas);
    if (m.Display.ScreenDataOn) {
        DrawReadouts(m, state, canvas);
        DrawPivotDisplay(m, state, canvas);
        DrawOverlayPrompts(m, state, canvas);
        DrawCutOffReadout(m, state, canvas);
        if (m.Display.RefPointsOn) DrawReferencePoints(m, canvas);
        DrawDynVarLines(m, canvas);
    }
    DrawHighlightPicture(state.Picture.Highlight, canvas);
}

void RenderMainWindow(Model& m, MainWindowState& state, Canvas& canvas) {
    StepMainWindow(m, state);
    DrawMainWindow(m, state, canvas);
}

}  // namespace lm
