// Start-up as a user sees it: from starting the program to its first frame with the gear
// drawn, timed from outside the process on the offscreen platform. The program's probe
// (LM_EXIT_AT_FIRST_FRAME) prints "window" at its first paint and "picture" at the first
// paint after the first tick, then quits.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct StartUpTimes {
    double windowSeconds = 0, pictureSeconds = 0;
    double cpuSeconds = 0;  // the program's own, start to exit: less swayed by a busy machine
    std::string error;
};

StartUpTimes StartOnce() {
    StartUpTimes t;
    int fds[2];
    if (pipe(fds) != 0) return {0, 0, 0, "no pipe"};

    // Settings of their own, so every start is a first one and the user's are left alone.
    static const std::string configHome = [] {
        std::string folder = "/tmp/lm-bench-startup-XXXXXX";
        return ::mkdtemp(folder.data()) ? folder : std::string("/nonexistent");
    }();
    std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen", "LM_EXIT_AT_FIRST_FRAME=1",
                                 "XDG_CONFIG_HOME=" + configHome};
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("QT_QPA_PLATFORM=", 0) != 0 && v.rfind("LM_EXIT_AT_FIRST_FRAME=", 0) != 0 &&
            v.rfind("XDG_CONFIG_HOME=", 0) != 0)
            env.push_back(v);
    }
    std::vector<char*> envp;
    for (std::string& v : env) envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string program = LM_APP_PATH;
    char* argv[] = {program.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    // Qt's start-up chatter (no sound server, offscreen plugin) would bury the table.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, fds[1]);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        return {0, 0, 0, "cannot start " + program};
    }

    // Lines arrive as the program reaches them; a program that never gets there is
    // stopped after a generous wait rather than hanging the benchmark.
    std::string pending;
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    bool pictureSeen = false;
    while (!pictureSeen) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd p{fds[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            t.error = "no first frame within 20 s";
            break;
        }
        char buffer[256];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (n <= 0) {
            t.error = "the program ended before its first frame";
            break;
        }
        pending.append(buffer, static_cast<std::size_t>(n));
        for (std::size_t eol; (eol = pending.find('\n')) != std::string::npos; pending.erase(0, eol + 1)) {
            const std::string line = pending.substr(0, eol);
            if (line == "window") t.windowSeconds = seconds;
            if (line == "picture") {
                t.pictureSeconds = seconds;
                pictureSeen = true;
            }
        }
    }
    if (!t.error.empty()) kill(pid, SIGKILL);
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto seconds = [](timeval v) { return static_cast<double>(v.tv_sec) + v.tv_usec / 1e6; };
    t.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return t;
}

void BM_StartUpToFirstFrame(benchmark::State& state) {
    double windowTotal = 0, cpuTotal = 0;
    for (auto _ : state) {
        const StartUpTimes t = StartOnce();
        if (!t.error.empty()) {
            state.SkipWithError(t.error.c_str());
            return;
        }
        state.SetIterationTime(t.pictureSeconds);
        windowTotal += t.windowSeconds;
        cpuTotal += t.cpuSeconds;
    }
    state.counters["window_ms"] =
        benchmark::Counter(windowTotal * 1000, benchmark::Counter::kAvgIterations);
    state.counters["program_cpu_ms"] =
        benchmark::Counter(cpuTotal * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartUpToFirstFrame)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
