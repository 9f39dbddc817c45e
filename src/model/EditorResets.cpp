// The editors' reset buttons on the model side.

#include "model/EditorResets.h"

#include "model/Defaults.h"
#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"

namespace lm {

void ResetFrameFromEditor(Model& m, bool clearUndo) {
    ResetFrameDimensions(m);
    ResetDynQueue(m);
    if (clearUndo) ClearUndo(m);
}

void ResetCylinderFromEditor(Model& m, bool clearUndo) {
    ResetCylinderDimensions(m);
    ResetDynQueue(m);
    if (clearUndo) ClearUndo(m);
}

}  // namespace lm
