// The setting dialogs' behaviour, testable without a window.

#pragma once

// The logic of the five setting dialogs (RevPos, DrivAng, StpAng, RefPnts, GraphZoom),
// without Qt: the texts they show, their key rules, and what OK (and RefPnts' Zero and
// Cancel) do to the model. Each OK returns what the main window must then show on its
// controls; the dialog window only reads boxes, calls these and closes.

#include <array>
#include <string>
#include <string_view>

#include "common/TypedKeys.h"
#include "model/Model.h"
#include "view/ViewControls.h"

namespace lm {

// Key rules: RevPos takes one "-", RefPnts any number, the others none; no dialog takes Enter.
inline constexpr KeyRule kRevPosKeyRule{MinusRule::Once, false};
inline constexpr KeyRule kRefPntsKeyRule{MinusRule::Any, false};
inline constexpr KeyRule kUnsignedKeyRule{MinusRule::None, false};

// --- RevPos: the reverse-arm position -------------------------------------------------

struct RevPosTexts {
    // Label2 (left, second row), Label3 (centre), Label4 (right, second row),
    // Label5 (left, first row), Label6 (right, first row), then the box.
    std::string Label2, Label3, Label4, Label5, Label6, Box;
};
// The labels run with the gear's sense: "Min"/"Rev" on the left in the plain sense,
// "Max" and the mirrored normal positions otherwise.
RevPosTexts RevPosActivate(const Model& m);

// Stores the typed position within mid gear +/- RevArmCentMax and returns the position
// SBRevArm must take (whose own change handler then takes over).
int RevPosOk(Model& m, std::string_view text);

// --- DrivAng: the driver angle ---------------------------------------------------------

// "0.00" while the gear runs, else the angle.
std::string DrivAngActivate(const Model& m);

struct DrivAngOutcome {
    int DrvAngBarPosition = 0;  // SBDrvAng, now enabled; Run now reads "Run"
};
// Stops a running gear and sets the angle, within 0..360, to the 0.01 degree the bar holds.
DrivAngOutcome DrivAngOk(Model& m, std::string_view text);

// --- StpAng: the step angle -------------------------------------------------------------

std::string StpAngActivate(const Model& m);

struct StpAngOutcome {
    int StepBarPosition = 0;    // SBStepAng, set with StepBarLive cleared
    int DrvAngSmallChange = 0;  // SBDrvAng
    int DrvAngLargeChange = 0;
};
// Sets StepAngleSetting within 0.01..45; a running gear runs on at the new step, a
// stopped one stays stopped. The window clears StepBarLive before it moves SBStepAng,
// but only when the position really changes: an unchanged bar reports no change, and a
// flag left cleared would swallow the user's next move of the bar.
StpAngOutcome StpAngOk(Model& m, float& stepAngleSetting, std::string_view text);

// --- RefPnts: the reference points -------------------------------------------------------

// Y1, X1, Y2, X2 as the four boxes show them.
std::array<std::string, 4> RefPntsActivate(const Model& m);

// OK stores the four boxes (Y1, X1, Y2, X2) and switches the reference points on; a point
// with a coordinate other than 0 gets its zero button enabled.
void RefPntsOk(Model& m, MainViewControls& c, const std::array<std::string, 4>& boxes);
// Zero puts both points at the origin, disables both zero buttons and switches the points off.
void RefPntsZero(Model& m, MainViewControls& c);
// Cancel keeps the values and switches the reference points off.
void RefPntsCancel(Model& m);

// --- GraphZoom: the zoom of the dimension highlight ----------------------------------------

std::string GraphZoomActivate(const Model& m);
// Stores the factor within 0.5..2000.
void GraphZoomOk(Model& m, std::string_view text);

inline constexpr float kMinGraphicZoom = 0.5f;
inline constexpr float kMaxGraphicZoom = 2000;

}  // namespace lm
