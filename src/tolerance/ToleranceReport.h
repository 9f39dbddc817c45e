// A tolerance study's results as the text scripts read: JSON, or CSV rows.

#pragma once

#include <string>

#include "tolerance/StudyPlan.h"
#include "tolerance/ToleranceStatistics.h"

namespace lm {

// Percent of stroke to three decimals, lengths to five, shares to four: finer than the
// events' own accuracy would claim more than the samples know.
std::string StudyValueText(int event, double value);
std::string ShareText(double share);

// {"samples", "seed", "results": [{"setting", "reverser", "event", "unit", "nominal",
// "p1", "p50", "p99", "worst", "unassembled", "absent", "explained", "shares": [...]}]}
std::string ToleranceJson(const StudyPlan& plan, const ToleranceSummary& summary);

// One row per setting and event; the shares in one column per source, in study order.
std::string ToleranceCsv(const StudyPlan& plan, const ToleranceSummary& summary);

}  // namespace lm
