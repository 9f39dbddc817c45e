// The model and the recorded curves the diagram tests start from.

#pragma once

#include <string>
#include <vector>

#include "graphics/RecordingCanvas.h"
#include "kinematics/RevArmPositionSet.h"
#include "kinematics/StartUp.h"
#include "model/Model.h"

namespace lm::testing {

// The program's start-up state with the diagram position set counted, as the
// reverse-arm positions window leaves it: mid gear, normal forward, normal reverse.
inline Model StartedModel() {
    Model m;
    StartUp(m);
    ApplyRevArmRunRule(m);
    return m;
}

inline std::vector<std::string> TextsAt(const RecordingCanvas& c, ScreenPoint p) {
    std::vector<std::string> out;
    for (const RecordedOp& op : c.OfKind(CanvasOp::TextOut))
        if (op.points[0] == p) out.push_back(op.text);
    return out;
}

inline const RecordedOp* FindText(const RecordingCanvas& c, const std::string& text) {
    for (const RecordedOp& op : c.Ops())
        if (op.kind == CanvasOp::TextOut && op.text == text) return &op;
    return nullptr;
}

// The curves: every line drawn after the first legend row (column 545), which only the
// positions' sweeps draw.
inline std::vector<Segment> CurveSegments(const RecordingCanvas& c) {
    std::vector<Segment> out;
    bool sweeping = false;
    for (const RecordedOp& op : c.Ops()) {
        if (op.kind == CanvasOp::TextOut && op.points[0].x == 545) sweeping = true;
        if (sweeping && op.kind == CanvasOp::LineTo) out.push_back({op.points[0], op.points[1], op.pen, op.penWidth});
    }
    return out;
}

}  // namespace lm::testing
