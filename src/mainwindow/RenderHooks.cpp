#include "mainwindow/RenderHooks.h"

#include "mainwindow/OverlayPen.h"

namespace lm {

void DrawSteamDisplay(Model&, MainWindowState&, Canvas&) {}

void UpdateWindowTitles(Model&, MainWindowState&) {}

void DrawOverlayEntries(Model& m, MainWindowState&, Canvas& canvas) {
    for (int k = 1; k <= kOverlayEntryCount; ++k)
        canvas.SetPenColor(OverlayPenColour(m.Lines.Entries[static_cast<std::size_t>(k)].Color));
}

void DrawUndoLine(Model&, MainWindowState&, Canvas&) {}

void DrawReadouts(Model&, MainWindowState&, Canvas&) {}

void DrawErrorIndicator(Model&, MainWindowState&, Canvas&) {}

void DrawPivotDisplay(Model&, MainWindowState&, Canvas&) {}

void DrawOverlayPrompts(Model&, MainWindowState&, Canvas&) {}

void DrawCutOffReadout(Model&, MainWindowState&, Canvas&) {}

void DrawDynVarLines(Model&, MainWindowState&, Canvas&) {}

void DrawDimensionHighlight(Model&, MainWindowState&, Canvas&) {}

}  // namespace lm
