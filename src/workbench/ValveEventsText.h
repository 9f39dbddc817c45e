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

// The numbers of a row as scripts read them, in their order: the twelve events, the six
// front-minus-rear differences, the eight crank angles (<Event>Crank), the over-travel
// and the full-open degrees of each end. The names are the CSV columns and JSON keys.
struct ValveEventColumn {
    std::string Name;
    std::string Unit;  // "length", "% of stroke" or "degrees"
    std::optional<double> (*Get)(const ValveEventRow& row, int index);
    int Index;
    // The decimals an exact table's value is known to: percent of stroke 3 (a sweep
    // every 0.002 degree agrees within 0.0006), crank degrees 3, lengths 5 (the
    // openings are the solver's own), full-open degrees 2.
    int Decimals;
};
const std::vector<ValveEventColumn>& ValveEventColumns();

// A cell as scripts read it: an exact table's value to its column's decimals, the
// diagram's as it computed it (9 significant digits); empty where there is none.
std::string ColumnNumber(const ValveEventColumn& c, const std::optional<double>& v, EventMethod method);

// A header line, then one line per row, forward graph first: graph, row, RevArmPos, the
// columns above and GearError (true or false). Empty fields where an event does not occur.
std::string ValveEventsDelimited(const ValveEventsTable& table, char separator);

// B minus A, row by row, in every column (empty where either is); flagged where either
// is, at B's row numbers. Rows beyond the shorter table are left out.
std::vector<ValveEventRow> ValveEventRowDifferences(const std::vector<ValveEventRow>& a,
                                                    const std::vector<ValveEventRow>& b);

// What the table is computed from: every dimension, the arm's centre and travel. Equal
// snapshots give equal tables, so the window recomputes only when this changes.
struct ValveEventsInputs {
    std::vector<std::uint32_t> Bits;  // compared bit for bit, so a NaN is no change
    friend bool operator==(const ValveEventsInputs&, const ValveEventsInputs&) = default;
};
ValveEventsInputs ValveEventsInputsOf(const Model& m);

}  // namespace lm
