// The undo line under a diagram: the undo count and the newest change, bounded in length.

#include <string_view>

#include "common/Numbers.h"
#include "diagrams/DiagramFrame.h"
#include "diagrams/Diagrams.h"

namespace lm {

namespace {

// The line is built in fixed-length texts: each piece is appended and the result cut to
// that piece's bound, so an overlong name or value shortens the line instead of
// pushing it across the diagram.
void AppendBounded(std::string& text, std::string_view piece, std::size_t bound) {
    text += piece;
    if (text.size() > bound) text.resize(bound);
}

}  // namespace

std::string DiagramUndoText(const Model& m) {
    const UndoEntry& newest = m.Undo.Entries[1];
    std::string text;
    AppendBounded(text, FormatFixed(m.Undo.UndoCount, 2, 0), 12);
    AppendBounded(text, "- ", 12);
    AppendBounded(text, newest.DynVarName, 37);
    AppendBounded(text, " ", 38);
    AppendBounded(text, FormatFixed(newest.After, 6, 3), 48);
    AppendBounded(text, " to ", 52);
    AppendBounded(text, FormatFixed(newest.Before, 6, 3), 72);
    AppendBounded(text, std::string(46, ' '), 118);
    return text;
}

void AdvanceDiagramUndoLine(Model& m) {
    if (!m.Display.UndoLineShown) return;
    DiagramWindowState& d = m.DiagramWindows;
    d.UndoLineBefore = d.UndoLineText;
    d.UndoLineText = DiagramUndoText(m);
}

void DrawDiagramUndoLine(const Model& m, Canvas& canvas) {
    if (!m.Display.UndoLineShown) return;
    const ScreenPoint at{ScaledX(m, 150), ScaledY(m, 55)};
    const ScaledTextFont font(m, canvas);
    // The line shows the change as it stood at the previous drawing; the window redraws
    // to bring it up to date.
    canvas.TextOut(at, m.DiagramWindows.UndoLineBefore);
    if (m.Display.DynVarsShown) canvas.TextOut(at, m.DiagramWindows.UndoLineText);
}

void StepValveDiagram(Model& m) {
    AdvanceDiagramUndoLine(m);
    if (const int count = DiagramPositionCount(m); count > 0)
        m.Diagram.DiagramRevArmPos = m.Gear.RevArmPositions[static_cast<std::size_t>(count)];
}

void StepPortDiagram(Model& m) { AdvanceDiagramUndoLine(m); }

}  // namespace lm
