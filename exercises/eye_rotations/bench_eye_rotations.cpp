// Benchmark: how exactly the discs keep the display speed. Runs the therapy
// screen on a real X display at 0.1 s per disc and measures the interval
// between successive discs as painted. Without a display it runs itself
// again under a virtual X server (xvfb-run).
#include "exercises/eye_rotations/frmDotO.h"
#include "exercises/eye_rotations/frmDotT.h"
#include "shell/app.h"
#include "shell/forms.h"
#include "tests/support/bench_display.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

void RegisterEyeRotations();

namespace {

constexpr int RequestedMs = 100;
constexpr int Intervals = 300;

// Records the time of the first paint of the drawing after each timer tick.
class PaintClock : public QObject {
public:
    explicit PaintClock(const QElapsedTimer& clock) : clock_(clock) {}
    void TickHappened() {
        ticks.push_back(clock_.nsecsElapsed());
        waitingForPaint_ = true;
    }
    std::vector<qint64> ticks;
    std::vector<qint64> paints;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && waitingForPaint_) {
            paints.push_back(clock_.nsecsElapsed());
            waitingForPaint_ = false;
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
    bool waitingForPaint_ = false;
};

// Processor time of this program against wall time, in percent of one core.
class WaitCost {
public:
    void Begin() {
        wall_.start();
        cpuStart_ = CpuSeconds();
    }
    void End() { percent = (CpuSeconds() - cpuStart_) / (wall_.nsecsElapsed() / 1e9) * 100; }
    double percent = -1;

private:
    static double CpuSeconds() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
    }
    QElapsedTimer wall_;
    double cpuStart_ = 0;
};

struct Errors {
    double median;
    double p95;
    double mean; // mean interval, ms
};

Errors ErrorsOf(const std::vector<qint64>& times) {
    std::vector<double> errors;
    double sum = 0;
    for (std::size_t i = 1; i < times.size(); ++i) {
        const double interval = double(times[i] - times[i - 1]) / 1e6;
        sum += interval;
        errors.push_back(std::fabs(interval - RequestedMs));
    }
    std::sort(errors.begin(), errors.end());
    const auto at = [&errors](double q) {
        return errors[std::min(errors.size() - 1, std::size_t(q * double(errors.size() - 1)))];
    };
    return {at(0.5), at(0.95), sum / double(errors.size())};
}

} // namespace

int main(int argc, char** argv) {
    if (!RunOnDisplay(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    SetUpAppearance(app);
    RegisterEyeRotations();

    auto& options = Forms::Get<frmDotO>();
    Forms::Show(options);
    options.cboSpeed->SetText("0.10");
    options.cboPracTime->SetText("60");
    Forms::Show(frmDotT::Name);
    auto& therapy = Forms::Get<frmDotT>();

    QElapsedTimer clock;
    clock.start();
    PaintClock paintClock(clock);
    therapy.surface->installEventFilter(&paintClock);
    QObject::connect(therapy.Timer1, &VbTimer::Timer, &paintClock, [&] {
        paintClock.TickHappened();
        if (paintClock.ticks.size() > std::size_t(Intervals) + 1) {
            therapy.cmdStart->click(); // Stop
            app.quit();
        }
    });
    // Start, then OK on the start message after it has waited two seconds,
    // measuring the processor time spent while it waits.
    WaitCost waitCost;
    QTimer::singleShot(300, &therapy, [&therapy] { therapy.cmdStart->click(); });
    QTimer::singleShot(400, &therapy, [&waitCost] { waitCost.Begin(); });
    QTimer::singleShot(2400, &therapy, [&therapy, &waitCost] {
        waitCost.End();
        therapy.frmStartMess->cmdOK2->click();
    });
    app.exec();

    paintClock.paints.resize(std::min(paintClock.paints.size(), std::size_t(Intervals) + 1));
    paintClock.ticks.resize(std::min(paintClock.ticks.size(), std::size_t(Intervals) + 1));
    if (paintClock.paints.size() < 10) {
        std::fprintf(stderr, "bench_eye_rotations: too few discs painted (%zu)\n",
                     paintClock.paints.size());
        return 1;
    }
    const Errors painted = ErrorsOf(paintClock.paints);
    const Errors ticked = ErrorsOf(paintClock.ticks);
    const bool met = painted.median < 3 && painted.p95 < 10;
    std::printf("Eye Rotations disc timing: display speed 0.10 s, %zu intervals, platform %s, "
                "form %dx%d\n",
                paintClock.paints.size() - 1, qPrintable(QGuiApplication::platformName()),
                therapy.width(), therapy.height());
    std::printf("  discs as painted: median error %.2f ms, p95 error %.2f ms, mean interval "
                "%.2f ms\n",
                painted.median, painted.p95, painted.mean);
    std::printf("  timer ticks:      median error %.2f ms, p95 error %.2f ms, mean interval "
                "%.2f ms\n",
                ticked.median, ticked.p95, ticked.mean);
    std::printf("  target (median < 3 ms, p95 < 10 ms): %s\n", met ? "met" : "NOT met");
    std::printf("  processor time while the start message waits 2 s for OK: %.1f%% of one core\n",
                waitCost.percent);
    Forms::UnloadAll();
    return 0;
}
