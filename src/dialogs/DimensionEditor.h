// The dimension editors' behaviour, testable without a window.

#pragma once

// The logic of the frame and cylinder dimension editors (FrameDi, CylDimen), without Qt:
// what a key, a paste, leaving a box, the reset button, a highlight button and Close do to
// the model, and what the window must then show. The window stays a thin shell over these.

#include <string>
#include <string_view>

#include "common/TypedKeys.h"
#include "model/DimensionTable.h"
#include "model/Highlight.h"

namespace lm {

// Frame boxes 1..27, cylinder boxes 1..17.
int EditorBoxCount(EditorId editor);
// The dimension behind box n; null for a box the editor does not have.
const DimensionInfo* EditorBoxDimension(EditorId editor, int box);

// What a box shows on activation: 3 decimals, right-aligned in at least 5 characters.
std::string EditorBoxText(const Model& m, EditorId editor, int box);

// "-" once, "." once, digits, backspace and Enter.
inline constexpr KeyRule kEditorKeyRule{MinusRule::Once, true};

struct EditorKeyVerdict {
    bool Accepted = false;      // false: the key is swallowed
    bool FocusToClose = false;  // Enter: move the focus to Close1, which runs the box's exit
};

// A key typed into box n holding text. Every accepted key of a dynamic dimension sets
// DimTyped (the centring boxes 26 and 27 never do). Enter is accepted only to move on:
// the window does not put it into the text.
EditorKeyVerdict EditorKeyPress(Model& m, EditorId editor, int box, std::string_view text, char key);

// A paste into box n: the text it leaves, filtered as if typed. Sets DimTyped as typing
// would when any character got through.
std::string EditorPaste(Model& m, EditorId editor, int box, std::string_view text, std::string_view pasted);

// The box's text was changed other than by a filtered key (a paste, a drop, a cut): it
// counts as typing, so a dynamic dimension's box sets DimTyped; 26 and 27 never do.
void EditorBoxEdited(Model& m, EditorId editor, int box);

// What the window must change on the main window after an editor action.
struct EditorOutcome {
    // SBRevArm's range (-RevArmBarMax..RevArmBarMax), when it must be set again.
    bool RevArmRangeChanged = false;
    int RevArmBarMax = 0;
    // SBRevArm's position, when it must be set again (Close: 0, mid gear).
    bool RevArmPositionChanged = false;
    int RevArmBarPosition = 0;
};

// Leaving box n with its text: undo entry when typed, conversion, angle wrap, the newest
// dynamic variable (typed or not), twin pivots, undo completed, DimTyped cleared. The
// centring boxes 26 and 27 only apply their limits; 27 also sets the reverse-arm bar's
// range. Unknown boxes change nothing.
EditorOutcome EditorBoxExit(Model& m, EditorId editor, int box, std::string_view text);

// Leaving box n without having changed its text: the same, with the stored value kept
// exactly rather than read back from the box's rounded text.
EditorOutcome EditorBoxExitUnedited(Model& m, EditorId editor, int box);

// The reset button. A press of any mouse button runs the reset; a completed left click
// runs it again and then clears the undo history. So a left click resets twice and clears
// undo, another button resets once and keeps it. The window refills its boxes after each.
EditorOutcome EditorResetPressed(Model& m, EditorId editor);
EditorOutcome EditorResetClicked(Model& m, EditorId editor);

// The small button beside box n: asks the main window to highlight the dimension. The
// main window's tick closes the editor and opens it again when the highlight ends.
void EditorHighlightButton(Model& m, EditorId editor, int box);

// Close1: mid gear found again for the new dimensions, the arm put there (bar at 0), the
// cut-off texts emptied. The window then closes.
EditorOutcome EditorClose(Model& m);

}  // namespace lm
