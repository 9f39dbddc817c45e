// The pieces every valve diagram draws around its own curves.

#pragma once

#include <functional>
#include <string>

#include "graphics/Canvas.h"
#include "diagrams/Diagrams.h"
#include "kinematics/Guards.h"
#include "model/Model.h"

namespace lm {

// What every valve diagram shares: the travel axis, the port lines, the position legend,
// the mid-gear block, the dynamic-variable header and the undo line. The diagrams draw
// their own curves in between, sweeping their own copy of the model.

// ---- Text and rows --------------------------------------------------------------

// Diagram text is drawn top-left, black on an opaque white background, regular, at the
// window font's size; pens are black and one pixel wide. Call once at the start of a
// drawing; bold and colours are set back by whoever changes them.
void BeginDiagramDrawing(const Model& m, Canvas& canvas);

// The windows' 8-point font, 11 pixels high.
inline constexpr int kDiagramFontPixels = 11;
// The font of the texts at scaled places (header, legend, undo line): it grows with the
// large-font setting as their places do. The plot's own texts keep the window font, as
// they keep their places.
int ScaledTextFontPixels(const Model& m);

// Draws in the scaled texts' font while it lives, then the window font again.
class ScaledTextFont {
public:
    ScaledTextFont(const Model& m, Canvas& canvas);
    ~ScaledTextFont();
    ScaledTextFont(const ScaledTextFont&) = delete;
    ScaledTextFont& operator=(const ScaledTextFont&) = delete;

private:
    Canvas& canvas_;
    int pixels_;
};

// A text column or row of the header and legend: x * TextScaleX and y * TextScaleY.
int ScaledX(const Model& m, Real x);
int ScaledY(const Model& m, Real y);

// VerticalScale as the drawing uses it: never below 0.1 (nor NaN), as the edit box
// stores it, so a file's odd value cannot divide by zero.
Real DiagramVerticalScale(const Model& m);

// The canvas row of valve displacement v (positive = towards the front): centre line
// 215, 375 pixels per VerticalScale travel units.
int TravelRow(const Model& m, Real v);

// How many positions of the diagram set are drawn: RevArmPosCount within 0..9.
int DiagramPositionCount(const Model& m);

// Draws text with a position number in bold, then returns to regular.
void BoldText(Canvas& canvas, ScreenPoint p, const std::string& text);

// ---- Travel axis and port lines (sine and oval) ---------------------------------

// The scale text, the travel ticks on column 36..44 and their labels at column labelX.
// Ticks that would land on the same row as the next one are drawn once, so any scale
// draws in bounded time.
void DrawTravelAxis(const Model& m, Canvas& canvas, int labelX);

struct PortLineLayout {
    int lineEnd = 0;     // the lines run from x = 15 to here
    int frontColumn = 0;  // "Front Steam Port Open", "Front Steam Port Max", "Rear Exhaust Port Open"
    int rearColumn = 0;   // "Front Exhaust Port Open", "Rear Steam Port Open", "Rear Steam Port Max"
};
inline constexpr PortLineLayout kSinePortLines{583, 60, 230};
inline constexpr PortLineLayout kOvalPortLines{584, 430, 75};

// Front port edges in lime green above the centre line, rear ones in red below; pen black
// afterwards.
void DrawPortLines(const Model& m, Canvas& canvas, const PortLineLayout& layout);

// ---- Position legend ------------------------------------------------------------

// "Reverse Arm Positions", "Center" and RevArmCenter.
void DrawLegendHeader(const Model& m, Canvas& canvas);
// Row of position i (1..9): R(i * TextScaleY * 12) + 12.
int LegendRow(const Model& m, int i);
// Position i's number, value and direction word, on its legend row.
void DrawLegendRow(const Model& m, Canvas& canvas, int i, float position);
// "Fwd", "Rev" or "Cen" for arm position p, in the sense the last solve left.
const char* DirectionWord(const Model& m, float position);

// ---- Mid-gear block (sine and oval) ---------------------------------------------

inline constexpr Real kMidGearTolerance = 0.05L;
bool IsMidGearPosition(const Model& m, float position);

// Follows the valve-rod joint's travel over one position's sweep and turns it into the
// lead, lap and exhaust-clearance block.
class MidGearTracker {
public:
    // Before the sweep of a position.
    void Start(const Model& m, float position);
    // After each solve of the sweep; does nothing unless the position is mid gear.
    void Track(const Model& m);
    bool IsMidGear() const { return midGear_; }
    // The block from the terms the last solve left.
    MidGearBlock Block(const Model& m, int position) const;

private:
    bool midGear_ = false;
    bool frontPortWide_ = false;  // ValvePortWidthFront > ValveCtrToRing
    bool tracked_ = false;
    float a_ = 0;
    float b_ = 0;
};

void DrawMidGearBlock(Canvas& canvas, const MidGearBlock& block);

// After a position's sweep: draws the block when the position is mid gear and adds it
// to the report.
void FinishMidGearBlock(const Model& m, Canvas& canvas, const MidGearTracker& tracker, int position,
                        SineOvalReport* report);

// The sine and oval diagrams' loop over the position set: for each position the arm is
// set and recorded, its legend row drawn, the curve drawn (tracking mid gear) and, for a
// mid-gear position, the lead/lap block printed.
void DrawEachPosition(Model& m, Canvas& canvas, SineOvalReport* report,
                      const std::function<void(int position, MidGearTracker& tracker)>& drawCurve);

// ---- Dynamic-variable header and undo line (all four diagrams) -------------------

// The names and values of the four dynamic variables, or the request to pick some;
// nothing while DynVarsShown is off.
void DrawDynVarHeader(const Model& m, Canvas& canvas);

// The undo line: the text as the drawing before left it, then the newest one (drawn too
// while the dynamic variables show), as AdvanceDiagramUndoLine left them. Nothing while
// UndoLineShown is off.
void DrawDiagramUndoLine(const Model& m, Canvas& canvas);
// Before a drawing: the shown text is kept as the one before, the newest rebuilt.
void AdvanceDiagramUndoLine(Model& m);
// The rebuilt text: count, name, value after and before, padded, each piece cut to the
// line's fixed bounds.
std::string DiagramUndoText(const Model& m);

// F7 and F8 together, as every diagram ends.
inline void DrawDiagramFooter(const Model& m, Canvas& canvas) {
    DrawDynVarHeader(m, canvas);
    DrawDiagramUndoLine(m, canvas);
}

}  // namespace lm
