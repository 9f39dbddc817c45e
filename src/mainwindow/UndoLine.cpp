// The undo line's text and where it is drawn on the main window.

#include "mainwindow/UndoLine.h"

#include "common/Numbers.h"
#include "mainwindow/ReadoutText.h"

namespace lm {

std::string UndoLineText(const UndoHistory& undo) {
    const UndoEntry& top = undo.Entries[1];
    return FormatFixed(undo.UndoCount, 2, 0) + "- " + top.DynVarName + " " + FormatFixed(top.After, 6, 3) +
           " to " + FormatFixed(top.Before, 6, 3);
}

void DrawUndoLine(const Model& m, Canvas& canvas) {
    if (!m.Display.ScreenDataOn || !m.Display.UndoLineShown) return;
    // The line sits below the dynamic-variable lines when they show. Its height follows
    // the large font's width factor, as the button beside it always has.
    const long double sx = m.Display.TextScaleX;
    const int lineTop = m.Display.DynVarsShown ? 128 : 73;
    UsePlainText(canvas);
    canvas.TextOut({RoundToInt(320 * sx), RoundToInt(lineTop * sx)}, UndoLineText(m.Undo));
}

}  // namespace lm
