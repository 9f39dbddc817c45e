// Importing the older program's dimension file (.lmp).

#pragma once

#include <string>

#include "files/DimensionFile.h"

namespace lm {

inline constexpr int kOlderFormatRecords = 13;

// Imports the dimensions of the older program's file (.lmp), then finds mid gear. The
// overlay, view presets and diagram positions are left as they are.
FileResult ImportOlderFormatFile(Model& m, const std::string& path);

}  // namespace lm
