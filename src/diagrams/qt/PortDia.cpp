// The port open/close diagram window: forward, reverse or both graphs, and its menu.

#include <QMenu>
#include <QMenuBar>

#include "diagrams/Diagrams.h"
#include "diagrams/qt/DiagramWindows.h"

namespace lm {

namespace {
// Draws its own nineteen positions, so it neither asks for the reverse-arm positions nor
// waits for them on a mouse movement.
const DiagramWindowLayout kPortLayout{
    "PortDia", "LINKMOTION Inside Admission      Port Open/Closed    ", kPortDiagramHeight,
    "ClosePort", {447, 2, 75, 25}, "SBDynVarP", "UnDoDnP", "MainMenu1", "port-diagram", 1, false};
}  // namespace

PortDia::PortDia(Model& model, DiagramHost host, QWidget* parent)
    : DiagramWindow(model, std::move(host), kPortLayout, parent) {
    QMenuBar* bar = MenuBar();
    QMenu* setUp = bar->addMenu("SetUp");
    setUp->setObjectName("SetUp");
    AddMenuItem(setUp, "ForwardGraph1", "ForwardGraph", [this] { ForwardGraph1Click(); });
    AddMenuItem(setUp, "ReverseGraph1", "ReverseGraph", [this] { ReverseGraph1Click(); });
    AddMenuItem(setUp, "BothGraphs1", "BothGraphs", [this] { BothGraphs1Click(); });
    AddMenuItem(bar, "ReDraw1", "ReDraw", [this] { ReDrawClick(); });
    AddMenuItem(bar, "UnDoPorts", "&UnDo", [this] { UnDoMenuClick(); });
    AddMenuItem(bar, "DynamicVari1", "DynamicVari", [this] { DynVariClick(); });
}

void PortDia::ForwardGraph1Click() {
    model().DiagramWindows.GraphChoice = 'F';
    Redraw();
}

void PortDia::ReverseGraph1Click() {
    model().DiagramWindows.GraphChoice = 'R';
    Redraw();
}

void PortDia::BothGraphs1Click() {
    model().DiagramWindows.GraphChoice = 'B';
    Redraw();
}

void PortDia::Drawing(bool clearFirst) {
    DiagramWindowState& d = model().DiagramWindows;
    if (d.GraphChoice != 'B') {
        DrawOnce(clearFirst);
        return;
    }
    d.GraphChoice = 'F';
    DrawOnce(clearFirst);
    d.GraphChoice = 'R';
    d.CycleLabelsOn = false;
    DrawOnce(false);
    d.CycleLabelsOn = true;
    d.GraphChoice = 'B';
}

bool PortDia::DrawDiagram(const Model& m, Canvas& canvas) const {
    const DiagramWindowState& d = m.DiagramWindows;
    return DrawPortDiagram(m, canvas, d.GraphChoice == 'R' ? 'R' : 'F', d.CycleLabelsOn);
}

}  // namespace lm
