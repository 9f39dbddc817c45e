// Undoing dimension changes, twenty deep.

#pragma once

#include "model/Model.h"

namespace lm {

// Makes room for a new entry 1 and enables the UnDo buttons, but only while DimTyped is
// set (otherwise nothing). Entries move up one place, the oldest of 20 is lost;
// UndoCount grows to at most 20. The caller then fills entry 1.
void PushUndo(Model& m);

// Undoes entry 1: its value before the change goes back into its dimension (twin pivots
// and Y4 as a dynamic variable writes them), the four dynamic-variable slots are read
// again from the dimensions, and the entry becomes entry 0. Disables the UnDo buttons
// when no entry is left.
void UndoLast(Model& m);

// Empties the history and disables the UnDo buttons.
void ClearUndo(Model& m);

// What a click on any UnDo button does (main window and diagrams alike): undo when
// entry 1 names a dimension, otherwise disable the buttons. True when it undid.
bool UndoButtonClicked(Model& m);

// The dimension a recorded change is written back to, with the same targets as the
// dynamic variables use. Unknown numbers are ignored.
void RestoreDimension(Model& m, int dimensionNumber, float value);

}  // namespace lm
