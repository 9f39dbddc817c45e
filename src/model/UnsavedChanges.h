#pragma once

// Whether the dimension set (dimensions, diagram positions, overlay entries) has changed
// since it was last opened or saved, so that closing or opening another set can ask first.

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

}  // namespace lm
