// Lead, lap and exhaust clearance at mid gear, as the sine diagram prints them.

#include "diagrams/Diagrams.h"
#include "graphics/NullCanvas.h"

namespace lm {

std::optional<MidGearBlock> MidGearLeadAndLap(const Model& m) {
    Model copy = m;
    copy.Gear.RevArmPositions.fill(0);
    copy.Gear.RevArmPositions[1] = copy.Gear.RevArmCenter;
    copy.Gear.RevArmPosCount = 1;
    SineOvalReport report;
    NullCanvas canvas;
    DrawSineDiagram(copy, canvas, &report);
    if (report.Blocks.empty()) return std::nullopt;
    return report.Blocks.back();
}

}  // namespace lm
