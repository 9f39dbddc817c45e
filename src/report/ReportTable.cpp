// Tables of the report, measured with the font they are drawn in.

#include "report/ReportTable.h"

#include <algorithm>

namespace lm {

namespace {

// The room above and below each rule.
int RuleRoom(const TableStyle& style) { return style.LineHeight / 4; }

void Line(Canvas& canvas, const std::vector<std::string>& cells, int x, int y,
          const std::vector<int>& columns, const ReportTable& table, const TableStyle& style,
          bool bold, const TextWidth& width) {
    for (std::size_t c = 0; c < cells.size() && c < columns.size(); ++c) {
        const std::string& text = cells[c];
        const bool right = c < table.RightAligned.size() && table.RightAligned[c];
        const int left = right ? x + columns[c] - width(text, style.FontSize, bold) : x;
        if (!text.empty()) canvas.TextOut({left, y}, text);
        x += columns[c] + style.ColumnGap;
    }
}

}  // namespace

std::vector<int> ColumnWidths(const ReportTable& table, const TableStyle& style, const TextWidth& width) {
    std::vector<int> columns;
    const auto widen = [&](const std::vector<std::string>& cells, bool bold) {
        if (columns.size() < cells.size()) columns.resize(cells.size(), 0);
        for (std::size_t c = 0; c < cells.size(); ++c)
            columns[c] = std::max(columns[c], width(cells[c], style.FontSize, bold));
    };
    for (const auto& line : table.Headings) widen(line, true);
    for (const auto& row : table.Rows) widen(row, false);
    return columns;
}

int TableWidth(const std::vector<int>& columns, const TableStyle& style) {
    int w = 0;
    for (int c : columns) w += c;
    return w + style.ColumnGap * std::max(0, static_cast<int>(columns.size()) - 1);
}

int TableHeight(const ReportTable& table, const TableStyle& style) {
    const int lines = static_cast<int>(table.Headings.size() + table.Rows.size());
    return lines * style.LineHeight + 4 * RuleRoom(style);
}

void DrawTable(Canvas& canvas, ScreenPoint at, const ReportTable& table, const std::vector<int>& columns,
               const TableStyle& style, const TextWidth& width) {
    const int right = at.x + TableWidth(columns, style);
    canvas.SetTextBackground(false);
    canvas.SetFontColour(colours::Black);
    canvas.SetPenColour(colours::Black);
    canvas.SetPenWidth(1);
    canvas.SetFontSize(style.FontSize);
    int y = at.y;
    canvas.SetFontBold(true);
    for (const auto& line : table.Headings) {
        Line(canvas, line, at.x, y, columns, table, style, true, width);
        y += style.LineHeight;
    }
    y += RuleRoom(style);
    canvas.Line({at.x, y}, {right, y});
    y += RuleRoom(style);
    canvas.SetFontBold(false);
    for (const auto& row : table.Rows) {
        Line(canvas, row, at.x, y, columns, table, style, false, width);
        y += style.LineHeight;
    }
    y += RuleRoom(style);
    canvas.Line({at.x, y}, {right, y});
}

}  // namespace lm
