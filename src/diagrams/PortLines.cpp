// The port edge lines and their captions drawn across the sine and oval diagrams.

#include "common/Numbers.h"
#include "diagrams/DiagramFrame.h"

namespace lm {

void DrawPortLines(const Model& m, Canvas& canvas, const PortLineLayout& layout) {
    const ValveState& v = m.Valve;
    const Real s = DiagramVerticalScale(m);
    const auto line = [&](int y) { canvas.Line({15, y}, {layout.lineEnd, y}); };
    // The rear port's displacements are taken rearwards, so they plot below the centre line.
    const auto rearRow = [&](Real offset, Real value) { return RoundToInt(offset + 375 * value / s); };
    const auto frontRow = [&](Real offset, Real value) { return RoundToInt(offset - 375 * value / s); };

    canvas.SetPenColour(colours::Lime);
    line(TravelRow(m, v.FrontSteamEdge));
    line(TravelRow(m, v.FrontSteamFull));
    line(TravelRow(m, v.FrontExhaustEdge));
    canvas.TextOut({layout.frontColumn, frontRow(199, v.FrontSteamEdge)}, "Front Steam Port Open");
    canvas.TextOut({layout.frontColumn, frontRow(216, v.FrontSteamFull)}, "Front Steam Port Max");
    canvas.TextOut({layout.rearColumn, frontRow(216, v.FrontExhaustEdge)}, "Front Exhaust Port Open");

    canvas.SetPenColour(colours::Red);
    line(rearRow(215, v.RearSteamEdge));
    line(rearRow(215, v.RearSteamFull));
    line(rearRow(215, v.RearExhaustEdge));
    canvas.TextOut({layout.rearColumn, rearRow(216, v.RearSteamEdge)}, "Rear Steam Port Open");
    canvas.TextOut({layout.rearColumn, rearRow(199, v.RearSteamFull)}, "Rear Steam Port Max");
    canvas.TextOut({layout.frontColumn, rearRow(199, v.RearExhaustEdge)}, "Rear Exhaust Port Open");
    canvas.SetPenColour(colours::Black);
}

}  // namespace lm
