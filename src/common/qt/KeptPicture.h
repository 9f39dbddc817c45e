// A window's picture, kept as the calls that drew it, so it can be shown, saved and copied.

#pragma once

#include <QImage>

#include <functional>
#include <vector>

#include "graphics/Canvas.h"
#include "graphics/RecordingCanvas.h"

namespace lm {

// A diagram window's picture: the drawings made since the window was last cleared, kept
// both as an image for the screen and as the calls that made it, so the same picture
// can be played again onto a PNG, an SVG (as vectors) or the clipboard.
class KeptPicture {
public:
    KeptPicture(int width, int height) : width_(width), height_(height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    const QImage& image() const { return image_; }

    // White again, at the given device-pixel ratio; the kept drawings are forgotten.
    void Clear(double devicePixelRatio);
    // A new size; what was kept is forgotten and the next drawing starts white.
    void Resize(int width, int height);
    // One more drawing over what is there (the first one clears).
    void Draw(const std::function<void(Canvas&)>& draw);
    // Plays every kept drawing onto a white canvas of the picture's size.
    void Replay(Canvas& canvas) const;

private:
    static void Play(const std::vector<RecordedOp>& ops, Canvas& canvas);

    int width_;
    int height_;
    double ratio_ = 1;
    QImage image_;
    std::vector<std::vector<RecordedOp>> drawings_;
};

}  // namespace lm
