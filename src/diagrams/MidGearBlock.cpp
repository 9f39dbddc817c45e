// Lead, lap and exhaust clearance tracked over a mid-gear sweep, and the block printed
// for them; also the loop over positions the sine and oval diagrams share.

#include "common/Numbers.h"
#include "diagrams/DiagramFrame.h"

namespace lm {

bool IsMidGearPosition(const Model& m, float position) {
    const Real centre = m.Gear.RevArmCenter;
    const Real p = position;
    return centre - kMidGearTolerance < p && p < centre + kMidGearTolerance;
}

void MidGearTracker::Start(const Model& m, float position) {
    midGear_ = IsMidGearPosition(m, position);
    frontPortWide_ = m.Cyl.ValvePortWidthFront > m.Cyl.ValveCtrToRing;
    // Seeds for a sweep that tracks nothing; the first tracked angle replaces them.
    a_ = frontPortWide_ ? 1000 : 0;
    b_ = frontPortWide_ ? 0 : 1000;
    tracked_ = false;
}

void MidGearTracker::Track(const Model& m) {
    if (!midGear_) return;
    const float x4 = m.P(ValveStemJoint).X;
    // Starting from the first joint position rather than from fixed seeds keeps the
    // extremes true for a gear laid out beyond 1000 length units (or behind the axle).
    if (!tracked_) {
        a_ = b_ = x4;
        tracked_ = true;
        return;
    }
    if (frontPortWide_) {
        if (x4 < a_) a_ = x4;
        if (x4 > b_) b_ = x4;
    } else {
        if (x4 > a_) a_ = x4;
        if (x4 < b_) b_ = x4;
    }
}

MidGearBlock MidGearTracker::Block(const Model& m, int position) const {
    const ValveState& v = m.Valve;
    const Real a = a_, b = b_;
    MidGearBlock block;
    block.Position = position;
    if (frontPortWide_) {
        block.FrontLead = Store(v.FrontLeadTerm + b);
        block.RearLead = Store(v.RearLeadTerm - a);
        block.FrontLap = v.FrontLapTerm;
        block.RearLap = v.RearLapTerm;
        block.FrontExCl = v.FrontExClTerm;
        block.RearExCl = v.RearExClTerm;
    } else {
        // Laps and clearances relative to the middle of the joint's travel.
        const Real middle = Store((a + b) / 2);
        block.FrontLead = Store(v.FrontLeadTerm + a);
        block.RearLead = Store(v.RearLeadTerm - b);
        block.FrontLap = Store(v.FrontLapTerm - middle);
        block.RearLap = Store(middle + v.RearLapTerm);
        block.FrontExCl = Store(v.FrontExClTerm - middle);
        block.RearExCl = Store(middle + v.RearExClTerm);
    }
    return block;
}

void DrawMidGearBlock(Canvas& canvas, const MidGearBlock& block) {
    canvas.TextOut({595, 153}, "Lead");
    canvas.TextOut({595, 182}, "Lap");
    canvas.TextOut({595, 211}, "ExCl");
    canvas.TextOut({595, 253}, "Lap");
    canvas.TextOut({595, 282}, "Lead");
    const auto value = [&](int row, float v) { canvas.TextOut({592, row}, FormatFixed(v, 6, 3)); };
    value(166, block.FrontLead);
    value(295, block.RearLead);
    value(195, block.FrontLap);
    value(266, block.RearLap);
    value(224, block.FrontExCl);
    value(237, block.RearExCl);
}

void FinishMidGearBlock(const Model& m, Canvas& canvas, const MidGearTracker& tracker, int position,
                        SineOvalReport* report) {
    if (!tracker.IsMidGear()) return;
    const MidGearBlock block = tracker.Block(m, position);
    DrawMidGearBlock(canvas, block);
    if (report != nullptr) report->Blocks.push_back(block);
}

void DrawEachPosition(Model& m, Canvas& canvas, SineOvalReport* report,
                      const std::function<void(int position, MidGearTracker& tracker)>& drawCurve) {
    const int count = DiagramPositionCount(m);
    for (int i = 1; i <= count; ++i) {
        const float position = m.Gear.RevArmPositions[static_cast<std::size_t>(i)];
        m.Gear.RevArmPos = position;
        DrawLegendRow(m, canvas, i, position);
        MidGearTracker tracker;
        tracker.Start(m, position);
        drawCurve(i, tracker);
        FinishMidGearBlock(m, canvas, tracker, i, report);
    }
}

}  // namespace lm
