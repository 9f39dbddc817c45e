// The undo history of typed and dynamic-variable changes.

#include "model/UndoHistory.h"

#include <algorithm>

#include "model/Defaults.h"
#include "model/DimensionTable.h"
#include "model/DynamicVariables.h"

namespace lm {

namespace {

UndoEntry& Entry(Model& m, int i) { return m.Undo.Entries[static_cast<std::size_t>(i)]; }

bool MovesValveStem(const DimensionInfo& d) {
    return d.CodeName == "CylCLAboveDriver" || d.CodeName == "ValveCLToCylCL";
}

}  // namespace

void PushUndo(Model& m) {
    if (!m.Dyn.DimTyped) return;
    m.Undo.ButtonsEnabled = true;
    for (int i = kUndoDepth - 1; i >= 0; --i) Entry(m, i + 1) = Entry(m, i);
    m.Undo.UndoCount = std::min(m.Undo.UndoCount + 1, kUndoDepth);
}

void RestoreDimension(Model& m, int dimensionNumber, float value) {
    const DimensionInfo* d = FindDimensionByNumber(dimensionNumber);
    if (d == nullptr) return;
    // The recorded value goes back as it was: no angle wrap, no centring limits.
    StoreDimension(m, *d, value);
    if (MovesValveStem(*d)) UpdateValveStemHeight(m);
}

void UndoLast(Model& m) {
    for (int i = 1; i <= kUndoDepth; ++i) Entry(m, i - 1) = Entry(m, i);
    const UndoEntry& undone = Entry(m, 0);
    RestoreDimension(m, undone.DimensionNumber, undone.Before);
    // Read the slots' values again: a step there and back leaves each dimension where it is
    // (up to single-precision rounding) and puts its value into the slot.
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k) {
        m.Dyn.DynIndex = k;
        m.Dyn.DynStep = 1;
        ApplyDynVar(m);
        m.Dyn.DynStep = -1;
        ApplyDynVar(m);
    }
    Entry(m, kUndoDepth) = UndoEntry{};
    if (Entry(m, 1).DimensionNumber == 0) m.Undo.ButtonsEnabled = false;
    m.Undo.UndoCount = std::max(m.Undo.UndoCount - 1, 0);
}

void ClearUndo(Model& m) {
    for (UndoEntry& e : m.Undo.Entries) e = UndoEntry{};
    m.Undo.UndoCount = 0;
    m.Undo.ButtonsEnabled = false;
}

bool UndoButtonClicked(Model& m) {
    if (Entry(m, 1).DimensionNumber > 0) {
        UndoLast(m);
        return true;
    }
    m.Undo.ButtonsEnabled = false;
    return false;
}

}  // namespace lm
