// The piston's place and the valve's port edges and openings for a solved gear.

#pragma once

#include "model/Model.h"

namespace lm {

// Port edges, valve displacement and the lead/lap/exhaust-clearance terms, from the
// solved valve stem joint. The last step of every complete SolveLinkage.
void ComputePortEdges(Model& m);

// PistonPos on the 0..640 scale and the four port openings for the current angle.
void SolvePistonAndPorts(Model& m);

}  // namespace lm
