// The document: what a dimension data file (.lmd) stores.

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Dimensions.h"

namespace lm {

inline constexpr int kPivotCount = 27;
inline constexpr int kMappedPivotCount = 24;  // slots 24..26 are never mapped to the screen
inline constexpr int kRevArmPositionCount = 9;
inline constexpr int kOverlayEntryCount = 20;
inline constexpr int kViewPresetCount = 7;

// Pivot numbers with a meaning of their own; the rest are plain solver outputs.
enum PivotId : int {
    DriverAxle = 1,
    CrankPin = 2,
    Crosshead = 3,
    ValveStemJoint = 4,
    RockerUpperEnd = 5,
    RockerPivotCopy = 6,
    RockerPivot = 7,
    LinkBlock = 8,
    LinkCentrePivot = 9,
    FwdRodPin = 10,
    RevRodPin = 11,
    FwdEccentric = 12,
    RevEccentric = 13,
    LinkArcCentre = 14,
    LiftingArmEnd = 15,
    ReverseShaft = 16,
    ReverseShaftCopy = 17,
    ReverseArmEnd = 18,
    RefPoint1 = 19,
    RefPoint2 = 20,
    FwdSheavePoint = 21,
    RevSheavePoint = 22,
    RockerLinePoint = 23,
};

struct Pivot {
    float X = 0;
    float Y = 0;
    std::int32_t SX = 0;
    std::int32_t SY = 0;
};

struct ViewTriple {
    float Scale = 0;
    float OriginX = 0;
    float OriginY = 0;
};

// The view the drawing is shown at, and the presets.
struct ViewState {
    float ViewScale = 0;
    float ViewOriginX = 0;
    float ViewOriginY = 0;
    std::array<ViewTriple, kViewPresetCount> ViewPresets{};
};

// The diagrams' settings the file keeps.
struct DiagramSettings {
    float VerticalScale = 0;
    float GraphicZoom = 0;
    float DiagramRevArmPos = 0;
};

// Every field is a real, as the data file stores it; type, colour, reference and the
// pivot numbers are whole numbers.
struct OverlayEntry {
    float Horz1 = 0;
    float Vert1 = 0;
    float Horz2 = 0;
    float Vert2 = 0;
    float RefPivot1X = 0;
    float RefPivot1Y = 0;
    float RefPivot2X = 0;
    float RefPivot2Y = 0;
    float Type = 0;
    float Color = 0;
    float Reference = 0;
    float RefPivot1 = 0;
    float RefPivot2 = 0;
};

struct Overlay {
    std::array<OverlayEntry, kOverlayEntryCount + 1> Entries{};  // 1..20
    int CurrentEntry = 0;
};

// Everything a dimension data file keeps, with two exceptions of place: the pivot table
// holds, beside the five pivot coordinates the file stores (rocker pivot, reverse shaft,
// each with its copy, and the cylinder's height), the solver's output, since the solver
// reads and writes them in place; and the reverse-arm position and its nine named
// positions stay with the gear state (Session::Gear) every part reads them from.
struct Document {
    FrameDimensions Frame;
    CylinderRecord Cyl;
    std::array<Pivot, kPivotCount> Pivots{};
    ViewState View;
    DiagramSettings Diagram;
    Overlay Lines;
    std::string DataSetName;

    Pivot& P(int n) { return Pivots[static_cast<std::size_t>(n)]; }
    const Pivot& P(int n) const { return Pivots[static_cast<std::size_t>(n)]; }
};

}  // namespace lm
