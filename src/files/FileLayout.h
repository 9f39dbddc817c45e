// The table-driven layout that maps a dimension file's slots to the model's fields.

#pragma once

#include <span>
#include <vector>

#include "files/RecordFile.h"
#include "model/Model.h"

namespace lm {

// One slot of a file layout: where in the model its value lives. The same table reads
// and writes, so the two directions cannot drift apart.
using FieldRef = float& (*)(Model&);

// Applies the slots in file order, so where a field occurs twice the later one stays.
inline void ApplyRecords(Model& m, const std::vector<Record>& records, std::span<const FieldRef> layout) {
    for (std::size_t i = 0; i < layout.size(); ++i) layout[i](m) = records[i / 5][i % 5];
}

inline void CollectRecords(Model& m, std::vector<Record>& records, std::span<const FieldRef> layout) {
    for (std::size_t i = 0; i < layout.size(); ++i) records[i / 5][i % 5] = layout[i](m);
}

}  // namespace lm
