// The dynamic variables' names and values on the main window, or a prompt to pick some.

#include "mainwindow/DynVarLines.h"

#include "common/Numbers.h"
#include "mainwindow/ReadoutText.h"
#include "mainwindow/RefPointDrawing.h"
#include "model/DynamicVariables.h"

namespace lm {

void DrawDynVarLines(const Model& m, Canvas& canvas) {
    if (!m.Display.DynVarsShown) return;
    UsePlainText(canvas);
    const auto& queue = m.Dyn.DynQueue;
    if (!DynSlotUsed(queue[1])) {
        canvas.SetFontColour(colours::Red);
        canvas.TextOut(TextPosition(m, 377, 71), "*******************************");
        canvas.TextOut(TextPosition(m, 377, 81), "* First Select Dimensions *");
        canvas.TextOut(TextPosition(m, 377, 95), "*******************************");
        canvas.SetFontColour(colours::Black);
    } else {
        for (int k = 1; k <= 4; ++k) {
            const DynSlot& slot = queue[static_cast<std::size_t>(k)];
            const int y = 71 + 12 * (k - 1);
            canvas.TextOut(TextPosition(m, 377, y), slot.DynVarName);
            canvas.TextOut(TextPosition(m, 498, y), FormatFixed(slot.Value, 6, 3));
        }
    }
}

}  // namespace lm
