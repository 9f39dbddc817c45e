// Where a goal or a constraint of the fit looks: one reverser setting, or every row of
// the valve-events table between two settings.

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "kinematics/GearPositions.h"
#include "model/Model.h"

namespace lm {

struct GearSpan {
    GearPosition From = GearPosition::Mid;
    GearPosition To = GearPosition::Mid;
    bool Range = false;  // written A..B: the table's rows, not the setting itself
};

// "fwd" or "fwd..full-fwd"; a range runs along the reverser, full-rev, rev, mid, fwd,
// full-fwd. Empty when read, else what is wrong.
std::string ParseGearSpan(std::string_view text, GearSpan& out);
std::string GearSpanText(const GearSpan& s);
// "normal forward gear", "the rows from normal forward gear to full forward gear".
std::string GearSpanWords(const GearSpan& s);

// A row the span reads: a table row (Row 0..18) or the setting itself (Row -1).
struct SpanRow {
    char Graph = 'F';
    float RevArmPos = 0;
    int Row = -1;
};

// In the gear as it stands (mid gear found): a setting's own arm position, or the rows
// of the table (both graphs where the range runs through mid gear) whose arm lies from
// one setting to the other. A range may hold no row at all.
std::vector<SpanRow> SpanRows(const Model& m, const GearSpan& s);

// Whether a row of the table at this arm position is one the span reads.
bool SpanHolds(const std::vector<SpanRow>& rows, char graph, float revArmPos);

}  // namespace lm
