// The diagram windows' menu and button actions on the model, and the controls they show.

#include "diagrams/DiagramActions.h"

#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"

namespace lm {

bool DynBarEnabled(const Model& m, int k) {
    if (k < kFirstDynBar || k > kLastDynBar) return false;
    return DynSlotUsed(m.Dyn.DynQueue[static_cast<std::size_t>(k)]);
}

DiagramControls DiagramControlsFor(const Model& m) {
    DiagramControls c;
    c.DynBarsVisible = m.Display.DynVarsShown;
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k) c.DynBarEnabled[static_cast<std::size_t>(k)] = DynBarEnabled(m, k);
    c.UndoButtonVisible = m.Display.UndoLineShown;
    c.UndoButtonEnabled = m.Undo.ButtonsEnabled;
    return c;
}

RedrawPlan ToggleDiagramUndoLine(Model& m) {
    m.Display.UndoLineShown = !m.Display.UndoLineShown;
    // Shown again, the first drawing puts up the old line and the second the newest.
    return m.Display.UndoLineShown ? RedrawPlan{false, 2} : RedrawPlan{true, 1};
}

RedrawPlan ToggleDiagramDynVars(Model& m) {
    m.Display.DynVarsShown = !m.Display.DynVarsShown;
    return RedrawPlan{true, 1};
}

RedrawPlan DiagramUndoClicked(Model& m, int drawings) {
    UndoButtonClicked(m);
    return RedrawPlan{true, drawings < 1 ? 1 : drawings};
}

bool TakeDiagramRedrawPending(Model& m) {
    const bool pending = m.DiagramWindows.DiagramRedrawPending;
    m.DiagramWindows.DiagramRedrawPending = false;
    return pending;
}

}  // namespace lm
