// The lines-and-circles window's behaviour, testable without the window.

#pragma once

// The lines-and-circles window's logic without the window: the radio choices and their
// order, the pivot-pick flow, "Draw Close", "Clear Line", the rows' texts and direct
// editing. The window calls these from its handlers and shows Model::LinesWindow.

#include <string_view>

#include "model/Model.h"

namespace lm {

// What the window must do after a handler.
struct OverlayOutcome {
    bool beep = false;
    bool closeWindow = false;
};

inline constexpr int kOverlayColourCount = 6;
// Black, red, green, yellow, blue, grey as stored colour words (red in the low byte).
inline constexpr float kOverlayColourWords[kOverlayColourCount] = {0, 255, 32768, 65535, 16711680, 8421504};

// The entry being edited, held to 1..20 (CurrentEntry is one less during a pivot pick).
int CurrentOverlayIndex(const Model& m);

// A click on row k's number: it becomes current and the choices start again.
void SelectOverlayRow(Model& m, int row);

// Radio groups: type 0 line / 1 circle; colour 0..5; reference 0 "0,0", 1 "Pivot1",
// 2 "Piv1/0,0", 3 "Piv1/Piv2".
OverlayOutcome ChooseOverlayType(Model& m, int item);
OverlayOutcome ChooseOverlayColour(Model& m, int item);
OverlayOutcome ChooseOverlayReference(Model& m, int item);

// Every opening of the window; after a pivot pick it ties the entry to the pivots nearest
// to the reference points.
void ActivateOverlayWindow(Model& m);

// "Draw Close": store the entry and move to the next one. The window closes.
OverlayOutcome DrawCloseClick(Model& m);
// "Clear Line": empty the current entry; the current entry stays.
void ClearLineClick(Model& m);
// "Close" (and the window's own close box): forget the choices and any pending pick.
void CloseOverlayWindow(Model& m);

// Turns the current entry's reference-point copies into the offsets it is drawn with
// and shows them in its row; `clearing` empties the entry's numbers instead.
void ApplyReference(Model& m, bool clearing);

// Key filter of row `row`'s box 0..3 (Vert1, Horz1, Vert2, Horz2): backspace, digits, one
// "-" and one "."; a circle's Vert2 box takes nothing. '\b' is backspace.
bool OverlayBoxAcceptsKey(const Model& m, int row, int box, std::string_view text, char key);
// Leaving a box stores its number as typed, without any check or redraw.
void LeaveOverlayBox(Model& m, int row, int box, std::string_view text);

// Rebuilds all 20 rows from the entries (LinesDataClick). A stored value that names no
// type, colour or reference leaves that label as it was; `clearLabels` empties them first,
// as opening a data file does.
void RefreshOverlayRows(Model& m, bool clearLabels = false);

}  // namespace lm
