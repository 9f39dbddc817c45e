// The session: what the program works out and remembers while it runs, none of which
// a dimension data file keeps.

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/RelativeBar.h"
#include "model/Document.h"
#include "model/Highlight.h"

namespace lm {

inline constexpr int kDynSlotCount = 5;

enum class Rotation { Fwd, Rev };

struct GearState {
    float DriverAngle = 0;
    float StepAngle = 0;
    float RevArmPos = 0;
    float RevArmCenter = 0;
    // Index 1..9; index 0 mirrors nothing and stays 0.
    std::array<float, kRevArmPositionCount + 1> RevArmPositions{};
    int RevArmPosCount = 0;
    Rotation RotationDir = Rotation::Fwd;
    bool GearError = false;
    bool ErrorBeepOn = false;
    float SolverStep = 0;
    float SolverTolerance = 0;
    float LinkAngle = 0;
    float LiftLinkSpan = 0;
    float EccSign = 0;
    float LiftingArmLenSolved = 0;
};

// What the piston/port calculation leaves behind.
struct ValveState {
    float PistonPos = 0;
    float ValveDisplacement = 0;
    float FrontSteamEdge = 0;
    float FrontSteamFull = 0;
    float FrontExhaustEdge = 0;
    float RearSteamEdge = 0;
    float RearSteamFull = 0;
    float RearExhaustEdge = 0;
    float FrontLeadTerm = 0;
    float RearLeadTerm = 0;
    float FrontLapTerm = 0;
    float RearLapTerm = 0;
    float FrontExClTerm = 0;
    float RearExClTerm = 0;
    float FrontSteamOpening = 0;
    float FrontExhaustOpening = 0;
    float RearSteamOpening = 0;
    float RearExhaustOpening = 0;
};

// The normal view (Norm) and the view kept while another is shown (a highlight, Norm).
struct KeptViews {
    ViewTriple Norm;
    ViewTriple SavedView{28.5f, 110.0f, 270.0f};
};

// What the diagram windows remember between drawings.
struct DiagramWindowState {
    bool DiagramRedrawPending = false;
    // The diagrams' undo line: the newest text, and the one the drawing before showed.
    std::string UndoLineText;
    std::string UndoLineBefore;
    // The port diagram's graph: 'F' forward, 'R' reverse, 'B' both.
    char GraphChoice = 'F';
    bool CycleLabelsOn = true;
};

// Display options and texts shared by the main window and the diagram windows.
struct DisplayState {
    int LineWidth = 1;  // pen width of the gear drawing: 1 or 2
    bool ScreenDataOn = true;
    bool RefPointsOn = false;
    bool PivotDataOn = false;
    bool DynVarsShown = false;
    bool UndoLineShown = false;
    bool SteamDisplayOn = false;
    float FrontSteamLevel = 0;
    float RearSteamLevel = 0;
    std::string FrontCutOffText;
    std::string RearCutOffText;
    float TextScaleX = 0;
    float TextScaleY = 0;
};

// "13 blanks followed by ??": the name an unused dynamic-variable slot shows.
inline const std::string DynVarEmptyName = "             ??";

struct DynSlot {
    std::int32_t DimensionNumber = 0;
    float Value = 0;
    std::string DynVarName;
};

struct DynVars {
    std::array<DynSlot, kDynSlotCount> DynQueue{};
    int DynIndex = 0;
    float DynStep = 0;
    // Bar k's last two positions (1..4), shared by the main window's and every diagram's bar k.
    std::array<RelativeBarMemory, kDynSlotCount> Bars{};
    float DynBarEnterValue = 0;
    // Set by a typed key or the end of a bar scroll: the next change records an undo entry.
    bool DimTyped = false;
};

inline constexpr int kUndoDepth = 20;

struct UndoEntry {
    std::int32_t DimensionNumber = 0;
    float Before = 0;
    float After = 0;
    std::string DynVarName;
};

// Entry 1 is the most recent change, entry 0 the one last undone.
struct UndoHistory {
    std::array<UndoEntry, kUndoDepth + 1> Entries{};
    int UndoCount = 0;
    // The UnDo buttons of the main window and of the four diagrams are enabled together;
    // each window shows this flag.
    bool ButtonsEnabled = false;
};

// ---- Pivot tracking, the lines-and-circles window's choices ----
// (the press handler, the pivot display and table, and the overlay window share these)

inline constexpr int kTrackedRowCount = 6;

// A pivot number as a real, as everything else of the overlay and the table keeps it.
struct TrackedRow {
    float Pivot = 0;
    bool Set = false;
};

struct PivotTracking {
    std::array<TrackedRow, kTrackedRowCount + 1> Rows{};  // 1..6
    int TrackRow = 1;
    bool TrackPending = false;
    // Last press used for a placement or a pick.
    int ClickX = 0;
    int ClickY = 0;
    // A left press came after the last right-press hand-over to the overlay window.
    bool RightClickArmed = false;
    // What the nearest-pivot search answers when no pivot is near enough.
    int LastNearest = 0;
};

// What the rows of the lines-and-circles window show: labels and box texts are kept
// apart from the entries, as the window changes them at other moments.
struct OverlayRowText {
    std::string Type, Colour, Reference;
    std::array<std::string, 4> Boxes;  // Vert1, Horz1, Vert2, Horz2 (or radius)
};

// The lines-and-circles window's radio choices (-1: none) and pick flow.
struct OverlayEditorState {
    int TypeChoice = -1;
    int ColourChoice = -1;
    int ReferenceChoice = -1;
    bool DrawEnabled = false;
    bool OverlayPickPending = false;
    // Reference point 1 when the window was last opened with no reference chosen.
    float ActivationRef1X = 0;
    float ActivationRef1Y = 0;
    // The overlay's own nearest-pivot search falls back on its last answer.
    int LastNearest = 0;
    std::array<OverlayRowText, kOverlayEntryCount + 1> Rows{};  // 1..20
};

// ---- end of the shared tracking / overlay window block ----

struct Session {
    GearState Gear;
    ValveState Valve;
    KeptViews Views;
    DiagramWindowState DiagramWindows;
    DisplayState Display;
    DynVars Dyn;
    UndoHistory Undo;
    HighlightState Highlight;
    // The dimension set as it was last opened or saved (see UnsavedChanges.h).
    std::vector<float> SavedDimensionSet;
    PivotTracking Tracking;
    OverlayEditorState LinesWindow;
};

}  // namespace lm
