#pragma once

// Typing into the dimension editors' and the overlay rows' boxes as their windows do, for
// the random-gear run and the fuzz target: the box's key filter decides, an accepted key
// goes on the end of the text (backspace takes the last character off), and the caller
// then leaves the box with the text.

#include <string>
#include <string_view>

#include "common/TypedKeys.h"
#include "dialogs/DimensionEditor.h"
#include "overlay/OverlayEditor.h"

namespace lm::test {

// Enter moves the focus on to Close, so the keys after it no longer reach the box.
inline std::string TypeIntoEditorBox(Model& m, EditorId editor, int box, std::string text, std::string_view keys) {
    for (const char key : keys) {
        const EditorKeyVerdict verdict = EditorKeyPress(m, editor, box, text, key);
        if (!verdict.Accepted) continue;
        if (verdict.FocusToClose) break;
        if (key == kBackspaceKey) {
            if (!text.empty()) text.pop_back();
        } else {
            text += key;
        }
    }
    return text;
}

inline std::string TypeIntoOverlayBox(const Model& m, int row, int box, std::string text, std::string_view keys) {
    for (const char key : keys) {
        if (!OverlayBoxAcceptsKey(m, row, box, text, key)) continue;
        if (key == '\b') {
            if (!text.empty()) text.pop_back();
        } else {
            text += key;
        }
    }
    return text;
}

inline EditorId EditorOf(const DimensionInfo& d) {
    return d.Group == DimensionGroup::Cylinder ? EditorId::Cylinder : EditorId::Frame;
}

}  // namespace lm::test
