// The pan, zoom, preset and reference-point controls, handing each event to the view logic.

#include "mainwindow/qt/ViewPanel.h"

#include <QPushButton>
#include <QScrollBar>

#include <initializer_list>

#include "common/qt/HorizontalBar.h"
#include "common/qt/PushButton.h"
#include "mainwindow/PressHandler.h"
#include "mainwindow/WindowControlState.h"

namespace lm {

namespace {

// A relative bar is put back to 0 after every change; that reset reports itself once
// more with position 0, which the logic must also see (it is how an arrow click is told
// from a drag), and then stops, as 0 is no change.
void ResetRelativeBar(QScrollBar* bar) {
    if (bar->value() != 0) bar->setValue(0);
}

}  // namespace

ViewPanel::ViewPanel(QWidget* area, Model& model, MainWindowState& state)
    : model_(model), state_(state) {
    auto bar = [area](const char* name, QRect geometry, int range, int large, const char* hint) {
        return MakeHorizontalBar(area, name, geometry, -range, range, 1, large, hint);
    };
    auto button = [area](const QString& name, QRect geometry, const QString& caption,
                         const QString& hint) {
        return MakePushButton(area, name, geometry, caption, hint);
    };

    SBPanVert = bar("SBPanVert", {76, 26, 121, 12}, 500, 10, "Pan Vertical");
    SBPanHorz = bar("SBPanHorz", {76, 40, 121, 12}, 500, 10, "Pan Horizontal");
    SBZoom = bar("SBZoom", {76, 54, 121, 12}, 200, 10, "Zoom In / Out");
    NormVHZ = button("NormVHZ", {33, 39, 42, 14}, "Norm", "Return Pan & Zoom to Normal");
    NormVHZ->setEnabled(false);
    const int presetLeft[] = {0, 5, 19, 33, 47, 61};
    for (int n = 1; n <= 5; ++n)
        Preset[static_cast<std::size_t>(n)] =
            button(QString("Preset%1").arg(n), {presetLeft[n], 25, 14, 14}, QString::number(n),
                   QString("Pan & Zoom to Preset %1").arg(n));
    Preset[6] = button("Preset6", {5, 39, 14, 14}, "6", "Pan & Zoom to Preset 6");
    Preset[0] = button("Preset0", {19, 39, 14, 14}, "P", "Select First to Change Presets");

    // Reference points: the buttons and bars are live only while the points are shown.
    RefPt1 = button("RefPt1", {5, 53, 35, 14}, "RP1", "Pan to Reference Point 1");
    RefPt2 = button("RefPt2", {40, 53, 35, 14}, "RP2", "Pan to Reference Point 2");
    RefPt1->setEnabled(false);
    RefPt2->setEnabled(false);
    SBRef1Vert = bar("SBRef1Vert", {20, 72, 121, 10}, 5000, 25, "Change Reference Point 1 Vertical");
    SBRef1Horz = bar("SBRef1Horz", {20, 84, 121, 10}, 10000, 25,
                     "Change Reference Point 1 Horzontal");
    SBRef2Vert = bar("SBRef2Vert", {20, 96, 121, 10}, 5000, 25, "Change Reference Point 2 Vertical");
    SBRef2Horz = bar("SBRef2Horz", {20, 108, 121, 10}, 10000, 25,
                     "Change Reference Point 2 Horzontal");
    for (QScrollBar* b : {SBRef1Vert, SBRef1Horz, SBRef2Vert, SBRef2Horz}) b->hide();
    RefPt1Zero = button("RefPt1Zero", {5, 72, 14, 23}, "0", "Zero Reference Point 1");
    RefPt2Zero = button("RefPt2Zero", {5, 95, 14, 23}, "0", "Zero Reference Point 2");
    for (QPushButton* b : {RefPt1Zero, RefPt2Zero}) {
        QFont f = b->font();
        f.setBold(true);
        f.setUnderline(false);
        b->setFont(f);
        b->setEnabled(false);
        b->hide();
    }

    auto onBar = [this, area](QScrollBar* b, void (ViewPanel::*handler)(int)) {
        QObject::connect(b, &QScrollBar::valueChanged, area, [this, handler](int p) { (this->*handler)(p); });
    };
    onBar(SBPanVert, &ViewPanel::PanVertChanged);
    onBar(SBPanHorz, &ViewPanel::PanHorzChanged);
    onBar(SBZoom, &ViewPanel::ZoomChanged);
    auto onRefBar = [this, area](QScrollBar* b, RefPointBar which) {
        QObject::connect(b, &QScrollBar::valueChanged, area,
                         [this, which, b](int p) { RefBarChanged(which, b, p); });
    };
    onRefBar(SBRef1Vert, RefPointBar::Ref1Vert);
    onRefBar(SBRef1Horz, RefPointBar::Ref1Horz);
    onRefBar(SBRef2Vert, RefPointBar::Ref2Vert);
    onRefBar(SBRef2Horz, RefPointBar::Ref2Horz);
    auto onClick = [area](QPushButton* b, std::function<void()> handler) {
        QObject::connect(b, &QPushButton::clicked, area, [handler = std::move(handler)] { handler(); });
    };
    onClick(NormVHZ, [this] { NormVHZClick(); });
    onClick(Preset[0], [this] { Preset0Click(); });
    for (int n = 1; n <= 6; ++n) onClick(Preset[static_cast<std::size_t>(n)], [this, n] { PresetClick(n); });
    onClick(RefPt1, [this] { RefPtClick(1); });
    onClick(RefPt2, [this] { RefPtClick(2); });
    onClick(RefPt1Zero, [this] { RefPtZeroClick(1); });
    onClick(RefPt2Zero, [this] { RefPtZeroClick(2); });
}

void ViewPanel::Sync() {
    const MainViewControls& c = state_.View;
    const bool on = model_.Display.RefPointsOn;
    // The bars stand aside while a dimension highlight shows its label and hourglass there.
    const bool barsShown = RefPointBarsShown(model_, state_);
    NormVHZ->setEnabled(c.NormEnabled);
    Preset[0]->setEnabled(!c.PresetCaptureArmed);
    for (QScrollBar* b : {SBRef1Vert, SBRef1Horz, SBRef2Vert, SBRef2Horz}) b->setVisible(barsShown);
    RefPt1->setEnabled(on);
    RefPt2->setEnabled(on);
    RefPt1Zero->setVisible(barsShown);
    RefPt2Zero->setVisible(barsShown);
    RefPt1Zero->setEnabled(c.RefPt1ZeroEnabled);
    RefPt2Zero->setEnabled(c.RefPt2ZeroEnabled);
    if (Synced) Synced();
}

void ViewPanel::PanVertChanged(int position) {
    lm::PanVertChanged(model_, state_.View, position);
    Sync();
    ResetRelativeBar(SBPanVert);
}

void ViewPanel::PanHorzChanged(int position) {
    lm::PanHorzChanged(model_, state_.View, position);
    Sync();
    ResetRelativeBar(SBPanHorz);
}

void ViewPanel::ZoomChanged(int position) {
    lm::ZoomChanged(model_, state_.View, position);
    Sync();
    ResetRelativeBar(SBZoom);
}

void ViewPanel::NormVHZClick() {
    for (QScrollBar* b : {SBPanVert, SBPanHorz, SBZoom}) ResetRelativeBar(b);
    NormClick(model_, state_.View);
    Sync();
}

void ViewPanel::Preset0Click() {
    CapturePresetClick(model_, state_.View);
    Sync();
}

void ViewPanel::PresetClick(int slot) {
    lm::PresetClick(model_, state_.View, slot);
    Sync();
}

void ViewPanel::RefPointsClick() {
    lm::RefPointsClick(model_.Display);
    Sync();
}

void ViewPanel::RefPtClick(int point) {
    PanToRefPoint(model_, state_.View, point);
    Sync();
}

void ViewPanel::RefBarChanged(RefPointBar which, QScrollBar* bar, int position) {
    RefPointBarChanged(model_, state_.View, which, position);
    Sync();
    ResetRelativeBar(bar);
}

void ViewPanel::RefPtZeroClick(int point) {
    RefPointZeroClick(model_, state_.View, point);
    ResetRelativeBar(point == 1 ? SBRef1Vert : SBRef2Vert);
    ResetRelativeBar(point == 1 ? SBRef1Horz : SBRef2Horz);
    Sync();
}

void ViewPanel::MouseDown(Qt::MouseButton button, int x, int y, const std::function<void()>& openLinesWindow) {
    const MouseButton which = button == Qt::LeftButton    ? MouseButton::Left
                              : button == Qt::RightButton ? MouseButton::Right
                                                          : MouseButton::Other;
    HandleMainWindowPress(model_, state_, which, ScreenPoint{x, y}, openLinesWindow);
    Sync();
}

void ViewPanel::SetScreenVisible(bool visible) {
    for (QPushButton* b : Preset) b->setVisible(visible);
    for (QWidget* w : std::initializer_list<QWidget*>{NormVHZ, RefPt1, RefPt2, SBPanVert,
                                                      SBPanHorz, SBZoom})
        w->setVisible(visible);
}

void ViewPanel::ShowPanZoomBars(bool shown) {
    for (QScrollBar* b : {SBPanVert, SBPanHorz, SBZoom}) b->setVisible(shown);
}

}  // namespace lm
