// Pan, zoom, presets and reference points: what each control does to the view.

#include "view/ViewControls.h"

#include <algorithm>
#include <cmath>

#include "common/Numbers.h"
#include "common/Real.h"
#include "common/RelativeBar.h"
#include "view/ViewMapping.h"

namespace lm {

namespace {

void SetView(ViewState& v, const ViewTriple& t) {
    v.ViewScale = t.Scale;
    v.ViewOriginX = t.OriginX;
    v.ViewOriginY = t.OriginY;
}

ViewTriple CurrentView(const ViewState& v) { return {v.ViewScale, v.ViewOriginX, v.ViewOriginY}; }

// What a bar does when the program sets its position: the position is held to the bar's
// range, and a position equal to the present one (0) reports no change.
void MoveBar(Model& m, MainViewControls& c, int position,
             void (*handler)(Model&, MainViewControls&, int)) {
    position = std::clamp(position, -kPanBarLimit, kPanBarLimit);
    if (position == 0) return;
    handler(m, c, position);
    handler(m, c, 0);
}

}  // namespace

void PanVertChanged(Model& m, MainViewControls& c, int position) {
    c.NormEnabled = true;
    const Real d = RelativeBarStep(c.PanVert, position, kPanZoomBarRule);
    m.View.ViewOriginY = Store(m.View.ViewOriginY - d);
}

void PanHorzChanged(Model& m, MainViewControls& c, int position) {
    c.NormEnabled = true;
    const Real d = RelativeBarStep(c.PanHorz, position, kPanZoomBarRule);
    m.View.ViewOriginX = Store(m.View.ViewOriginX + d);
}

void ZoomChanged(Model& m, MainViewControls& c, int position) {
    c.NormEnabled = true;
    const Real d = RelativeBarStep(c.Zoom, position, kPanZoomBarRule);
    ViewState& v = m.View;
    const Real s0 = v.ViewScale;
    v.ViewScale = Store(s0 * (1 + d / 100));
    // A scale that cannot be divided by (e.g. a broken preset) keeps the origins.
    if (std::isfinite(s0) && s0 != 0) {
        const Real scale = v.ViewScale;
        v.ViewOriginX = Store((v.ViewOriginX - static_cast<Real>(kViewCentre.x)) * scale / s0 + kViewCentre.x);
        v.ViewOriginY = Store((v.ViewOriginY - static_cast<Real>(kViewCentre.y)) * scale / s0 + kViewCentre.y);
    }
    // Limited after the origins were moved, so a zoom past a limit still shifts them.
    if (v.ViewScale > kMaxViewScale) v.ViewScale = kMaxViewScale;
    if (v.ViewScale < kMinViewScale || std::isnan(v.ViewScale)) v.ViewScale = kMinViewScale;
}

void NormClick(Model& m, MainViewControls& c) {
    ViewState& v = m.View;
    m.Views.SavedView = CurrentView(v);
    SetView(v, m.Views.Norm);
    c.NormEnabled = false;
    c.PresetCaptureArmed = false;
}

void CapturePresetClick(Model& m, MainViewControls& c) {
    m.View.ViewPresets[0] = CurrentView(m.View);
    c.PresetCaptureArmed = true;
    c.NormEnabled = true;
}

void PresetClick(Model& m, MainViewControls& c, int preset) {
    if (preset < 1 || preset >= kViewPresetCount) return;
    auto& presets = m.View.ViewPresets;
    if (c.PresetCaptureArmed) presets[static_cast<std::size_t>(preset)] = presets[0];
    SetView(m.View, presets[static_cast<std::size_t>(preset)]);
    c.NormEnabled = true;
    c.PresetCaptureArmed = false;
}

void RefPointsClick(DisplayState& d) {
    if (d.RefPointsOn) {
        d.RefPointsOn = false;
        d.PivotDataOn = false;
    } else {
        d.RefPointsOn = true;
    }
}

void RefPointBarChanged(Model& m, MainViewControls& c, RefPointBar bar, int position) {
    const bool first = bar == RefPointBar::Ref1Vert || bar == RefPointBar::Ref1Horz;
    const bool vertical = bar == RefPointBar::Ref1Vert || bar == RefPointBar::Ref2Vert;
    RelativeBarMemory* memory = nullptr;
    switch (bar) {
        case RefPointBar::Ref1Vert: memory = &c.Ref1Vert; break;
        case RefPointBar::Ref1Horz: memory = &c.Ref1Horz; break;
        case RefPointBar::Ref2Vert: memory = &c.Ref2Vert; break;
        case RefPointBar::Ref2Horz: memory = &c.Ref2Horz; break;
    }
    (first ? c.RefPt1ZeroEnabled : c.RefPt2ZeroEnabled) = true;
    const Real d = RelativeBarStep(*memory, position, kRefPointBarRule);
    Pivot& p = m.P(first ? RefPoint1 : RefPoint2);
    float& coordinate = vertical ? p.Y : p.X;
    coordinate = Store(coordinate + d);
}

void RefPointZeroClick(Model& m, MainViewControls& c, int point) {
    if (point != 1 && point != 2) return;
    Pivot& p = m.P(point == 1 ? RefPoint1 : RefPoint2);
    p.X = 0;
    p.Y = 0;
    (point == 1 ? c.RefPt1ZeroEnabled : c.RefPt2ZeroEnabled) = false;
}

bool InRefPointArea(ScreenPoint p) { return p.y > 120 || (p.y >= 68 && p.x > 247); }

bool PlaceRefPointByMouse(Model& m, MainViewControls& c, MouseButton button, ScreenPoint p) {
    if (!m.Display.RefPointsOn || button == MouseButton::Other || !InRefPointArea(p)) return false;
    ModelPoint at;
    if (!ToModel(m.View, p, at)) return false;
    const bool first = button == MouseButton::Left;
    Pivot& pivot = m.P(first ? RefPoint1 : RefPoint2);
    pivot.X = Store(at.x);
    pivot.Y = Store(at.y);
    (first ? c.RefPt1ZeroEnabled : c.RefPt2ZeroEnabled) = true;
    return true;
}

void PanToRefPoint(Model& m, MainViewControls& c, int point) {
    if (point != 1 && point != 2) return;
    const Pivot& p = m.P(point == 1 ? RefPoint1 : RefPoint2);
    ViewState& v = m.View;
    const Real cx = kViewCentre.x;
    const Real cy = kViewCentre.y;
    v.ViewOriginX = Store(cx - static_cast<Real>(p.X) * v.ViewScale);
    v.ViewOriginY = Store(cy + static_cast<Real>(p.Y) * v.ViewScale);

    const Real normScale = m.Views.Norm.Scale;
    const Real normX = m.Views.Norm.OriginX;
    const Real normY = m.Views.Norm.OriginY;
    // Non-finite quotients are clamped by the rounding and then by the bar's range.
    const int horz = RoundToInt(((v.ViewOriginX - cx) * normScale / v.ViewScale + cx - normX) * 100 / -normX);
    MoveBar(m, c, horz, PanHorzChanged);
    const int vert = RoundToInt(((v.ViewOriginY - cy) * normScale / v.ViewScale + cy - normY) * 200 / normY);
    MoveBar(m, c, vert, PanVertChanged);
}

}  // namespace lm
