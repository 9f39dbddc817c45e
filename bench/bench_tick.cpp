// One animation tick against the bare floor of its work, in one run so the two figures
// share the machine's state. The tick: solve, ports, mapping, outlines and the full
// render into the 1280 x 1024 picture, then the copy to the window. The floor: fill the
// picture white and copy it once.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "graphics/qt/QPainterCanvas.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/WindowControlState.h"

namespace {

struct Surfaces {
    QImage picture{lm::kPictureWidth, lm::kPictureHeight, QImage::Format_RGB32};
    QImage window{lm::kClientAreaWidth, lm::kClientAreaHeight, QImage::Format_RGB32};

    void CopyToWindow() {
        QPainter p(&window);
        p.drawImage(0, 0, picture);
    }
};

void BM_TickFloor(benchmark::State& state) {
    Surfaces s;
    for (auto _ : state) {
        s.picture.fill(Qt::white);
        s.CopyToWindow();
        benchmark::DoNotOptimize(s.window.constBits());
    }
}
BENCHMARK(BM_TickFloor)->Unit(benchmark::kMicrosecond);

void BM_Tick(benchmark::State& state) {
    Surfaces s;
    lm::Model m;
    lm::StartUp(m);
    lm::MainWindowState windowState;
    for (auto _ : state) {
        lm::AnimationTick(m, windowState);
        lm::UpdateWindowControlState(m, windowState);
        {
            QPainter painter(&s.picture);
            lm::QPainterCanvas canvas(painter);
            lm::RenderMainWindow(m, windowState, canvas);
        }
        s.CopyToWindow();
        benchmark::DoNotOptimize(s.window.constBits());
    }
}
BENCHMARK(BM_Tick)->Unit(benchmark::kMicrosecond);

}  // namespace
