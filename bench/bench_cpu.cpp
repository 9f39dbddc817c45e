// The share of one core the main window takes, as the process's own CPU time over a few
// seconds of its event loop on the offscreen platform: with the gear stopped, turning at
// the default size, and turning with the whole picture shown (every tick draws all of it).
// On a busy machine other processes inflate the CPU time; the median of three runs is the
// figure to read.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "mainwindow/MainRender.h"
#include "mainwindow/qt/MainForm.h"
#include "model/Model.h"

namespace {

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void RunEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

enum class Mode { Stopped, Turning, TurningWholePicture };

void MainWindowCpu(benchmark::State& state, Mode mode) {
    const int seconds = 3;
    for (auto _ : state) {
        lm::Model model;
        lm::MainForm form(model);
        form.show();
        if (mode == Mode::Stopped) form.RunClick();
        if (mode == Mode::TurningWholePicture) {
            form.resize(form.size() - form.centralWidget()->size() +
                        QSize(lm::kPictureWidth, lm::kPictureHeight));
        }
        RunEventLoop(500);  // shown, settled
        const lm::MainForm::TickCounts before = form.tickCounts();
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = ProcessCpuSeconds();
        RunEventLoop(seconds * 1000);
        const double cpu = ProcessCpuSeconds() - cpuStart;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_one_core"] = 100 * cpu / wall;
        state.counters["ticks_drawn_per_s"] = static_cast<double>(form.tickCounts().drawn - before.drawn) / wall;
        state.counters["shown_w"] = form.centralWidget()->width();
        state.counters["shown_h"] = form.centralWidget()->height();
    }
}

BENCHMARK_CAPTURE(MainWindowCpu, stopped, Mode::Stopped)
    ->Iterations(1)->Repetitions(3)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(MainWindowCpu, turning, Mode::Turning)
    ->Iterations(1)->Repetitions(3)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(MainWindowCpu, turning_whole_picture, Mode::TurningWholePicture)
    ->Iterations(1)->Repetitions(3)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
