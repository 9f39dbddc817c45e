// The view controls of the main window: pan, zoom, the stored views and the reference
// points with their bars. The logic lives in the core beside the window state; these
// handlers call it and show the controls from it.
#pragma once

#include <Qt>

#include <array>
#include <functional>

#include "mainwindow/MainWindowState.h"
#include "view/ViewControls.h"
#include "model/Model.h"

class QPushButton;
class QScrollBar;
class QWidget;

namespace lm {

class ViewPanel {
public:
    ViewPanel(QWidget* area, Model& model, MainWindowState& state);

    void PanVertChanged(int position);
    void PanHorzChanged(int position);
    void ZoomChanged(int position);
    void NormVHZClick();
    void Preset0Click();
    void PresetClick(int slot);
    void RefPointsClick();
    void RefPtClick(int point);
    void RefPtZeroClick(int point);
    // A press on the drawing at client-area pixel (x, y): every step of the press, then the
    // controls shown from the state. `openLinesWindow` as for HandleMainWindowPress.
    void MouseDown(Qt::MouseButton button, int x, int y, const std::function<void()>& openLinesWindow);

    // Shows every control from the state; then `Synced` lets the window follow.
    void Sync();
    std::function<void()> Synced;

    void SetScreenVisible(bool visible);
    void ShowPanZoomBars(bool shown);

private:
    void RefBarChanged(RefPointBar which, QScrollBar* bar, int position);

    Model& model_;
    MainWindowState& state_;
    QScrollBar* SBPanVert = nullptr;
    QScrollBar* SBPanHorz = nullptr;
    QScrollBar* SBZoom = nullptr;
    QPushButton* NormVHZ = nullptr;
    std::array<QPushButton*, 7> Preset{};  // Preset0 is "P"
    QPushButton* RefPt1 = nullptr;
    QPushButton* RefPt2 = nullptr;
    QScrollBar* SBRef1Vert = nullptr;
    QScrollBar* SBRef1Horz = nullptr;
    QScrollBar* SBRef2Vert = nullptr;
    QScrollBar* SBRef2Horz = nullptr;
    QPushButton* RefPt1Zero = nullptr;
    QPushButton* RefPt2Zero = nullptr;
};

}  // namespace lm
