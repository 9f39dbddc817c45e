// The gear report laid out on pages of a given size.

#pragma once

#include <memory>
#include <vector>

#include "graphics/Pages.h"
#include "report/GearReport.h"

namespace lm {

// The page's own text is laid out in quarter points, so rules can be hairlines and text
// sizes and places finer than a point.
inline constexpr int kReportUnitsPerPoint = 4;

// The report's pages: the set, mid gear and the gear's picture; the dimensions; the
// valve events of each direction; the four diagrams, two to a page. Texts are measured
// with `width`, in report units. The pictures draw from the report when the pages are
// drawn, each on its own copy of the gear, so the pages may be drawn any number of times.
std::vector<Page> LayOutReport(std::shared_ptr<const GearReport> report, PageSize size,
                               const TextWidth& width);

}  // namespace lm
