// The steam display in the cylinder on the main window, and its colour and level rules.

#pragma once

#include <random>

#include "graphics/Canvas.h"
#include "mainwindow/MainWindowState.h"

namespace lm {

// A random whole number in 0..n-1; 0 when n is not positive.
long long RandomBelow(std::minstd_rand& random, long long n);

// The colour of one cylinder end from its openings, moving its phase along: red while
// admitting, magenta after admission, blue while exhausting, dark green after exhaust,
// black before either port has opened.
Rgb SteamEndColour(float steamOpening, float exhaustOpening, SteamPhase& phase);

// The steam level rises while the end admits and falls while it exhausts, within 25..2000.
void UpdateSteamLevel(float& level, Rgb colour, float stepAngle, float steamOpening, float exhaustOpening);

// The tick's step for the steam display: a new seed for the dots, each end's colour and
// level, a beep for every division by a height of no pixels (with error beeps on), and
// the exhaust beats.
void StepSteamDisplay(Model& m, MainWindowState& state);

// Dots for the steam in both cylinder ends and their legend, as the step worked them out.
void DrawSteamDisplay(const Model& m, const MainWindowState& state, Canvas& canvas);

}  // namespace lm
