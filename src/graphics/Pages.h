// Pages made of pictures: what a printer or a PDF is given.

#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "graphics/Canvas.h"

namespace lm {

// A page's size in points (1/72 inch), portrait.
struct PageSize {
    int width = 0, height = 0;
    friend bool operator==(PageSize, PageSize) = default;
};
inline constexpr PageSize kA4Page{595, 842};
inline constexpr PageSize kLetterPage{612, 792};

// A picture drawn into a box of the page: `width` x `height` of its own pixels, scaled
// by `scale` points per pixel, its top-left corner at (left, top) points, nothing drawn
// outside the box. The page's own text is one more, at scale 1 over the whole page.
struct PlacedPicture {
    int left = 0, top = 0;
    int width = 0, height = 0;
    double scale = 1;
    DrawPicture draw;
};

struct Page {
    std::vector<PlacedPicture> pictures;
};

// The width of a text in the canvas's font of that size (pixels, or points on a page),
// so a layout can align and fit text without knowing the font.
using TextWidth = std::function<int(std::string_view text, int pixels, bool bold)>;

}  // namespace lm
