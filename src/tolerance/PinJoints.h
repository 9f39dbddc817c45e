// The gear's pin joints and the links whose lengths a worn pin changes.

#pragma once

// A pin's play lets the links that meet there sit a little nearer or farther apart: each
// link's effective length changes, within plus or minus half the clearance, each on its
// own. Which dimensions carry those lengths follows the solver's chain of links.

#include <span>
#include <string>
#include <string_view>

#include "model/DimensionTable.h"

namespace lm {

// A dimension the link's effective length moves, and by how much per unit of change
// (a half-length counts half, a length measured inwards counts negative).
struct LinkLength {
    std::string_view CodeName;
    double Factor = 1;
};

struct PinLink {
    std::string_view Name;  // "main rod", "link's slot", ...
    std::span<const LinkLength> Lengths;
};

struct PinJoint {
    int Pivot = 0;
    std::string_view Name;  // "crank pin", ...
    std::span<const PinLink> Links;
};

std::span<const PinJoint> AllPinJoints();

// Null for a pivot that is not a pin joint of the gear.
const PinJoint* FindPinJoint(int pivot);

// "2, 3, 4, ..." for messages.
std::string PinJointNumbers();

}  // namespace lm
