// The port sweep: every reverse-arm row's valve events over one revolution.

#pragma once

// The sweep behind the port open/close diagram and the valve-events table: for each
// reverse-arm row one revolution in 4-degree steps, with every valve event it finds.

#include <vector>

#include "diagrams/Diagrams.h"
#include "model/Model.h"

namespace lm {

inline constexpr int kPortRowCount = 19;
inline constexpr int kPortStepsPerRow = 90;  // one revolution in 4-degree steps

// One event found in a row: the step j (1..90) it was found at and the piston travel
// t* (0..640) at which its opening crosses zero.
struct PortCrossing {
    int Step = 0;
    PortEvent Event = FrontSteamOpens;
    float Travel = 0;
};

struct PortRowSweep {
    int Row = 0;
    float RevArmPos = 0;
    std::vector<PortCrossing> Crossings;  // in the order found
    // The steam openings at the front (0 degrees) and back (180 degrees) dead centres,
    // both among the swept angles, and the greatest of the revolution's samples.
    float FrontSteamAtDeadCentre = 0;
    float RearSteamAtDeadCentre = 0;
    float FrontSteamMax = 0;
    float RearSteamMax = 0;
    // Whether the row's first solve, and any of its solves, finished the link search; a
    // row whose first solve gave up depends on the row before it.
    bool FirstSolveComplete = false;
    bool AnySolveComplete = false;
    // Some solve of the row raised GearError (only while error announcing is on).
    bool GearError = false;
};

// One row at the given arm position. graph 'F' turns the driver forwards, 'R' backwards.
// Leaves DriverAngle, RevArmPos and the solver outputs as the last step left them.
PortRowSweep SweepPortRow(Model& m, char graph, float revArmPos, int row = 0);

// The nineteen rows of the diagram, one after the other on this model, exactly as the
// diagram has always swept them.
std::vector<PortRowSweep> SweepPortRowsInOrder(Model& m, char graph);

// The arm positions of the nineteen rows as the sweep on every core takes them: row 0
// from the model as it is, the others after the sense the first solve records.
std::vector<float> PortRowPositions(const Model& m, char graph);

// The same rows on every core, each half row on its own copy of the model, with results
// and the model left identical bit for bit to SweepPortRowsInOrder. A gear whose link
// search gives up where a half row starts is swept in order, since that half then
// depends on the steps before it.
std::vector<PortRowSweep> SweepPortRows(Model& m, char graph);

}  // namespace lm
