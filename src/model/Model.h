// The gear model every part of the program works on: the document (what the data file
// keeps) and the session (what the program works out and remembers while it runs).

#pragma once

#include "model/Document.h"
#include "model/Session.h"

namespace lm {

// The one gear model. Zero-filled when made; SetStartupDefaults and the start-up order
// (StartUp) give it its first values. Its two halves are bases, so every part names a
// field the same way (m.Frame, m.Gear) whichever half holds it.
struct Model : Document, Session {};

}  // namespace lm
