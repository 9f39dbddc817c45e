// Stored pivot numbers and the nearest-pivot search.

#pragma once

// Pivot numbers kept as reals (tracked rows, overlay entries) and the nearest-pivot
// search behind every pivot pick.

#include <optional>

#include "model/Model.h"

namespace lm {

// The pivot-table slot a stored pivot number names, or nothing when it names none (a
// damaged or foreign file): such a number is kept and shown but never indexes the table.
std::optional<int> PivotSlot(float number);

// Which pivots a search may answer with.
enum class PivotSearch {
    Display,  // 1..23 less the reference points 19 and 20
    Overlay,  // 1..26 less 19 and 20
};

// The eligible pivot with the smallest city-block distance |dY| + |dX| from (x, y); a
// tie goes to the lower number. No pivot nearer than 10000 (or a point that is not a
// number) answers `fallback`, the caller's previous answer.
int NearestPivot(const Model& m, PivotSearch range, float x, float y, int fallback);

}  // namespace lm
