// The steam diagram window: its layout, menu and drawing.

#include <QMenuBar>

#include "diagrams/Diagrams.h"
#include "diagrams/qt/DiagramWindows.h"

namespace lm {

namespace {
// Its UnDo button draws once afterwards, the sine and oval windows twice.
const DiagramWindowLayout kSteamLayout{
    "SteamDia", "LINKMOTION Inside Admission      Steam Diagram    ", kSteamDiagramHeight,
    "CloseStm", {408, 8, 75, 25}, "SBDynVarST", "UnDoDnSt", "MainMenu1", "steam-diagram", 1, true};
}  // namespace

SteamDia::SteamDia(Model& model, DiagramHost host, QWidget* parent)
    : DiagramWindow(model, std::move(host), kSteamLayout, parent) {
    QMenuBar* bar = MenuBar();
    AddMenuItem(bar, "SetRevArmPos", "SetRevArmPos", [this] { SetRevArmPosClick(); });
    AddMenuItem(bar, "ReDraw", "ReDraw", [this] { ReDrawClick(); });
    AddMenuItem(bar, "UnDoSteam", "&UnDo", [this] { UnDoMenuClick(); });
    AddMenuItem(bar, "DynVari", "DynamicVari", [this] { DynVariClick(); });
}

bool SteamDia::DrawDiagram(const Model& m, Canvas& canvas) const { return DrawSteamDiagram(m, canvas); }

}  // namespace lm
