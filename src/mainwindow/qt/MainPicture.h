// The main window's tick and its picture.

#pragma once

#include <QImage>
#include <QRect>

#include "common/qt/PictureChanges.h"
#include "graphics/qt/TextLayouts.h"
#include "mainwindow/IdleTicks.h"
#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

class PictureWidget;

// Ticks that solved and drew; a stopped gear with nothing changed does neither.
struct TickCounts {
    long long solved = 0;
    long long drawn = 0;
};

// One animation tick (solve, work out the window's state, draw, repaint what changed) and
// the picture it leaves. The tick fills and draws only the part of the 1280 x 1024 picture
// the area shows; the whole is drawn again from what that tick drew from when asked for.
class MainPicture {
public:
    MainPicture(Model& model, MainWindowState& state, PictureWidget* area);

    // False when the tick was left out: nothing changed since the picture it would draw.
    bool Tick();
    // What the area shows.
    const QImage& Shown() const { return shown_; }
    // The last tick's picture, whole, at the screen's ratio.
    const QImage& Whole();
    const TickCounts& Counts() const { return counts_; }
    // A larger area shows the rest of the last picture at once, not at the next tick.
    void AreaResized();

private:
    void Draw();
    QRect ShownPart() const;
    TickSurroundings Surroundings() const;
    // Draws the top-left `size` of the last tick's picture again into `image`, at the
    // shown image's ratio.
    void DrawAgain(QImage& image, QSize size);

    Model& model_;
    MainWindowState& state_;
    PictureWidget* area_;
    // What the area shows: the top-left part of the picture, no larger than the area, so a
    // tick fills, draws and copies no more memory than it must.
    QImage shown_;
    // What the area showed before the last drawing.
    QImage shownBefore_;
    // The whole picture, drawn when asked for and kept until the next tick.
    QImage whole_;
    // A tick has worked out a picture, so it can be drawn again.
    bool stepped_ = false;
    IdleTicks idle_;
    PictureChanges changes_;
    // The readouts' texts, laid out once for all ticks.
    TextLayouts textLayouts_;
    TickCounts counts_;
};

}  // namespace lm
