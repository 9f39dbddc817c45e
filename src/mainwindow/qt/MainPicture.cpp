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
    // The tick goes on (a highlight counts, a cut-off is held) whether or not it is seen.
    StepMainWindow(model_, state_);
    stepped_ = true;
    if (shown_.isNull()) return;  // nothing shown, or no memory for it: the area keeps its background
    ++counts_.drawn;
    QPainter painter(&shown_);
    QPainterCanvas canvas(painter, textLayouts_);
    DrawMainWindow(model_, state_, canvas);
}

// The drawing changes nothing, so, while the model stands, it draws what the tick drew.
void MainPicture::DrawAgain(QImage& image, QSize size) {
    if (!stepped_) return;
    const qreal dpr = shown_.isNull() ? PictureRatio(area_) : shown_.devicePixelRatio();
    image = QImage(qRound(size.width() * dpr), qRound(size.height() * dpr), QImage::Format_RGB32);
    if (image.isNull()) return;
    image.setDevicePixelRatio(dpr);
    QPainter painter(&image);
    QPainterCanvas canvas(painter, textLayouts_);
    DrawMainWindow(model_, state_, canvas);
}

const QImage& MainPicture::Whole() {
    const QSize whole(kPictureWidth, kPictureHeight);
    if (shown_.deviceIndependentSize().toSize() == whole || !stepped_) return shown_;
    if (whole_.isNull()) DrawAgain(whole_, whole);
    return whole_;
}

void MainPicture::AreaResized() {
    const QRect shown = ShownPart();
    if (stepped_ && !QRect(QPoint(0, 0), shown_.deviceIndependentSize().toSize()).contains(shown)) {
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
