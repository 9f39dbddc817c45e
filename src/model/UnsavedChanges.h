// Knowing when the dimension set has unsaved changes, and asking about them.

#pragma once

// Whether the dimension set (dimensions, diagram positions, overlay entries) has changed
// since it was last opened or saved, so that closing or opening another set can ask first.

#include <functional>
#include <vector>

#include "model/Model.h"

namespace lm {

// Everything the set consists of, as a flat list of singles. Compared bit for bit, so no
// path that changes a dimension (editor, bar, undo, reset, import, a diagram) can forget
// to count: what differs from the baseline is a change, whoever made it.
std::vector<float> DimensionSetSnapshot(const Model& m);

// The current set becomes the baseline: after start-up, a successful open, import or save.
void MarkDimensionSetSaved(Model& m);

// True when the set differs from the baseline, or no baseline was ever taken.
bool DimensionSetChanged(const Model& m);

enum class UnsavedAnswer { Save, Discard, Cancel };

// Before anything that would drop the set (exit, closing the main window, opening another
// set): true when it may go ahead. Unchanged: at once, without asking. Otherwise `ask`
// gives the user's answer; Save runs `save` (true when it worked) and a failed save asks
// again, so the set is never dropped unsaved by accident; Cancel keeps everything.
bool MayDropDimensionSet(const Model& m, const std::function<UnsavedAnswer()>& ask,
                         const std::function<bool()>& save);

}  // namespace lm
