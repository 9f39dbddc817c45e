// The undo line's text and where it is drawn on the main window.

#include "mainwindow/UndoLine.h"

#include "common/Numbers.h"
#include "common/TextScaleExtent.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/ReadoutText.h"

namespace lm {

namespace {

// Just short of the readout panel's frame.
constexpr int kUndoLineRight = 537;
constexpr int kSmallestUndoLinePixels = 8;

}  // namespace

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
    const std::string text = UndoLineText(m.Undo);
    const int left = RoundToInt(320 * sx);
    // A long line gets a smaller font rather than running under the readout panel.
    const int right = RoundToInt(kUndoLineRight * sx);
    const int normal = TextScaleFontPixels(kReadoutFontPixels, m.Display.TextScaleY);
    int pixels = normal;
    while (pixels > kSmallestUndoLinePixels && left + canvas.TextWidth(text) > right) canvas.SetFontSize(--pixels);
    canvas.TextOut({left, RoundToInt(lineTop * sx)}, text);
    if (pixels != normal) canvas.SetFontSize(normal);
}

}  // namespace lm
