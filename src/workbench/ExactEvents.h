// Valve events found exactly on the solver, one reverser setting at a time.

#pragma once

// The exact events of one reverser setting: the dead centres as the piston's extremes,
// then every crossing of the solver's own openings bracketed on a sampling that misses
// no opening lasting more than half a degree of crank and refined until its crank angle
// is known to kExactEventWidth. Each call works on its own copy of the model and keeps
// nothing between calls, so it may run on any number of threads at once; its work is
// capped whatever the gear (see kMaxRowSolves).

#include <vector>

#include "model/Model.h"
#include "workbench/ValveEvents.h"

namespace lm {

// How well a crossing's crank angle is known, degrees.
inline constexpr double kExactEventWidth = 1e-4;
// The revolution's first sampling, degrees; an interval where an opening could reach
// zero between its ends is sampled again every kExactFineStep.
inline constexpr double kExactCoarseStep = 4.0;
inline constexpr double kExactFineStep = 0.5;
// No row costs more solves than this (a full fine sampling, every crossing refined to
// the cap, and the rest): an absurd gear costs a small multiple of a sound one.
inline constexpr int kMaxRowSolves = 4000;

// One row: the arm at revArmPos, the driver turning forwards (graph 'F') or backwards
// ('R'). Percent of stroke as the diagram's table gives it; crank degrees from the end's
// dead centre; lead at the found dead centre; greatest opening at most the port's width,
// the rest as over-travel; GearError when any solve had to clamp.
ValveEventRow ExactEventsOfRow(const Model& m, char graph, float revArmPos, int row = 0);

// The diagram's nineteen rows of one graph, on every core.
std::vector<ValveEventRow> ExactEventRows(const Model& m, char graph);

// How many linkage solves the last ExactEventsOfRow on this thread took (benchmarks).
int LastRowSolveCount();

}  // namespace lm
