// Start-up time, blocking-wait accuracy and memory of the main menu, and the
// cost of reseeding the random generator.
#include "shell/main_menu.h"
#include "shell/real_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

static double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

static void startUp() {
    std::vector<double> startMs;
    for (int run = 0; run < 15; ++run) {
        QProcess kova;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("KOVA_EXIT_AFTER_START", "1");
        kova.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        kova.start(QCoreApplication::applicationDirPath() + "/kova", {});
        kova.waitForReadyRead(30000);
        startMs.push_back(clock.nsecsElapsed() / 1e6);
        kova.waitForFinished(30000);
    }
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    std::printf("start to main menu shown, offscreen: median %.1f ms (15 runs)\n", median(startMs));
    std::printf("peak memory of the program showing the main menu: %.1f MB\n",
                usage.ru_maxrss / 1024.0);
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
                    median(errors));
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
