// What the main window remembers beside the model: controls, titles, tick memories.

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "mainwindow/GearOutlines.h"
#include "mainwindow/TickPicture.h"
#include "model/Model.h"
#include "view/ViewControls.h"
#include "view/WindowTitles.h"

namespace lm {

class SoundOutput;

// The cut-off readout works from two successive ticks.
struct CutOffMemory {
    float PrevPistonPos = 0;
    float PrevFrontSteamOpening = 0;
    float PrevRearSteamOpening = 0;
    int FrontCutOffHold = 0;
    int RearCutOffHold = 0;
};

// Phase of one cylinder end as the steam display last saw it: none, 'E' after its steam
// port opened, 'C' after its exhaust opened.
enum class SteamPhase : char { None = 0, Expansion = 'E', Compression = 'C' };

struct SteamDisplayMemory {
    SteamPhase FrontPhase = SteamPhase::None;
    SteamPhase RearPhase = SteamPhase::None;
    bool ExhaustArmedFront = false;
    bool ExhaustArmedRear = false;
    float FrontBeatLevel = 0;
    float RearBeatLevel = 0;
};

// The main window's own state, owned by the window beside the Model.
struct MainWindowState {
    MainViewControls View;
    // Filled by every tick; also read by the steam display and the dimension highlight.
    CylinderOutline Cylinder;
    PistonOutline Piston;

    // The step the user chose (Step buttons, bar); StepAngle is 0 while stopped.
    float StepAngleSetting = 10;
    // The driver turns; "Stop" is shown on the Run button.
    bool Running = true;
    // Cleared by whoever moves the step bar after setting the step itself, so that the
    // move is not interpreted.
    bool StepBarLive = true;

    // Shown by the window after every render.
    std::array<std::string, kTitleCount> Titles;
    bool ErrorItemVisible = false;        // the "Error" menu-bar item
    std::array<bool, 5> DynBarEnabled{};  // SBDynVar1..4 at [1]..[4]; [0] unused
    bool UndoButtonVisible = false;       // UnDoDn
    int UndoButtonTop = 72;

    int ErrorTicks = 0;
    CutOffMemory CutOff;
    SteamDisplayMemory Steam;
    // Written by the tick's steps, read by its drawing.
    TickPicture Picture;

    // Where sounds and beeps go; null is silence.
    SoundOutput* Sound = nullptr;
    // Whether a dimension highlight is active: it keeps the exhaust beats from arming.
    bool HighlightActive = false;
};

}  // namespace lm
