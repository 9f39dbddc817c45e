// The dynamic variables' names and values across a diagram's top, or a prompt to pick some.

#include "common/Numbers.h"
#include "diagrams/DiagramFrame.h"
#include "model/DynamicVariables.h"

namespace lm {

void DrawDynVarHeader(const Model& m, Canvas& canvas) {
    if (!m.Display.DynVarsShown) return;
    const ScaledTextFont font(m, canvas);
    const auto& queue = m.Dyn.DynQueue;
    const int nameX = ScaledX(m, 235);
    if (!DynSlotUsed(queue[1])) {
        canvas.SetFontColour(colours::Red);
        canvas.TextOut({nameX, 2}, "*******************************");
        canvas.TextOut({nameX, ScaledY(m, 12)}, "* First Select Dimensions *");
        canvas.TextOut({nameX, ScaledY(m, 26)}, "*******************************");
        canvas.SetFontColour(colours::Black);
        return;
    }
    const int rows[] = {2, ScaledY(m, 14), ScaledY(m, 26), ScaledY(m, 38)};
    for (int k = 1; k <= 4; ++k) {
        const DynSlot& slot = queue[static_cast<std::size_t>(k)];
        const int row = rows[k - 1];
        canvas.TextOut({nameX, row}, slot.DynVarName);
        canvas.TextOut({ScaledX(m, 363), row}, FormatFixed(slot.Value, 6, 3));
    }
}

}  // namespace lm
