// Text, tables and pictures set one after another down pages, a new page when full.

#pragma once

#include <string>
#include <vector>

#include "graphics/Pages.h"
#include "report/ReportTable.h"

namespace lm {

// Lays out in report units (kReportUnitsPerPoint to the point); the pages it gives draw
// their text through one full-page picture at the matching scale.
class PageFlow {
public:
    PageFlow(PageSize size, TextWidth width);

    int Width() const { return width_; }
    // What is left of the current page below the last thing set.
    int Room() const { return bottom_ - y_; }
    void NewPage();
    void Gap(int units);

    // One line at the left margin (plus `indent`).
    void Text(const std::string& text, int size, bool bold, Rgb colour = colours::Black, int indent = 0);
    // Words wrapped to the width.
    void Paragraph(const std::string& text, int size, Rgb colour = colours::Black);
    // Rows that do not fit go on to the next page under the headings again; a table wider
    // than the page is set in a smaller font.
    void Table(const ReportTable& table, TableStyle style);
    // A picture of width x height pixels, as wide as the page allows but no taller than
    // `maxHeight` units, centred; on a new page if it does not fit.
    void Picture(int width, int height, int maxHeight, DrawPicture draw);

    // The pages, each with `left` and "Page n of N" at its head and `foot` at its foot.
    std::vector<Page> Finish(const std::string& left, const std::string& foot);

private:
    struct Content {
        std::vector<DrawPicture> text;
        std::vector<PlacedPicture> pictures;
    };
    void Draw(DrawPicture op) { pages_.back().text.push_back(std::move(op)); }

    PageSize size_;
    TextWidth measure_;
    int left_, width_, top_, bottom_;
    int y_;
    std::vector<Content> pages_;
};

}  // namespace lm
