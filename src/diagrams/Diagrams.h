// The four valve diagrams (sine, oval, steam, port) and the numbers they report.

#pragma once

#include <array>
#include <optional>
#include <vector>

#include "graphics/Canvas.h"
#include "model/Model.h"

namespace lm {

// The four valve diagrams, each drawn whole onto a canvas that the caller has cleared.
// Each sweeps the gear on its own copy of the model, so a drawing changes nothing but the
// canvas; what a window's drawing moves on is done before it (StepValveDiagram,
// StepPortDiagram). Each returns whether the gear could not be assembled somewhere in its
// sweep (GearError, raised only while errors are announced), for the caller to raise.
// What a diagram prints can also be collected in its report, so the command line's
// numbers are the diagrams' numbers.

inline constexpr int kDiagramWidth = 632;
inline constexpr int kSineDiagramHeight = 414;
inline constexpr int kOvalDiagramHeight = 426;
inline constexpr int kSteamDiagramHeight = 414;
inline constexpr int kPortDiagramHeight = 414;

// The lead, lap and exhaust-clearance block printed for a mid-gear position.
struct MidGearBlock {
    int Position = 0;  // 1..RevArmPosCount
    float FrontLead = 0, RearLead = 0;
    float FrontLap = 0, RearLap = 0;
    float FrontExCl = 0, RearExCl = 0;
};

struct SineOvalReport {
    std::vector<MidGearBlock> Blocks;  // one per mid-gear position, in drawing order
};

bool DrawSineDiagram(const Model& m, Canvas& canvas, SineOvalReport* report = nullptr);

// The sine diagram's block for the one position RevArmCenter, worked out on a copy: the
// lead, lap and exhaust clearance of both ends at mid gear. Empty when the sweep gives
// no block.
std::optional<MidGearBlock> MidGearLeadAndLap(const Model& m);
bool DrawOvalDiagram(const Model& m, Canvas& canvas, SineOvalReport* report = nullptr);

// The last cut-off each end shows for a position, as percent of stroke.
struct SteamPositionReport {
    int Position = 0;
    float RevArmPos = 0;
    std::optional<float> FrontCutOff;
    std::optional<float> RearCutOff;
};

bool DrawSteamDiagram(const Model& m, Canvas& canvas, std::vector<SteamPositionReport>* report = nullptr);

// The eight valve events in the order they are tested at each step.
enum PortEvent : int {
    FrontSteamOpens,
    FrontExhaustOpens,
    RearSteamOpens,
    RearExhaustOpens,
    FrontSteamCloses,
    FrontExhaustCloses,
    RearSteamCloses,
    RearExhaustCloses,
    kPortEventCount
};

// One of the nineteen rows: every crossing t* (piston travel 0..640) of each event, in
// the order found.
struct PortRowReport {
    int Row = 0;
    float RevArmPos = 0;
    std::array<std::vector<float>, kPortEventCount> Crossings;
};

// graph: 'F' forward or 'R' reverse. The cycle annotation is drawn when cycleLabels is on.
bool DrawPortDiagram(const Model& m, Canvas& canvas, char graph, bool cycleLabels,
                     std::vector<PortRowReport>* report = nullptr);

// Before a window draws a diagram: the undo line moves on to the newest change, keeping
// the text it showed (drawn under it while the dynamic variables are hidden), and the
// sine, oval and steam diagrams record the position of their last curve in
// DiagramRevArmPos, which the dimension data file keeps.
void StepValveDiagram(Model& m);
void StepPortDiagram(Model& m);

}  // namespace lm
