// The dynamic-variable queue and what the bars do to the dimensions in it.

#include "model/DynamicVariables.h"

#include <algorithm>

#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "model/UndoHistory.h"

namespace lm {

namespace {

bool IsDynBar(int bar) { return bar >= kFirstDynBar && bar <= kLastDynBar; }

DynSlot& Slot(Model& m, int k) { return m.Dyn.DynQueue[static_cast<std::size_t>(k)]; }

// The value a dynamic variable starts from. A pivot pair is read at its lower number:
// the rocker pivot at its copy 6, the reverse shaft at 16 as entered.
float DynVarSourceValue(const Model& m, const DimensionInfo& d) {
    if ((d.Where == Storage::PivotX || d.Where == Storage::PivotY) && d.TwinPivot != 0) {
        const Pivot& p = m.P(std::min(d.PivotNumber, d.TwinPivot));
        return d.Where == Storage::PivotX ? p.X : p.Y;
    }
    return GetDimension(m, d);
}

}  // namespace

void RegisterDynVar(Model& m) {
    const DynSlot& fresh = Slot(m, 0);
    for (int k = 1; k < kDynSlotCount; ++k) {
        DynSlot& s = Slot(m, k);
        if (s.DimensionNumber == fresh.DimensionNumber) {
            s.Value = fresh.Value;
            s.DynVarName = fresh.DynVarName;
            return;
        }
    }
    for (int k = kDynSlotCount - 1; k >= 1; --k) Slot(m, k) = Slot(m, k - 1);
}

void RegisterDynVar(Model& m, int dimensionNumber, float value, const std::string& name) {
    Slot(m, 0) = DynSlot{dimensionNumber, value, name};
    RegisterDynVar(m);
}

void ClearDynQueue(Model& m) {
    for (DynSlot& s : m.Dyn.DynQueue) s = DynSlot{0, 0, DynVarEmptyName};
}

void ApplyDynVar(Model& m) {
    const int k = m.Dyn.DynIndex;
    if (!IsDynBar(k)) return;
    DynSlot& s = Slot(m, k);
    const DimensionInfo* d = FindDimensionByNumber(s.DimensionNumber);
    if (d == nullptr) return;
    s.Value = DynVarSourceValue(m, *d);
    if (IsAngleDimension(*d)) m.Dyn.DynStep = static_cast<float>(m.Dyn.DynStep * 100.0L);
    s.Value = static_cast<float>(static_cast<long double>(s.Value) + m.Dyn.DynStep);
    m.Display.FrontCutOffText.clear();
    m.Display.RearCutOffText.clear();
    // Storing it as an editor would gives the angle wrap, the twin pivots and Y4.
    ApplyEditedDimension(m, *d, s.Value);
    s.Value = GetDimension(m, *d);
}

void ResetDynQueue(Model& m) {
    ClearDynQueue(m);
    m.Dyn.DynStep = 0;
    for (int k = kFirstDynBar; k <= kLastDynBar; ++k) {
        m.Dyn.DynIndex = k;
        ApplyDynVar(m);
    }
}

void DynBarChanged(Model& m, int bar, int position) {
    if (!IsDynBar(bar)) return;
    m.Dyn.DynIndex = bar;
    RelativeBarMemory& memory = m.Dyn.Bars[static_cast<std::size_t>(bar)];
    m.Dyn.DynStep = static_cast<float>(RelativeBarStep(memory, position, kDynVarBarRule));
    ApplyDynVar(m);
}

void DynBarEntered(Model& m, int bar) {
    if (!IsDynBar(bar)) return;
    DynSlot& s = Slot(m, bar);
    // A file loaded since the slot was filled leaves its value stale; undo must go back
    // to what the dimension really held.
    if (const DimensionInfo* d = FindDimensionByNumber(s.DimensionNumber))
        s.Value = DynVarSourceValue(m, *d);
    m.Dyn.DynBarEnterValue = s.Value;
}

void DynBarScrollEnded(Model& m, int bar) {
    if (!IsDynBar(bar)) return;
    const DynSlot& s = Slot(m, bar);
    // An entry naming no dimension would stop the UnDo buttons short of the older entries.
    if (s.DimensionNumber == 0) return;
    m.Undo.ButtonsEnabled = true;
    m.Dyn.DimTyped = true;
    PushUndo(m);
    m.Undo.Entries[1] = UndoEntry{s.DimensionNumber, m.Dyn.DynBarEnterValue, s.Value, s.DynVarName};
    m.Dyn.DimTyped = false;
}

}  // namespace lm
