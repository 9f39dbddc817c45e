// The valve-events table as text for the window, the clipboard and CSV files.

#pragma once

// The valve-events table as text: cells for the window, and the whole table as
// delimited text for the clipboard (tabs) and for files (commas), with the command
// line's columns and its 9 significant digits.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "workbench/ValveEvents.h"

namespace lm {

// A length to 3 decimals, a percent of stroke to 1; empty where the event does not occur.
std::string EventCellText(ValveEvent e, const std::optional<double>& value);
// Front minus rear of pair p (0..5), in the pair's units.
std::string DifferenceCellText(int pair, const std::optional<double>& value);

// A header line, then one line per row, forward graph first: graph, row, RevArmPos, the
// twelve events and the six differences. Empty fields where an event does not occur.
std::string ValveEventsDelimited(const ValveEventsTable& table, char separator);

// What the table is computed from: every dimension, the arm's centre and travel. Equal
// snapshots give equal tables, so the window recomputes only when this changes.
struct ValveEventsInputs {
    std::vector<std::uint32_t> Bits;  // compared bit for bit, so a NaN is no change
    friend bool operator==(const ValveEventsInputs&, const ValveEventsInputs&) = default;
};
ValveEventsInputs ValveEventsInputsOf(const Model& m);

}  // namespace lm
