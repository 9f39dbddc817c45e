// The main window's tick: solve, draw the part shown into an image of its size, repaint
// what changed; the whole picture drawn again on demand.

#include "mainwindow/qt/MainPicture.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>

#include "common/qt/PictureWidget.h"
#include "common/qt/PixelRatio.h"
#include "graphics/qt/QPainterCanvas.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/WindowControlState.h"
#include "mainwindow/WindowTitles.h"

namespace lm {

MainPicture::MainPicture(Model& model, MainWindowState& state, PictureWidget* area)
    : model_(model), state_(state), area_(area) {}

bool MainPicture::Tick() {
    const TickSurroundings around = Surroundings();
    if (idle_.MaySkip(model_, state_, around)) {
        // The picture would come out the same; only the titles follow the clock.
        UpdateWindowTitles(model_, state_);
        return false;
    }
    ++counts_.solved;
    AnimationTick(model_, state_);
    UpdateWindowControlState(model_, state_);
    Draw();
    // Painted with the next paint event, only where the picture changed; nothing is
    // opened or drawn from inside the paint.
    area_->update(changes_.Between(shown_, shownBefore_, ShownPart(), area_->childrenRect()));
    idle_.Drawn(model_, state_, around);
    return true;
}

void MainPicture::Draw() {
    // Drawn at the screen's ratio so lines stay sharp on high-resolution screens; the
    // images are kept from tick to tick and only remade when the size or ratio changes.
    const qreal dpr = PictureRatio(area_);
    const QRect shown = ShownPart();
    const QSize pixels(qRound(shown.width() * dpr), qRound(shown.height() * dpr));
    // Two images take turns, so the one the area shows stays to compare the new one with.
    shown_.swap(shownBefore_);
    if (shown_.size() != pixels || shown_.devicePixelRatio() != dpr) {
        shown_ = QImage(pixels, QImage::Format_RGB32);
        shown_.setDevicePixelRatio(dpr);
    }
    whole_ = QImage();  // drawn again only if asked for
    drawnFrom_.reset();
    if (shown_.isNull()) return;  // nothing shown, or no memory for it: the area keeps its background
    // The render changes the state it reads, so what it starts from is kept to draw the
    // picture again larger; an area showing it whole needs no copy.
    if (shown != QRect(0, 0, kPictureWidth, kPictureHeight)) drawnFrom_ = DrawnFrom{model_, state_};
    ++counts_.drawn;
    QPainter painter(&shown_);
    QPainterCanvas canvas(painter, textLayouts_);
    RenderMainWindow(model_, state_, canvas);
}

void MainPicture::DrawAgain(QImage& image, QSize size) {
    if (!drawnFrom_) return;
    const qreal dpr = shown_.isNull() ? PictureRatio(area_) : shown_.devicePixelRatio();
    image = QImage(qRound(size.width() * dpr), qRound(size.height() * dpr), QImage::Format_RGB32);
    if (image.isNull()) return;
    image.setDevicePixelRatio(dpr);
    // A copy, so drawing again moves no count, blink or sound of the window's own.
    Model m = drawnFrom_->model;
    MainWindowState s = drawnFrom_->state;
    s.Sound = nullptr;
    QPainter painter(&image);
    QPainterCanvas canvas(painter, textLayouts_);
    RenderMainWindow(m, s, canvas);
}

const QImage& MainPicture::Whole() {
    const QSize whole(kPictureWidth, kPictureHeight);
    if (shown_.deviceIndependentSize().toSize() == whole || !drawnFrom_) return shown_;
    if (whole_.isNull()) DrawAgain(whole_, whole);
    return whole_;
}

void MainPicture::AreaResized() {
    const QRect shown = ShownPart();
    if (drawnFrom_ && !QRect(QPoint(0, 0), shown_.deviceIndependentSize().toSize()).contains(shown)) {
        QImage larger;
        DrawAgain(larger, shown.size());
        if (!larger.isNull()) shown_ = larger;
    }
}

QRect MainPicture::ShownPart() const {
    return QRect(0, 0, std::clamp(area_->width(), 0, kPictureWidth),
                 std::clamp(area_->height(), 0, kPictureHeight));
}

TickSurroundings MainPicture::Surroundings() const {
    const QRect shown = ShownPart();
    return {shown.width(), shown.height(), PictureRatio(area_)};
}

}  // namespace lm
