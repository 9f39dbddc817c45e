// Mid gear and normal or full gear each way, by name.

#pragma once

// The five named reverser settings (mid gear, normal and full gear each way), as the
// Cen/Fwd/Rev buttons and the ends of the reverse-arm bar leave the arm.

#include <optional>
#include <string_view>

#include "model/Model.h"

namespace lm {

enum class GearPosition { Mid, Forward, Reverse, FullForward, FullReverse };

// "mid", "fwd", "rev", "full-fwd", "full-rev".
std::optional<GearPosition> ParseGearPosition(std::string_view name);
std::string_view GearPositionName(GearPosition g);
// "mid gear", "normal forward gear", ... for messages.
std::string_view GearPositionWords(GearPosition g);

// Puts the arm there from the current mid gear.
void MoveToGearPosition(Model& m, GearPosition g);

// The port diagram's graph that runs through the position: 'R' for reverse gear, 'F'
// otherwise (mid gear turning forwards).
char GraphFor(GearPosition g);

}  // namespace lm
