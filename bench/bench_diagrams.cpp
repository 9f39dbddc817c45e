// The full drawing of each valve diagram into its window-sized picture, as the diagram
// windows and the command line's draw command do it: clear to white, then draw.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "diagrams/Diagrams.h"
#include "graphics/qt/QPainterCanvas.h"
#include "kinematics/RevArmPositionSet.h"
#include "kinematics/StartUp.h"

namespace {

// The start-up gear with its three diagram positions (mid gear, normal forward and
// reverse) counted, as the reverse-arm positions window leaves them.
lm::Model DiagramModel() {
    lm::Model m;
    lm::StartUp(m);
    lm::ApplyRevArmRunRule(m);
    return m;
}

template <class Draw>
void DrawRepeatedly(benchmark::State& state, int height, Draw draw) {
    lm::Model m = DiagramModel();
    QImage picture(lm::kDiagramWidth, height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&picture);
        lm::QPainterCanvas canvas(painter);
        canvas.Clear(lm::colours::White);
        draw(m, canvas);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void BM_SineDiagram(benchmark::State& state) {
    DrawRepeatedly(state, lm::kSineDiagramHeight, [](lm::Model& m, lm::Canvas& c) { lm::DrawSineDiagram(m, c); });
}
BENCHMARK(BM_SineDiagram)->Unit(benchmark::kMillisecond);

void BM_OvalDiagram(benchmark::State& state) {
    DrawRepeatedly(state, lm::kOvalDiagramHeight, [](lm::Model& m, lm::Canvas& c) { lm::DrawOvalDiagram(m, c); });
}
BENCHMARK(BM_OvalDiagram)->Unit(benchmark::kMillisecond);

void BM_SteamDiagram(benchmark::State& state) {
    DrawRepeatedly(state, lm::kSteamDiagramHeight, [](lm::Model& m, lm::Canvas& c) { lm::DrawSteamDiagram(m, c); });
}
BENCHMARK(BM_SteamDiagram)->Unit(benchmark::kMillisecond);

// One graph of the port diagram, and both over each other as the "BothGraphs" redraw
// makes them.
void BM_PortDiagram(benchmark::State& state) {
    DrawRepeatedly(state, lm::kPortDiagramHeight,
                   [](lm::Model& m, lm::Canvas& c) { lm::DrawPortDiagram(m, c, 'F', true); });
}
BENCHMARK(BM_PortDiagram)->Unit(benchmark::kMillisecond);

void BM_PortDiagramBothGraphs(benchmark::State& state) {
    DrawRepeatedly(state, lm::kPortDiagramHeight, [](lm::Model& m, lm::Canvas& c) {
        lm::DrawPortDiagram(m, c, 'F', true);
        lm::DrawPortDiagram(m, c, 'R', false);
    });
}
BENCHMARK(BM_PortDiagramBothGraphs)->Unit(benchmark::kMillisecond);

}  // namespace
