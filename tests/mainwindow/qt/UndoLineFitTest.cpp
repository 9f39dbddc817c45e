// The undo line drawn as the window draws it: a long one stays clear of the readout panel.
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "common/TextScaleExtent.h"
#include "graphics/qt/QPainterCanvas.h"
#include "kinematics/StartUp.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/UndoLine.h"

namespace lm {
namespace {

// The undo line alone on white, in the readouts' size; the columns holding ink.
std::pair<int, int> InkedColumns(const Model& m) {
    QImage image(640, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        canvas.SetFontSize(TextScaleFontPixels(kReadoutFontPixels, m.Display.TextScaleY));
        DrawUndoLine(m, canvas);
    }
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST(UndoLineFit, ALongLineEndsShortOfTheReadoutPanel) {
    Model m;
    StartUp(m);
    m.Display.UndoLineShown = true;
    m.Undo.UndoCount = 20;
    m.Undo.Entries[1] = {6, 243.125f, 242, "Eccentric Forward Angle"};
    const auto [first, last] = InkedColumns(m);
    EXPECT_GE(first, 320);
    EXPECT_LT(last, 539);  // the readout panel's frame

    // A short one keeps the readouts' size: it is drawn exactly as plain text there.
    m.Undo.Entries[1] = {2, 3.5f, 3, "Stroke"};
    QImage plain(640, 160, QImage::Format_RGB32), drawn(640, 160, QImage::Format_RGB32);
    plain.fill(Qt::white);
    drawn.fill(Qt::white);
    {
        QPainter painter(&plain);
        QPainterCanvas canvas(painter);
        canvas.SetFontSize(kReadoutFontPixels);
        canvas.SetTextBackground(false);
        canvas.TextOut({320, 73}, UndoLineText(m.Undo));
    }
    {
        QPainter painter(&drawn);
        QPainterCanvas canvas(painter);
        canvas.SetFontSize(kReadoutFontPixels);
        DrawUndoLine(m, canvas);
    }
    EXPECT_EQ(plain, drawn);
}

}  // namespace
}  // namespace lm
