// A canvas that draws nothing, for the numbers a picture computes on the way.

#pragma once

#include "graphics/Canvas.h"

namespace lm {

// Draws nothing: for running a picture's code only for the numbers it computes.
class NullCanvas : public Canvas {
public:
    void Clear(Rgb) override {}
    void SetPenColour(Rgb) override {}
    void SetPenWidth(int) override {}
    void SetHollowBrush() override {}
    void MoveTo(ScreenPoint) override {}
    void LineTo(ScreenPoint) override {}
    void Polyline(std::span<const ScreenPoint>) override {}
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, ScreenPoint, ScreenPoint) override {}
    void SetPixel(ScreenPoint, Rgb) override {}
    void TextOut(ScreenPoint, std::string_view) override {}
    void SetTextBackground(bool, Rgb) override {}
    void SetFontColour(Rgb) override {}
    void SetFontBold(bool) override {}
    void SetFontSize(int) override {}
};

}  // namespace lm
