// The dynamic variables: the last dimensions edited, changed live by four bars.

#pragma once

#include "model/Model.h"

namespace lm {

// The dynamic-variable bars: bar k (1..4) changes the dimension in queue slot k. The
// main window's bar k and every diagram's bar k are one bar to the model: they share
// the remembered positions and the value remembered on entry.
inline constexpr int kFirstDynBar = 1;
inline constexpr int kLastDynBar = 4;
inline constexpr int kDynBarMin = -200;
inline constexpr int kDynBarMax = 200;
inline constexpr int kDynBarSmallChange = 1;
inline constexpr int kDynBarLargeChange = kDynVarBarRule.LargeChange;

// A slot holds a dimension unless it shows the empty name (or, in a model never started,
// none at all). Its bar is enabled only then.
inline bool DynSlotUsed(const DynSlot& slot) { return !slot.DynVarName.empty() && slot.DynVarName != DynVarEmptyName; }

// Makes the dimension in slot 0 the newest dynamic variable: a slot 1..4 that already
// holds its number takes the new value and name in place; otherwise slots 1..4 move
// down one place (the old slot 4 is lost) and slot 1 takes slot 0.
void RegisterDynVar(Model& m);
// Fills slot 0 and registers it.
void RegisterDynVar(Model& m, int dimensionNumber, float value, const std::string& name);

// Empties slots 0..4.
void ClearDynQueue(Model& m);

// Adds DynStep to the dimension of slot DynIndex (1..4) and writes it back with its side
// effects: the eccentric angles step 100 times as far (DynStep itself is scaled) and
// wrap into 0 <= a < 360, twin pivots follow, Y4 follows Y3 and the valve height.
// Clears the cut-off texts. An empty slot or an unknown number changes nothing.
void ApplyDynVar(Model& m);

// What the resets do to the queue: empty it, then DynStep = 0 and ApplyDynVar for
// slots 1..4 (which leaves the dimensions alone).
void ResetDynQueue(Model& m);

// The change handler of bar k at position P (the bar's own position, -200..200). The
// window calls it for every change the bar reports and then sets the bar back to 0,
// which calls it once more with P = 0: that call adds nothing and only moves the
// remembered positions on, so it must not be skipped. Bars outside 1..4 are ignored.
void DynBarChanged(Model& m, int bar, int position);

// The focus handler of bar k: remembers the dimension's value before the user's change.
void DynBarEntered(Model& m, int bar);

// The end-of-scroll event of bar k (the window ignores the other scroll events): records
// the change since DynBarEntered as one undo entry. The window then moves the focus
// away from the bar (the main window to SBRevArm, a diagram to its Close button) so the
// next use of the bar runs DynBarEntered again.
void DynBarScrollEnded(Model& m, int bar);

}  // namespace lm
