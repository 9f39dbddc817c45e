#include "mainwindow/RenderHooks.h"

#include "mainwindow/OverlayPen.h"

namespace lm {

void DrawOverlayEntries(Model& m, MainWindowState&, Canvas& canvas) {
    for (int k = 1; k <= kOverlayEntryCount; ++k)
        canvas.SetPenColor(OverlayPenColour(m.Lines.Entries[static_cast<std::size_t>(k)].Color));
}

void DrawPivotDisplay(Model&, MainWindowState&, Canvas&) {}

void DrawOverlayPrompts(Model&, MainWindowState&, Canvas&) {}

}  // namespace lm
