// The tool bar's pictures, drawn in code.

#pragma once

#include <QIcon>

namespace lm {

// The tool bar's pictures, drawn here so the program ships no image files. Each is a
// 16 x 16 pictogram drawn at twice the resolution, so it stays sharp on screens with a
// pixel ratio of 2.
enum class ToolPicture {
    OpenFile,
    SaveFile,
    FrameDimensions,
    CylinderDimensions,
    DriverAngle,
    StepAngle,
    ReverseArm,
    MidGear,
    SteamDisplay,
    ReferencePoints,
    LinesAndCircles,
    PivotData,
    DynamicVariables,
    Undo,
    SineDiagram,
    OvalDiagram,
    SteamDiagram,
    PortEvents,
    ValveEvents,
};

inline constexpr int kToolPictureSize = 16;

QIcon MakeToolIcon(ToolPicture picture);

// The menu bar's geometry-error indicator: a red-edged yellow warning triangle.
QIcon MakeErrorIcon();

}  // namespace lm
