// The label sketch of the frame and cylinder dimension editors.

#pragma once

// The dimension editors' labels, drawn through Canvas onto the editor window's surface.

#include "graphics/Canvas.h"
#include "model/Highlight.h"

namespace lm {

// Every label at (round(TextScaleX x lx), round(TextScaleY x ly)) and the two footer
// lines at x 1, in black on the window's white. The window calls it on every activation.
void DrawEditorLabels(EditorId editor, float textScaleX, float textScaleY, Canvas& canvas);

}  // namespace lm
