// Opening and saving the dimension data file (.lmd) and the set name it gives the title.

#pragma once

#include <string>
#include <string_view>

#include "model/Model.h"

namespace lm {

// Outcome of a file command: empty error means it worked. A refused file leaves the model
// exactly as it was.
struct FileResult {
    std::string error;
    bool ok() const { return error.empty(); }
};

inline constexpr int kDimensionFileRecords = 71;
inline constexpr int kOlderDimensionFileRecords = 18;

// Opens a dimension data file (.lmd): dimensions, view, presets, diagram settings and,
// in a full file, the overlay; then finds mid gear. The reverse-arm bar is the caller's.
FileResult OpenDimensionFile(Model& m, const std::string& path);

// Saves the working set as a dimension data file; DataSetName follows only on success.
// A set holding a non-finite value is not written, since it could not be opened again.
FileResult SaveDimensionFile(Model& m, const std::string& path);

// The set's name as the title shows it: the last path component less its extension.
std::string DataSetNameFromPath(std::string_view path);

}  // namespace lm
