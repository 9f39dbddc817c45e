// What a tick works out for its picture before anything is drawn.

#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "graphics/Canvas.h"
#include "model/Document.h"

namespace lm {

// One piece of the dimension highlight's marked line: a polyline in one pen colour.
struct HighlightStroke {
    std::vector<ScreenPoint> Points;
    Rgb Colour;
};

// What one highlighted tick draws.
struct HighlightPicture {
    bool Shown = false;
    std::vector<HighlightStroke> Strokes;
    std::string_view Label;
    ScreenPoint LabelAt;
    int LabelFontPixels = 14;
};

// Everything of a tick's own that its picture shows, worked out by the tick's steps. The
// drawing reads this, the model and the window state and changes none of them, so the
// same picture can be drawn again, larger or whole, until the next tick.
struct TickPicture {
    // The view the tick mapped the pivots with; a highlight sets the next tick's view
    // before this tick is drawn.
    ViewState View;
    // The steam display's dots, placed by random numbers from this seed.
    std::uint32_t SteamSeed = 1;
    Rgb FrontSteamColour = colours::Black;
    Rgb RearSteamColour = colours::Black;
    // Whether each end's cut-off value is held on screen this tick.
    bool FrontCutOffShown = false;
    bool RearCutOffShown = false;
    HighlightPicture Highlight;
};

}  // namespace lm
