// The diagram windows' actions and controls, kept out of the windows so they can be tested.

#pragma once

#include <array>

#include "model/Model.h"

namespace lm {

// What the diagram windows' menu items and buttons do to the model, and how they redraw.
// The windows call these, then clear and draw as the returned plan says. The bars'
// change, enter and end-of-scroll handlers are DynBarChanged, DynBarEntered and
// DynBarScrollEnded (model/DynamicVariables.h), shared with the main window.

struct RedrawPlan {
    bool ClearBeforeEach = true;  // clear the window before every drawing, or never
    int Drawings = 1;             // drawings in a row
};

// What a diagram window shows of its controls, from the model after a drawing.
struct DiagramControls {
    bool DynBarsVisible = false;
    std::array<bool, 5> DynBarEnabled{};  // bars 1..4; index 0 unused
    bool UndoButtonVisible = false;
    bool UndoButtonEnabled = false;
};
DiagramControls DiagramControlsFor(const Model& m);

// Bar k (1..4) can change its dimension only when slot k holds one.
bool DynBarEnabled(const Model& m, int k);

// The "&UnDo" menu item: hides the undo line (clear, draw once) or shows it (draw twice
// without clearing, so the line shows the newest entry).
RedrawPlan ToggleDiagramUndoLine(Model& m);

// The dynamic-variables menu item: inverts DynVarsShown; the main window's bars and
// panels follow the new value.
RedrawPlan ToggleDiagramDynVars(Model& m);

// The window's UnDo button: undoes the newest change, or disables every UnDo button when
// there is none. The sine, oval and port diagrams draw twice afterwards, the steam
// diagram once.
RedrawPlan DiagramUndoClicked(Model& m, int drawings);

// A mouse move over the window: true (and the flag cleared) when the reverse-arm
// positions window closed since the last drawing, so the diagram is cleared and drawn.
bool TakeDiagramRedrawPending(Model& m);

}  // namespace lm
