// The oval diagram window: its layout, menu and drawing.

#include <QMenuBar>

#include "diagrams/Diagrams.h"
#include "diagrams/qt/DiagramWindows.h"

namespace lm {

namespace {
const DiagramWindowLayout kOvalLayout{
    "OvalDia", "LINKMOTION Inside Admission      Oval Diagram    ", kOvalDiagramHeight,
    "CloseOval", {408, 8, 75, 25}, "SBDynVarO", "UnDoDnO", "MainMenu1", "oval-diagram", 2, true};
}  // namespace

OvalDia::OvalDia(Model& model, DiagramHost host, QWidget* parent)
    : DiagramWindow(model, std::move(host), kOvalLayout, parent) {
    QMenuBar* bar = MenuBar();
    AddMenuItem(bar, "SetRevArmPos1", "SetRevArmPos", [this] { SetRevArmPosClick(); });
    AddMenuItem(bar, "ReDraw1", "ReDraw", [this] { ReDrawClick(); });
    AddMenuItem(bar, "UnDoOval", "&UnDo", [this] { UnDoMenuClick(); });
    AddMenuItem(bar, "DynVar", "DynamicVari", [this] { DynVariClick(); });
}

bool OvalDia::DrawDiagram(const Model& m, Canvas& canvas) const { return DrawOvalDiagram(m, canvas); }

}  // namespace lm
