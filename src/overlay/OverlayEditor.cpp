// The lines-and-circles window's logic: choices, pivot picks, references and box edits.

#include "overlay/OverlayEditor.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/Numbers.h"
#include "common/Real.h"
#include "model/PivotNumbers.h"

namespace lm {

namespace {

constexpr const char* kTypeLabels[] = {"Line", "Circle"};
constexpr const char* kColourLabels[kOverlayColourCount] = {"Black", "Red", "Green", "Yellow", "Blue", "Gray"};
constexpr const char* kReferenceLabels[] = {"0 , 0", "Pivot1", "Piv1/0,0", "Piv1/P2"};
constexpr int kLine = 0;
constexpr int kCircle = 1;

std::size_t Index(int k) { return static_cast<std::size_t>(k); }

OverlayEntry& Current(Model& m) { return m.Lines.Entries[Index(CurrentOverlayIndex(m))]; }
OverlayRowText& CurrentRow(Model& m) { return m.LinesWindow.Rows[Index(CurrentOverlayIndex(m))]; }

bool AllChosen(const OverlayEditorState& w) {
    return w.TypeChoice >= 0 && w.ColourChoice >= 0 && w.ReferenceChoice >= 0;
}

void ResetChoices(OverlayEditorState& w) {
    w.TypeChoice = w.ColourChoice = w.ReferenceChoice = -1;
    w.DrawEnabled = false;
}

std::string BoxText(Real v) { return FormatFixed(static_cast<double>(v), 7, 3); }

// A row box's number: the blanks that right-align it are not the end of the number.
float BoxNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return ParseTypedNumber(first == std::string_view::npos ? std::string_view() : text.substr(first));
}

// The value as its box shows it, read back: it keeps three decimals.
float ThroughBox(Real v, std::string& box) {
    box = BoxText(v);
    return BoxNumber(box);
}

// A whole number stored as a real, or -2 when it is none (so it matches no item).
int WholeNumber(float v) {
    if (!std::isfinite(v) || v != std::nearbyint(v) || std::fabs(v) > 1e9f) return -2;
    return static_cast<int>(v);
}

void TiePivot(const Model& m, const Pivot& ref, float& number, float& x, float& y, int& last) {
    last = NearestPivot(m, PivotSearch::Overlay, ref.X, ref.Y, last);
    number = static_cast<float>(last);
    const auto slot = PivotSlot(number);
    x = slot ? m.P(*slot).X : 0;
    y = slot ? m.P(*slot).Y : 0;
}

}  // namespace

int CurrentOverlayIndex(const Model& m) { return std::clamp(m.Lines.CurrentEntry, 1, kOverlayEntryCount); }

void SelectOverlayRow(Model& m, int row) {
    if (row < 1 || row > kOverlayEntryCount) return;
    m.Lines.CurrentEntry = row;
    ResetChoices(m.LinesWindow);
}

OverlayOutcome ChooseOverlayType(Model& m, int item) {
    OverlayEditorState& w = m.LinesWindow;
    if (item != kLine && item != kCircle) return {};
    const Pivot& r1 = m.P(RefPoint1);
    const Pivot& r2 = m.P(RefPoint2);
    if (r1.X == 0 && r1.Y == 0 && r2.X == 0 && r2.Y == 0) {
        // Nothing to draw from until the reference points are placed.
        w.TypeChoice = -1;
        w.DrawEnabled = false;
        return {true, true};
    }
    w.TypeChoice = item;
    CurrentRow(m).Type = kTypeLabels[item];
    if (AllChosen(w)) w.DrawEnabled = true;
    return {};
}

OverlayOutcome ChooseOverlayColour(Model& m, int item) {
    OverlayEditorState& w = m.LinesWindow;
    if (item < 0 || item >= kOverlayColourCount) return {};
    if (w.TypeChoice < 0) {
        w.ColourChoice = -1;
        w.DrawEnabled = false;
        return {true, false};
    }
    w.ColourChoice = item;
    CurrentRow(m).Colour = kColourLabels[item];
    return {};
}

OverlayOutcome ChooseOverlayReference(Model& m, int item) {
    OverlayEditorState& w = m.LinesWindow;
    if (item < 0 || item > 3) return {};
    if (w.TypeChoice < 0 || w.ColourChoice < 0) {
        w.ReferenceChoice = -1;
        w.DrawEnabled = false;
        return {true, false};
    }
    w.ReferenceChoice = item;
    OverlayEntry& e = Current(m);
    const Pivot& r1 = m.P(RefPoint1);
    const Pivot& r2 = m.P(RefPoint2);
    e.Vert1 = r1.Y;
    e.Horz1 = r1.X;
    e.Vert2 = r2.Y;
    e.Horz2 = r2.X;

    const bool line = w.TypeChoice == kLine;
    if (item == 0 || item == 1 || item == 3 || line) {
        CurrentRow(m).Reference = kReferenceLabels[item];
        e.Reference = static_cast<float>(item);
        if (item != 0) w.OverlayPickPending = true;
    }
    w.DrawEnabled = true;

    OverlayOutcome out;
    if (item >= 2 && !line) {
        // A circle is fixed or tied to one pivot only.
        ClearLineClick(m);
        out.beep = true;
    }
    if (item == 1 || (item >= 2 && line)) {
        out.closeWindow = true;
        --m.Lines.CurrentEntry;  // the activation after the pick counts it back
    }
    return out;
}

void ActivateOverlayWindow(Model& m) {
    OverlayEditorState& w = m.LinesWindow;
    if (w.ReferenceChoice < 0) {
        w.ActivationRef1X = m.P(RefPoint1).X;
        w.ActivationRef1Y = m.P(RefPoint1).Y;
        return;
    }
    if (w.ReferenceChoice == 0) return;
    m.Lines.CurrentEntry = std::min(m.Lines.CurrentEntry + 1, kOverlayEntryCount);
    OverlayEntry& e = Current(m);
    TiePivot(m, m.P(RefPoint1), e.RefPivot1, e.RefPivot1X, e.RefPivot1Y, w.LastNearest);
    if (w.ReferenceChoice == 3)
        TiePivot(m, m.P(RefPoint2), e.RefPivot2, e.RefPivot2X, e.RefPivot2Y, w.LastNearest);
}

OverlayOutcome DrawCloseClick(Model& m) {
    OverlayEditorState& w = m.LinesWindow;
    OverlayEntry& e = Current(m);
    e.Color = w.ColourChoice >= 0 ? kOverlayColourWords[w.ColourChoice] : -1;
    e.Type = static_cast<float>(w.TypeChoice);
    if (AllChosen(w)) ApplyReference(m, false);

    OverlayOutcome out{false, true};
    ++m.Lines.CurrentEntry;
    if (m.Lines.CurrentEntry > kOverlayEntryCount) {
        m.Lines.CurrentEntry = kOverlayEntryCount;
        out.beep = true;
    }
    w.OverlayPickPending = false;
    ResetChoices(w);
    return out;
}

void ClearLineClick(Model& m) {
    ApplyReference(m, true);
    OverlayRowText& row = CurrentRow(m);
    row.Type.clear();
    row.Colour.clear();
    row.Reference.clear();
    OverlayEntry& e = Current(m);
    e.Type = e.Color = e.Reference = -1;
    ResetChoices(m.LinesWindow);
    m.LinesWindow.OverlayPickPending = false;
}

void CloseOverlayWindow(Model& m) {
    ResetChoices(m.LinesWindow);
    m.LinesWindow.OverlayPickPending = false;
}

void ApplyReference(Model& m, bool clearing) {
    OverlayEntry& e = Current(m);
    auto& boxes = CurrentRow(m).Boxes;
    if (clearing) {
        e.Vert1 = e.Horz1 = e.Vert2 = e.Horz2 = 0;
        e.RefPivot1X = e.RefPivot1Y = e.RefPivot2X = e.RefPivot2Y = 0;
        for (std::string& b : boxes) b.clear();
        return;
    }
    const int type = WholeNumber(e.Type);
    const int reference = WholeNumber(e.Reference);
    const auto minus = [&](float& v, float pivot, std::string& box) { v = ThroughBox(static_cast<Real>(v) - pivot, box); };
    const auto show = [&](float v, std::string& box) { box = BoxText(v); };

    if (type == kLine && reference >= 0 && reference <= 3) {
        if (reference == 0) {
            show(e.Vert1, boxes[0]);
            show(e.Horz1, boxes[1]);
        } else {
            minus(e.Vert1, e.RefPivot1Y, boxes[0]);
            minus(e.Horz1, e.RefPivot1X, boxes[1]);
        }
        if (reference == 1) {
            minus(e.Vert2, e.RefPivot1Y, boxes[2]);
            minus(e.Horz2, e.RefPivot1X, boxes[3]);
        } else if (reference == 3) {
            minus(e.Vert2, e.RefPivot2Y, boxes[2]);
            minus(e.Horz2, e.RefPivot2X, boxes[3]);
        } else {
            show(e.Vert2, boxes[2]);
            show(e.Horz2, boxes[3]);
        }
    } else if (type == kCircle && (reference == 0 || reference == 1)) {
        // The radius runs from the centre as it was picked to the rim point.
        Real cx = e.Horz1, cy = e.Vert1;
        if (reference == 1) {
            cx = m.LinesWindow.ActivationRef1X;
            cy = m.LinesWindow.ActivationRef1Y;
            minus(e.Vert1, e.RefPivot1Y, boxes[0]);
            minus(e.Horz1, e.RefPivot1X, boxes[1]);
        } else {
            show(e.Vert1, boxes[0]);
            show(e.Horz1, boxes[1]);
        }
        const Real dx = e.Horz2 - cx;
        const Real dy = e.Vert2 - cy;
        boxes[2].clear();
        e.Horz2 = ThroughBox(std::sqrt(dx * dx + dy * dy), boxes[3]);
    }
}

bool OverlayBoxAcceptsKey(const Model& m, int row, int box, std::string_view text, char key) {
    if (row < 1 || row > kOverlayEntryCount || box < 0 || box > 3) return false;
    if (box == 2 && m.LinesWindow.Rows[Index(row)].Type == kTypeLabels[kCircle]) return false;
    if (key == '\b' || (key >= '0' && key <= '9')) return true;
    if (key == '-' || key == '.') return text.find(key) == std::string_view::npos;
    return false;
}

void LeaveOverlayBox(Model& m, int row, int box, std::string_view text) {
    if (row < 1 || row > kOverlayEntryCount || box < 0 || box > 3) return;
    OverlayEntry& e = m.Lines.Entries[Index(row)];
    float* fields[] = {&e.Vert1, &e.Horz1, &e.Vert2, &e.Horz2};
    *fields[box] = BoxNumber(text);
    m.LinesWindow.Rows[Index(row)].Boxes[Index(box)] = std::string(text);
}

void RefreshOverlayRows(Model& m, bool clearLabels) {
    for (int k = 1; k <= kOverlayEntryCount; ++k) {
        const OverlayEntry& e = m.Lines.Entries[Index(k)];
        OverlayRowText& row = m.LinesWindow.Rows[Index(k)];
        if (clearLabels) {
            row.Type.clear();
            row.Colour.clear();
            row.Reference.clear();
        }
        const float values[] = {e.Vert1, e.Horz1, e.Vert2, e.Horz2};
        for (std::size_t b = 0; b < 4; ++b) row.Boxes[b] = e.Type > -1 ? BoxText(values[b]) : std::string();

        const int type = WholeNumber(e.Type);
        if (type == kLine || type == kCircle) row.Type = kTypeLabels[type];
        for (int c = 0; c < kOverlayColourCount; ++c)
            if (e.Color == kOverlayColourWords[c]) row.Colour = kColourLabels[c];
        const int reference = WholeNumber(e.Reference);
        if (reference >= 0 && reference <= 3) row.Reference = kReferenceLabels[reference];
    }
}

}  // namespace lm
