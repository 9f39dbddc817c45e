// The windows the main window opens.

#pragma once

#include <vector>

class QWidget;

namespace lm {

class AboutBox;
class DataTable;
class DiagramWindow;
class DimensionEditorWindow;
class DrawLines;
class DrivAng;
class GraphZoom;
class Inst;
class RefPnts;
class RevPos;
class SetRevArm;
class SpecialInst;
class StpAng;
class ValveEventsWindow;

// Every window the main window opens, each made once, in the start-up order, as a child
// of the main window, which owns it; the valve-events window is made at its first
// opening. Each menu command opens its window from here (MainCommands.cpp).
struct ChildWindows {
    SpecialInst* SpecialInstructions = nullptr;
    SetRevArm* RevArmPositions = nullptr;
    DiagramWindow* Sine = nullptr;
    DiagramWindow* Oval = nullptr;
    DiagramWindow* Steam = nullptr;
    DiagramWindow* Port = nullptr;
    DataTable* PivotTable = nullptr;
    DrawLines* LinesAndCircles = nullptr;
    DimensionEditorWindow* FrameEditor = nullptr;
    DimensionEditorWindow* CylinderEditor = nullptr;
    RevPos* RevArmDialog = nullptr;
    DrivAng* DriverAngleDialog = nullptr;
    StpAng* StepAngleDialog = nullptr;
    RefPnts* RefPointsDialog = nullptr;
    GraphZoom* GraphicZoomDialog = nullptr;
    Inst* Instructions = nullptr;
    AboutBox* About = nullptr;
    ValveEventsWindow* ValveEvents = nullptr;

    // Every window made so far, in the order above.
    std::vector<QWidget*> All() const;
};

}  // namespace lm
