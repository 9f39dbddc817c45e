// The main window's timer tick: solve, draw the part shown, repaint what changed, and the
// picture completed on demand for export and enlarged windows.

#include <QPainter>
#include <QPushButton>
#include <QRegion>

#include <algorithm>

#include "common/qt/PictureChanges.h"
#include "common/qt/PictureWidget.h"
#include "common/qt/PixelRatio.h"
#include "graphics/qt/QPainterCanvas.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/WindowControlState.h"
#include "mainwindow/WindowTitles.h"
#include "mainwindow/qt/MainForm.h"

namespace lm {

void MainForm::Timer1Timer() {
    const TickSurroundings around = Surroundings();
    if (idle_.MaySkip(model_, state_, around)) {
        // The picture would come out the same; only the titles follow the clock.
        UpdateWindowTitles(model_, state_);
        ShowTickState();
        return;
    }
    ++tickCounts_.solved;
    AnimationTick(model_, state_);
    UpdateWindowControlState(model_, state_);
    DrawPicture();
    ShowTickState();
    // Painted with the next paint event, only where the picture changed; nothing is
    // opened or drawn from inside the paint.
    area_->update(changes_.Between(picture_, shownBefore_, pictureDrawn_, area_->childrenRect()));
    idle_.Drawn(model_, state_, around);
    CarryOutHighlightRequests();
}

void MainForm::ShowTickState() {
    Error->setVisible(state_.ErrorItemVisible);
    const std::string& title = state_.Titles[MainTitle];
    if (!title.empty() && windowTitle().toStdString() != title)
        setWindowTitle(QString::fromStdString(title));
    dynVars_->ShowTickState();
    UndoShortcut->setEnabled(model_.Undo.ButtonsEnabled);
}

void MainForm::DrawPicture() {
    // Drawn at the screen's ratio so lines stay sharp on high-resolution screens; the
    // image is kept from tick to tick and only remade when the ratio changes.
    const qreal dpr = PictureRatio(area_);
    const QSize pixels(qRound(kPictureWidth * dpr), qRound(kPictureHeight * dpr));
    // Two images take turns, so the one the window shows stays to compare the new one with.
    picture_.swap(shownBefore_);
    if (picture_.size() != pixels || picture_.devicePixelRatio() != dpr) {
        picture_ = QImage(pixels, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(dpr);
        pictureDrawn_ = QRect();
    }
    if (picture_.isNull()) return;  // no memory for it: the window keeps its background
    // Only the part the window shows is filled and drawn; the render changes the state it
    // reads, so what it starts from is kept to finish the rest on demand.
    const QRect shown = ShownPart();
    if (shown != QRect(0, 0, kPictureWidth, kPictureHeight)) drawnFrom_ = DrawnFrom{model_, state_};
    else drawnFrom_.reset();
    ++tickCounts_.drawn;
    QPainter painter(&picture_);
    painter.setClipRect(shown);
    QPainterCanvas canvas(painter, textLayouts_);
    RenderMainWindow(model_, state_, canvas);
    pictureDrawn_ = shown;
}

void MainForm::CompletePicture() {
    const QRect whole(0, 0, kPictureWidth, kPictureHeight);
    if (picture_.isNull() || pictureDrawn_ == whole || !drawnFrom_) return;
    // A copy, so drawing the rest moves no count, blink or sound of the window's own.
    Model m = drawnFrom_->model;
    MainWindowState s = drawnFrom_->state;
    s.Sound = nullptr;
    QPainter painter(&picture_);
    painter.setClipRegion(QRegion(whole).subtracted(pictureDrawn_));
    QPainterCanvas canvas(painter, textLayouts_);
    RenderMainWindow(m, s, canvas);
    pictureDrawn_ = whole;
    drawnFrom_.reset();
}

const QImage& MainForm::picture() {
    CompletePicture();
    return picture_;
}

QRect MainForm::ShownPart() const {
    return QRect(0, 0, std::clamp(area_->width(), 0, kPictureWidth),
                 std::clamp(area_->height(), 0, kPictureHeight));
}

TickSurroundings MainForm::Surroundings() const {
    const QRect shown = ShownPart();
    return {shown.width(), shown.height(), PictureRatio(area_)};
}

void MainForm::ShowViewDependents() {
    const DisplayState& d = model_.Display;
    for (int n : {5, 6, 11}) Panel[static_cast<std::size_t>(n)]->setVisible(d.RefPointsOn);
    DrawLines1->setEnabled(d.RefPointsOn);
    DrawLinesTool->setEnabled(d.RefPointsOn);
    DataTableBut->setVisible(d.PivotDataOn);
}

}  // namespace lm
