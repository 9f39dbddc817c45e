// An overlay entry's colour word as a pen colour.

#include "overlay/OverlayPen.h"

#include "common/Numbers.h"

namespace lm {

Rgb OverlayPenColour(float colour) {
    const std::int32_t word = RoundToInt(colour);
    if (word < 0) return colours::Black;
    return {static_cast<std::uint8_t>(word & 0xFF), static_cast<std::uint8_t>((word >> 8) & 0xFF),
            static_cast<std::uint8_t>((word >> 16) & 0xFF)};
}

}  // namespace lm
