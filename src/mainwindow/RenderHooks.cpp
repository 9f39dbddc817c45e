#include "mainwindow/RenderHooks.h"

namespace lm {

void DrawDimensionHighlight(Model&, MainWindowState&, Canvas&) {}

}  // namespace lm
