// Leaving an editor box: store, register as a dynamic variable, record undo if typed.

#include "model/DimensionBoxExit.h"

#include <string>

#include "common/Numbers.h"
#include "model/DimensionEdit.h"
#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"

namespace lm {

void LeaveDimensionBox(Model& m, const DimensionInfo& d, float value) {
    if (d.DimensionNumber == 0) {
        ApplyEditedDimension(m, d, value);
        return;
    }
    const bool typed = m.Dyn.DimTyped;
    if (typed) {
        PushUndo(m);
        UndoEntry& e = m.Undo.Entries[1];
        e.DimensionNumber = d.DimensionNumber;
        e.Before = GetDimension(m, d);
    }
    ApplyEditedDimension(m, d, value);
    const float stored = GetDimension(m, d);
    RegisterDynVar(m, d.DimensionNumber, stored, std::string(d.DynVarName));
    if (typed) {
        UndoEntry& e = m.Undo.Entries[1];
        e.After = stored;
        e.DynVarName = std::string(d.DynVarName);
    }
    m.Dyn.DimTyped = false;
}

void LeaveDimensionBoxWithText(Model& m, const DimensionInfo& d, std::string_view text) {
    LeaveDimensionBox(m, d, ParseTypedNumber(text));
}

}  // namespace lm
