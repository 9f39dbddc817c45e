// Setting the report down its pages.

#include "report/PageFlow.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>

#include "report/ReportLayout.h"

namespace lm {

namespace {

constexpr int kMargin = 48 * kReportUnitsPerPoint;
constexpr int kHeadY = 28 * kReportUnitsPerPoint;  // the head's line, from the top edge
constexpr int kHeadSize = 30;                       // 7.5 points
constexpr int kSmallestTableSize = 20;              // 5 points

// A line's height for a font size: a fifth more than the size.
int LineHeight(int size) { return size + size / 5; }

DrawPicture TextOp(ScreenPoint at, std::string text, int size, bool bold, Rgb colour) {
    return [=](Canvas& c) {
        c.SetTextBackground(false);
        c.SetFontSize(size);
        c.SetFontBold(bold);
        c.SetFontColour(colour);
        c.TextOut(at, text);
    };
}

}  // namespace

PageFlow::PageFlow(PageSize size, TextWidth width)
    : size_(size), measure_(std::move(width)), left_(kMargin),
      width_(size.width * kReportUnitsPerPoint - 2 * kMargin), top_(kMargin),
      bottom_(size.height * kReportUnitsPerPoint - kMargin), y_(kMargin) {
    pages_.emplace_back();
}

void PageFlow::NewPage() {
    pages_.emplace_back();
    y_ = top_;
}

void PageFlow::Gap(int units) { y_ += units; }

void PageFlow::Text(const std::string& text, int size, bool bold, Rgb colour, int indent) {
    const int h = LineHeight(size);
    if (Room() < h) NewPage();
    Draw(TextOp({left_ + indent, y_}, text, size, bold, colour));
    y_ += h;
}

void PageFlow::Paragraph(const std::string& text, int size, Rgb colour) {
    std::istringstream words(text);
    std::string line, word;
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && measure_(longer, size, false) > width_) {
            Text(line, size, false, colour);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) Text(line, size, false, colour);
}

void PageFlow::Table(const ReportTable& table, TableStyle style) {
    std::vector<int> columns = ColumnWidths(table, style, measure_);
    while (TableWidth(columns, style) > width_ && style.FontSize > kSmallestTableSize) {
        const int size = style.FontSize - 2;
        style.LineHeight = style.LineHeight * size / style.FontSize;
        style.ColumnGap = style.ColumnGap * size / style.FontSize;
        style.FontSize = size;
        columns = ColumnWidths(table, style, measure_);
    }
    ReportTable part = table;
    part.Rows.clear();
    std::size_t next = 0;
    do {
        // At least a few rows under the headings, or the whole table on a new page.
        const int fixed = TableHeight(part, style);
        const std::size_t wanted = std::min<std::size_t>(3, table.Rows.size() - next);
        if (Room() < fixed + static_cast<int>(wanted) * style.LineHeight) NewPage();
        const std::size_t fits = static_cast<std::size_t>(std::max(1, (Room() - fixed) / style.LineHeight));
        const std::size_t end = std::min(table.Rows.size(), next + fits);
        part.Rows.assign(table.Rows.begin() + static_cast<std::ptrdiff_t>(next),
                         table.Rows.begin() + static_cast<std::ptrdiff_t>(end));
        Draw([=, measure = measure_, at = ScreenPoint{left_, y_}](Canvas& c) {
            DrawTable(c, at, part, columns, style, measure);
        });
        y_ += TableHeight(part, style);
        next = end;
    } while (next < table.Rows.size());
}

void PageFlow::Picture(int width, int height, int maxHeight, DrawPicture draw) {
    if (width <= 0 || height <= 0) return;
    const double unitsPerPixel = std::min(double(width_) / width, double(maxHeight) / height);
    const int shownHeight = static_cast<int>(std::ceil(height * unitsPerPixel));
    if (Room() < shownHeight) NewPage();
    const double left = left_ + (width_ - width * unitsPerPixel) / 2;
    PlacedPicture placed;
    placed.left = static_cast<int>(std::lround(left / kReportUnitsPerPoint));
    placed.top = static_cast<int>(std::lround(double(y_) / kReportUnitsPerPoint));
    placed.width = width;
    placed.height = height;
    placed.scale = unitsPerPixel / kReportUnitsPerPoint;
    placed.draw = std::move(draw);
    pages_.back().pictures.push_back(std::move(placed));
    y_ += shownHeight;
}

std::vector<Page> PageFlow::Finish(const std::string& left, const std::string& foot) {
    const int count = static_cast<int>(pages_.size());
    std::vector<Page> pages;
    for (int i = 0; i < count; ++i) {
        Content& content = pages_[static_cast<std::size_t>(i)];
        const std::string number = "Page " + std::to_string(i + 1) + " of " + std::to_string(count);
        const int right = left_ + width_;
        content.text.push_back(TextOp({left_, kHeadY}, left, kHeadSize, false, colours::Grey));
        content.text.push_back(TextOp({right - measure_(number, kHeadSize, false), kHeadY}, number,
                                      kHeadSize, false, colours::Grey));
        content.text.push_back(TextOp({left_, bottom_ + kMargin - kHeadY - kHeadSize}, foot, kHeadSize,
                                      false, colours::Grey));
        Page page;
        PlacedPicture text;
        text.width = size_.width * kReportUnitsPerPoint;
        text.height = size_.height * kReportUnitsPerPoint;
        text.scale = 1.0 / kReportUnitsPerPoint;
        text.draw = [ops = std::move(content.text)](Canvas& c) {
            for (const DrawPicture& op : ops) op(c);
        };
        page.pictures.push_back(std::move(text));
        for (PlacedPicture& p : content.pictures) page.pictures.push_back(std::move(p));
        pages.push_back(std::move(page));
    }
    pages_.clear();
    pages_.emplace_back();
    y_ = top_;
    return pages;
}

}  // namespace lm
