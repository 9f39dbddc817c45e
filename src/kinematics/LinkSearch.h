// The link-height search of the linkage solver.

#pragma once

#include "model/Model.h"

namespace lm {

// The largest number of link-search rounds before the solve is abandoned.
inline constexpr int kMaxLinkSearchRounds = 1000;

// Whether rounds that are certainly slack are passed over (see LinkSearch.cpp). The
// solver always passes them over; the plain search is kept so tests can show that the
// two end bit for bit alike.
enum class SlackRounds { PassOver, Evaluate };

// Lowers the link from above until the lifting link is taut, leaving pivots 9, 10, 11
// and 14, LinkAngle, LiftLinkSpan and SolverStep as the search ends. Returns false when
// it did not settle within the round limit.
bool SearchLinkHeight(Model& m, SlackRounds slack = SlackRounds::PassOver);

}  // namespace lm
