// Putting a fresh model into the state the program starts in.

#pragma once

#include "model/Model.h"

namespace lm {

// The desktop program's start-up order, mid gear included. The command line and the
// tests start from exactly this state.
void StartUp(Model& m);

}  // namespace lm
