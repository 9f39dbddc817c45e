// The dimension editors' logic: keys, box exits, reset, highlight buttons and Close.
#include "dialogs/DimensionEditor.h"

#include "common/Numbers.h"
#include "kinematics/MidGear.h"
#include "kinematics/ReverseArm.h"
#include "model/DimensionBoxExit.h"
#include "model/EditorResets.h"

namespace lm {

namespace {
DimensionGroup GroupOf(EditorId editor) {
    return editor == EditorId::Cylinder ? DimensionGroup::Cylinder : DimensionGroup::Frame;
}

EditorOutcome WithRevArmRange(const Model& m) {
    EditorOutcome out;
    out.RevArmRangeChanged = true;
    out.RevArmBarMax = RevArmBarMax(m);
    return out;
}

void SetTypedIfDynamic(Model& m, const DimensionInfo& d) {
    if (d.DimensionNumber != 0) m.Dyn.DimTyped = true;
}
}  // namespace

int EditorBoxCount(EditorId editor) {
    switch (editor) {
        case EditorId::Frame: return 27;
        case EditorId::Cylinder: return 17;
        case EditorId::None: break;
    }
    return 0;
}

const DimensionInfo* EditorBoxDimension(EditorId editor, int box) {
    if (editor == EditorId::None) return nullptr;
    for (const DimensionInfo& d : AllDimensions())
        if (d.Group == GroupOf(editor) && d.EditorNumber == box) return &d;
    return nullptr;
}

std::string EditorBoxText(const Model& m, EditorId editor, int box) {
    const DimensionInfo* d = EditorBoxDimension(editor, box);
    return d ? FormatFixed(GetDimension(m, *d), 5, 3) : std::string();
}

EditorKeyVerdict EditorKeyPress(Model& m, EditorId editor, int box, std::string_view text, char key) {
    const DimensionInfo* d = EditorBoxDimension(editor, box);
    if (!d || !AcceptTypedKey(text, key, kEditorKeyRule)) return {};
    SetTypedIfDynamic(m, *d);
    return {true, key == kEnterKey};
}

std::string EditorPaste(Model& m, EditorId editor, int box, std::string_view text, std::string_view pasted) {
    const DimensionInfo* d = EditorBoxDimension(editor, box);
    if (!d) return std::string(text);
    std::string out = FilterPastedText(text, pasted, kEditorKeyRule);
    if (out.size() > text.size()) SetTypedIfDynamic(m, *d);
    return out;
}

void EditorBoxEdited(Model& m, EditorId editor, int box) {
    if (const DimensionInfo* d = EditorBoxDimension(editor, box)) SetTypedIfDynamic(m, *d);
}

EditorOutcome EditorBoxExit(Model& m, EditorId editor, int box, std::string_view text) {
    const DimensionInfo* d = EditorBoxDimension(editor, box);
    if (!d) return {};
    LeaveDimensionBoxWithText(m, *d, text);
    if (d->CodeName == "RevArmCentMax") return WithRevArmRange(m);
    return {};
}

EditorOutcome EditorBoxExitUnedited(Model& m, EditorId editor, int box) {
    const DimensionInfo* d = EditorBoxDimension(editor, box);
    if (!d) return {};
    LeaveDimensionBox(m, *d, GetDimension(m, *d));
    if (d->CodeName == "RevArmCentMax") return WithRevArmRange(m);
    return {};
}

EditorOutcome EditorResetPressed(Model& m, EditorId editor) {
    if (editor == EditorId::Frame) {
        ResetFrameFromEditor(m, false);
        return WithRevArmRange(m);
    }
    if (editor == EditorId::Cylinder) ResetCylinderFromEditor(m, false);
    return {};
}

EditorOutcome EditorResetClicked(Model& m, EditorId editor) {
    if (editor == EditorId::Frame) {
        ResetFrameFromEditor(m, true);
        return WithRevArmRange(m);
    }
    if (editor == EditorId::Cylinder) ResetCylinderFromEditor(m, true);
    return {};
}

void EditorHighlightButton(Model& m, EditorId editor, int box) {
    if (!EditorBoxDimension(editor, box)) return;
    m.Highlight.Dim = editor == EditorId::Cylinder ? 100 + box : box;
}

EditorOutcome EditorClose(Model& m) {
    FindMidGear(m);
    SetRevArmFromBar(m, 0);
    m.Display.FrontCutOffText.clear();
    m.Display.RearCutOffText.clear();
    EditorOutcome out;
    out.RevArmPositionChanged = true;
    out.RevArmBarPosition = 0;
    return out;
}

}  // namespace lm
