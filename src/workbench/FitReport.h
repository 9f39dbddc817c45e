// What a fit did where it was not asked to look.

#pragma once

#include <optional>
#include <string>

#include "model/Model.h"
#include "workbench/FitProblem.h"
#include "workbench/ValveEvents.h"

namespace lm {

struct UnaskedChange {
    char Graph = 'F';
    int Row = 0;
    std::string Column;  // a valve-events column name
    double Change = 0;   // after minus before, in the column's own unit
};

// The largest change between the tables before and after a fit in any percent-of-stroke
// or length column (lengths weighed as percent of stroke), leaving out the cells the
// goals and constraints name: their events (and a goal's difference) in the rows they
// read. Empty when
// nothing changed or nothing could be compared.
std::optional<UnaskedChange> LargestUnaskedChange(const Model& m, const FitProblem& p, const ValveEventsTable& before,
                                                  const ValveEventsTable& after);

}  // namespace lm
