// The pin joints, by pivot number, with the dimensions of the links that meet at each.

#include "tolerance/PinJoints.h"

#include <array>

namespace lm {

namespace {

// The lengths each link's play changes. The crank is the stroke's half; the link block's
// play in the slot moves only its own radius on the arc, so the arc's radius grows with
// both back sets, which keeps the rod pins and the centre pivot where they were. The
// eccentric sheaves' common throw is one dimension for both, so a strap's play is its
// rod's alone.
constexpr std::array<LinkLength, 1> kCrank = {{{"Stroke", 2}}};
constexpr std::array<LinkLength, 1> kMainRod = {{{"MainRodLen", 1}}};
constexpr std::array<LinkLength, 1> kValveRod = {{{"ValveConRodLen", 1}}};
constexpr std::array<LinkLength, 1> kValveStem = {{{"ValveCtrToJoint", 1}}};
constexpr std::array<LinkLength, 1> kRockerUpper = {{{"RockerUpperLen", 1}}};
constexpr std::array<LinkLength, 1> kRockerLower = {{{"RockerLowerLen", 1}}};
constexpr std::array<LinkLength, 3> kLinkSlot = {
    {{"LinkRadius", 1}, {"LinkEccPivotBackSet", 1}, {"LinkCentBackSet", 1}}};
constexpr std::array<LinkLength, 1> kLiftingLink = {{{"LiftingLinkLen", 1}}};
constexpr std::array<LinkLength, 1> kLinkCentre = {{{"LinkCentBackSet", -1}}};
constexpr std::array<LinkLength, 1> kFwdRod = {{{"EccRodFwd", 1}}};
constexpr std::array<LinkLength, 1> kRevRod = {{{"EccRodRev", 1}}};
constexpr std::array<LinkLength, 1> kPinSpan = {{{"LinkEccPivotVert", 0.5}}};
constexpr std::array<LinkLength, 1> kLiftingArm = {{{"LiftingArmLen", 1}}};
constexpr std::array<LinkLength, 1> kRevArm = {{{"RevArmLen", 1}}};

constexpr std::array<PinLink, 2> kCrankPin = {{{"crank", kCrank}, {"main rod", kMainRod}}};
constexpr std::array<PinLink, 1> kCrosshead = {{{"main rod", kMainRod}}};
constexpr std::array<PinLink, 2> kStemJoint = {{{"valve rod", kValveRod}, {"valve stem", kValveStem}}};
constexpr std::array<PinLink, 2> kRockerEnd = {{{"valve rod", kValveRod}, {"rocker upper arm", kRockerUpper}}};
constexpr std::array<PinLink, 2> kRockerPivot = {
    {{"rocker upper arm", kRockerUpper}, {"rocker lower arm", kRockerLower}}};
constexpr std::array<PinLink, 2> kLinkBlock = {{{"rocker lower arm", kRockerLower}, {"link's slot", kLinkSlot}}};
constexpr std::array<PinLink, 2> kCentrePivot = {{{"lifting link", kLiftingLink}, {"link", kLinkCentre}}};
constexpr std::array<PinLink, 2> kFwdPin = {{{"forward eccentric rod", kFwdRod}, {"link", kPinSpan}}};
constexpr std::array<PinLink, 2> kRevPin = {{{"reverse eccentric rod", kRevRod}, {"link", kPinSpan}}};
constexpr std::array<PinLink, 1> kFwdStrap = {{{"forward eccentric rod", kFwdRod}}};
constexpr std::array<PinLink, 1> kRevStrap = {{{"reverse eccentric rod", kRevRod}}};
constexpr std::array<PinLink, 2> kLiftingArmEnd = {{{"lifting arm", kLiftingArm}, {"lifting link", kLiftingLink}}};
constexpr std::array<PinLink, 2> kShaft = {{{"reverse arm", kRevArm}, {"lifting arm", kLiftingArm}}};
constexpr std::array<PinLink, 1> kArmEnd = {{{"reverse arm", kRevArm}}};

constexpr std::array<PinJoint, 14> kJoints = {{
    {CrankPin, "crank pin", kCrankPin},
    {Crosshead, "crosshead pin", kCrosshead},
    {ValveStemJoint, "valve stem joint", kStemJoint},
    {RockerUpperEnd, "rocker upper end", kRockerEnd},
    {RockerPivot, "rocker pivot", kRockerPivot},
    {LinkBlock, "link block", kLinkBlock},
    {LinkCentrePivot, "link centre pivot", kCentrePivot},
    {FwdRodPin, "forward eccentric rod pin", kFwdPin},
    {RevRodPin, "reverse eccentric rod pin", kRevPin},
    {FwdEccentric, "forward eccentric strap", kFwdStrap},
    {RevEccentric, "reverse eccentric strap", kRevStrap},
    {LiftingArmEnd, "lifting arm end", kLiftingArmEnd},
    {ReverseShaft, "reverse shaft", kShaft},
    {ReverseArmEnd, "reverse arm end", kArmEnd},
}};

}  // namespace

std::span<const PinJoint> AllPinJoints() { return kJoints; }

const PinJoint* FindPinJoint(int pivot) {
    for (const PinJoint& j : kJoints)
        if (j.Pivot == pivot) return &j;
    return nullptr;
}

std::string PinJointNumbers() {
    std::string text;
    for (const PinJoint& j : kJoints) text += (text.empty() ? "" : ", ") + std::to_string(j.Pivot);
    return text;
}

}  // namespace lm
