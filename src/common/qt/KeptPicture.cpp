// Keeping a diagram's drawings as an image and as replayable calls.

#include "common/qt/KeptPicture.h"

#include <QPainter>

#include "graphics/qt/PictureExport.h"
#include "graphics/qt/QPainterCanvas.h"

namespace lm {

void KeptPicture::Clear(double devicePixelRatio) {
    drawings_.clear();
    ratio_ = devicePixelRatio;
    // A null image (no memory) leaves the window white; the drawings are still kept.
    image_ = RenderPicture(width_, height_, ratio_, nullptr);
}

void KeptPicture::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    drawings_.clear();
    image_ = QImage();
}

void KeptPicture::Draw(const std::function<void(Canvas&)>& draw) {
    if (image_.isNull() && drawings_.empty()) Clear(ratio_);
    RecordingCanvas recorder;
    draw(recorder);
    drawings_.push_back(recorder.Ops());
    if (image_.isNull()) return;
    QPainter painter(&image_);
    QPainterCanvas canvas(painter);
    Play(drawings_.back(), canvas);
}

void KeptPicture::Replay(Canvas& canvas) const {
    for (const auto& ops : drawings_) Play(ops, canvas);
}

void KeptPicture::Play(const std::vector<RecordedOp>& ops, Canvas& canvas) {
    // Each drawing starts from a fresh canvas's state, as it did on the screen.
    canvas.SetPenColour(colours::Black);
    canvas.SetPenWidth(1);
    canvas.SetHollowBrush();
    canvas.SetTextBackground(true, colours::White);
    canvas.SetFontColour(colours::Black);
    canvas.SetFontBold(false);
    canvas.SetFontSize(QPainterCanvas::kDefaultFontSize);
    canvas.MoveTo({0, 0});
    for (const RecordedOp& op : ops) {
        switch (op.kind) {
            case CanvasOp::Clear: canvas.Clear(op.colour); break;
            case CanvasOp::SetPenColour: canvas.SetPenColour(op.colour); break;
            case CanvasOp::SetPenWidth: canvas.SetPenWidth(op.value); break;
            case CanvasOp::SetHollowBrush: canvas.SetHollowBrush(); break;
            case CanvasOp::MoveTo: canvas.MoveTo(op.points.at(0)); break;
            case CanvasOp::LineTo:
                canvas.MoveTo(op.points.at(0));
                canvas.LineTo(op.points.at(1));
                break;
            case CanvasOp::Polyline: canvas.Polyline(op.points); break;
            case CanvasOp::Ellipse:
                canvas.Ellipse(op.box.left, op.box.top, op.box.right, op.box.bottom);
                break;
            case CanvasOp::Arc:
                canvas.Arc(op.box.left, op.box.top, op.box.right, op.box.bottom, op.points.at(0),
                           op.points.at(1));
                break;
            case CanvasOp::SetPixel: canvas.SetPixel(op.points.at(0), op.colour); break;
            case CanvasOp::TextOut: canvas.TextOut(op.points.at(0), op.text); break;
            case CanvasOp::SetTextBackground: canvas.SetTextBackground(op.flag, op.colour); break;
            case CanvasOp::SetFontColour: canvas.SetFontColour(op.colour); break;
            case CanvasOp::SetFontBold: canvas.SetFontBold(op.flag); break;
            case CanvasOp::SetFontSize: canvas.SetFontSize(op.value); break;
        }
    }
}

}  // namespace lm
