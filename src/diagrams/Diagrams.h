// The four valve diagrams (sine, oval, steam, port) and the numbers they report.

#pragma once

#include <array>
#include <optional>
#include <vector>

#include "graphics/Canvas.h"
#include "model/Model.h"

namespace lm {

// The four valve diagrams, each drawn whole onto a canvas that the caller has cleared.
// Each saves DriverAngle and RevArmPos and restores them at the end; the solver outputs
// keep the values of the last swept angle. What a diagram prints can also be collected in
// its report, so the command line's numbers are the diagrams' numbers.

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

void DrawSineDiagram(Model& m, Canvas& canvas, SineOvalReport* report = nullptr);

// The sine diagram's block for the one position RevArmCenter, worked out on a copy: the
// lead, lap and exhaust clearance of both ends at mid gear. Empty when the sweep gives
// no block.
std::optional<MidGearBlock> MidGearLeadAndLap(const Model& m);
void DrawOvalDiagram(Model& m, Canvas& canvas, SineOvalReport* report = nullptr);

// The last cut-off each end shows for a position, as percent of stroke.
struct SteamPositionReport {
    int Position = 0;
    float RevArmPos = 0;
    std::optional<float> FrontCutOff;
    std::optional<float> RearCutOff;
};

void DrawSteamDiagram(Model& m, Canvas& canvas, std::vector<SteamPositionReport>* report = nullptr);

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
void DrawPortDiagram(Model& m, Canvas& canvas, char graph, bool cycleLabels,
                     std::vector<PortRowReport>* report = nullptr);

}  // namespace lm
