// The named gear positions: their names and words, and moving the reverse arm to one.

#include "kinematics/GearPositions.h"

#include <array>

#include "kinematics/Guards.h"
#include "kinematics/ReverseArm.h"

namespace lm {

namespace {

struct Named {
    GearPosition Position;
    std::string_view Name;
    std::string_view Words;
};

constexpr std::array<Named, 5> kPositions = {{
    {GearPosition::Mid, "mid", "mid gear"},
    {GearPosition::Forward, "fwd", "normal forward gear"},
    {GearPosition::Reverse, "rev", "normal reverse gear"},
    {GearPosition::FullForward, "full-fwd", "full forward gear"},
    {GearPosition::FullReverse, "full-rev", "full reverse gear"},
}};

const Named& Find(GearPosition g) {
    for (const Named& n : kPositions)
        if (n.Position == g) return n;
    return kPositions.front();
}

// What the Fwd / Rev buttons and the ends of the reverse-arm bar leave, from a bar at 0.
void MoveBarTo(Model& m, int position) {
    if (position != 0) SetRevArmFromBar(m, position);
}

}  // namespace

std::optional<GearPosition> ParseGearPosition(std::string_view name) {
    for (const Named& n : kPositions)
        if (n.Name == name) return n.Position;
    return std::nullopt;
}

std::string_view GearPositionName(GearPosition g) { return Find(g).Name; }
std::string_view GearPositionWords(GearPosition g) { return Find(g).Words; }

void MoveToGearPosition(Model& m, GearPosition g) {
    GearState& s = m.Gear;
    const FrameDimensions& f = m.Frame;
    switch (g) {
        case GearPosition::Mid: s.RevArmPos = s.RevArmCenter; return;
        case GearPosition::Forward:
            s.RevArmPos = Store(static_cast<Real>(s.RevArmCenter) + f.RevArmCentNorm);
            MoveBarTo(m, NormalForwardBarPosition(m));
            return;
        case GearPosition::Reverse:
            s.RevArmPos = Store(static_cast<Real>(s.RevArmCenter) - f.RevArmCentNorm);
            MoveBarTo(m, NormalReverseBarPosition(m));
            return;
        case GearPosition::FullForward: MoveBarTo(m, RevArmBarMax(m)); return;
        case GearPosition::FullReverse: MoveBarTo(m, -RevArmBarMax(m)); return;
    }
}

char GraphFor(GearPosition g) {
    return g == GearPosition::Reverse || g == GearPosition::FullReverse ? 'R' : 'F';
}

}  // namespace lm
