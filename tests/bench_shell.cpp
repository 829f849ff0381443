// Start-up time, blocking-wait accuracy and memory of the main menu, and the
// cost of reseeding the random generator.
#include "shell/main_menu.h"
#include "shell/real_platform.h"
#include "tests/support/bench_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// One whole run of a program: wall time from start to exit, peak memory.
struct ProcessRun {
    double ms = -1;
    double peakMb = 0;
};

static ProcessRun runOnce(const QString& program) {
    const QByteArray path = program.toLocal8Bit();
    char* const args[] = {const_cast<char*>(path.constData()), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, args[0], &quiet, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (failed != 0) {
        return {};
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return {};
    }
    return {clock.nsecsElapsed() / 1e6, usage.ru_maxrss / 1024.0};
}

// KOVA from start to the main menu painted, offscreen, against a bare Qt
// window with one button: the two in turn, 20 runs each after one of each
// to warm the file cache.
static void startUp() {
    constexpr int Runs = 20;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("KOVA_EXIT_AFTER_START", "1");
    const QString folder = QCoreApplication::applicationDirPath();
    std::vector<double> kovaMs, bareMs, kovaMb, bareMb, ratios;
    for (int run = -1; run < Runs; ++run) {
        const ProcessRun kova = runOnce(folder + "/kova");
        const ProcessRun bare = runOnce(folder + "/bare_window");
        if (kova.ms < 0 || bare.ms < 0) {
            std::printf("start-up: kova or bare_window did not run cleanly\n");
            return;
        }
        if (run >= 0) {
            kovaMs.push_back(kova.ms);
            bareMs.push_back(bare.ms);
            kovaMb.push_back(kova.peakMb);
            bareMb.push_back(bare.peakMb);
            ratios.push_back(kova.ms / bare.ms);
        }
    }
    const Spread kovaTime = SpreadOf(kovaMs);
    const Spread bareTime = SpreadOf(bareMs);
    const double memoryRatio = Quantile(kovaMb, 0.5) / Quantile(bareMb, 0.5);
    std::printf(
        "start to main menu painted, offscreen, %d runs each, in turn with a bare Qt window:\n"
        "  kova median %.1f ms, bare window median %.1f ms, ratio %.2f (median of pairs %.2f)"
        " (target 1.15)\n"
        "  peak memory: kova %.1f MB, bare window %.1f MB, ratio %.2f (target 1.15)\n",
        Runs, kovaTime.median, bareTime.median, kovaTime.median / bareTime.median,
        Quantile(ratios, 0.5), Quantile(kovaMb, 0.5), Quantile(bareMb, 0.5), memoryRatio);
    const double target = 1.15 * bareTime.median;
    RecordRow("Start-up to main menu (ms)", kovaTime, {target, -1, -1});
    RecordRow("Start-up peak memory (MB)", SpreadOf(kovaMb),
              {1.15 * Quantile(bareMb, 0.5), -1, -1});
}

static void blockingWaits() {
    RealPlatform platform;
    frmMain menu;
    menu.show();
    QApplication::processEvents();
    for (int requested : {100, 250, 1000}) {
        std::vector<double> errors;
        for (int run = 0; run < (requested == 1000 ? 5 : 15); ++run) {
            QElapsedTimer clock;
            clock.start();
            platform.Sleep(requested);
            errors.push_back(std::fabs(clock.nsecsElapsed() / 1e6 - requested));
        }
        std::printf("blocking wait of %4d ms: median absolute error %.2f ms\n", requested,
                    Quantile(errors, 0.5));
    }
}

// Cost of reseeding, as screens that reseed before every draw pay it.
static void randomizeCost() {
    RealPlatform platform;
    constexpr int calls = 200000;
    double sum = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < calls; ++i) {
        platform.Randomize();
        sum += platform.Rnd();
    }
    const double ns = double(clock.nsecsElapsed()) / calls;
    std::printf("Randomize + Rnd: %.0f ns per call (%d calls, mean draw %.3f)\n", ns, calls,
                sum / calls);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    randomizeCost();
    startUp();
    blockingWaits();
    return 0;
}
