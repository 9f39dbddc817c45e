// The sine diagram window: its layout, menu and drawing.

#include <QMenuBar>

#include "diagrams/Diagrams.h"
#include "diagrams/qt/DiagramWindows.h"

namespace lm {

namespace {
const DiagramWindowLayout kSineLayout{
    "SineDia", "LINKMOTION Inside Admission      Sine Diagram    ", kSineDiagramHeight,
    "CloseSin", {408, 8, 75, 25}, "SBDynVarS", "UnDoDnS", "MainMenuSine", "sine-diagram", 2, true};
}  // namespace

SineDia::SineDia(Model& model, DiagramHost host, QWidget* parent)
    : DiagramWindow(model, std::move(host), kSineLayout, parent) {
    QMenuBar* bar = MenuBar();
    AddMenuItem(bar, "SetRevArmPos", "&SetRevArmPos", [this] { SetRevArmPosClick(); });
    AddMenuItem(bar, "ReDraw", "&ReDraw", [this] { ReDrawClick(); });
    AddMenuItem(bar, "UnDoSine", "&UnDo", [this] { UnDoMenuClick(); });
    AddMenuItem(bar, "DynVari", "&DymamicVariables", [this] { DynVariClick(); });
}

bool SineDia::DrawDiagram(const Model& m, Canvas& canvas) const { return DrawSineDiagram(m, canvas); }

}  // namespace lm
