// A table of text drawn on a page: measured columns, headings, rules.

#pragma once

#include <string>
#include <vector>

#include "graphics/Canvas.h"
#include "graphics/Pages.h"

namespace lm {

struct ReportTable {
    // One or more heading lines, each with a cell per column (empty cells allowed).
    std::vector<std::vector<std::string>> Headings;
    std::vector<std::vector<std::string>> Rows;
    std::vector<bool> RightAligned;  // per column; numbers line up on their right edges
};

// How a table is set: font size and the room around each cell, in page units.
struct TableStyle {
    int FontSize = 0;
    int LineHeight = 0;
    int ColumnGap = 0;
};

// The widest text of each column, headings included.
std::vector<int> ColumnWidths(const ReportTable& table, const TableStyle& style, const TextWidth& width);
int TableWidth(const std::vector<int>& columns, const TableStyle& style);
int TableHeight(const ReportTable& table, const TableStyle& style);

// Draws the table with its top-left corner at `at`: the headings in bold over a rule,
// the rows, a rule at the foot.
void DrawTable(Canvas& canvas, ScreenPoint at, const ReportTable& table, const std::vector<int>& columns,
               const TableStyle& style, const TextWidth& width);

}  // namespace lm
