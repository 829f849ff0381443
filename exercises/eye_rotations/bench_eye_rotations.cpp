// Benchmark: how exactly the discs keep the display speed. Runs the therapy
// screen on a real X display at 0.1 s per disc and measures the interval
// between successive discs as painted. Without a display it runs itself
// again under a virtual X server (xvfb-run).
#include "exercises/eye_rotations/frmDotO.h"
#include "exercises/eye_rotations/frmDotT.h"
#include "tests/support/bench_support.h"

#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <ctime>

void RegisterEyeRotations();

namespace {

constexpr int RequestedMs = 100;
constexpr int IntervalsTimed = 300;

// Records the time of the first paint of the drawing after each timer tick.
class PaintClock : public QObject {
public:
    explicit PaintClock(const QElapsedTimer& clock) : clock_(clock) {}
    void TickHappened() {
        ticks.push_back(Now());
        waitingForPaint_ = true;
    }
    std::vector<double> ticks; // ms
    std::vector<double> paints;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && waitingForPaint_) {
            paints.push_back(Now());
            waitingForPaint_ = false;
        }
        return false;
    }

private:
    double Now() const { return double(clock_.nsecsElapsed()) / 1e6; }
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

} // namespace

int main(int argc, char** argv) {
    const auto app = StartOnDisplay(argc, argv, RegisterEyeRotations);
    if (!app) {
        return 1;
    }
    auto& options = Forms::Get<frmDotO>();
    Forms::Show(options);
    options.cboSpeed->SetText("0.10");
    options.cboPracTime->SetText("60");
    auto* shown = ShowTherapy<frmDotT>();
    if (shown == nullptr) {
        return 1;
    }
    auto& therapy = *shown;

    QElapsedTimer clock;
    clock.start();
    PaintClock paintClock(clock);
    therapy.surface->installEventFilter(&paintClock);
    QObject::connect(therapy.Timer1, &VbTimer::Timer, &paintClock, [&] {
        paintClock.TickHappened();
        if (paintClock.ticks.size() > std::size_t(IntervalsTimed) + 1) {
            therapy.cmdStart->click(); // Stop
            app->quit();
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
    app->exec();

    paintClock.paints.resize(std::min(paintClock.paints.size(), std::size_t(IntervalsTimed) + 1));
    paintClock.ticks.resize(std::min(paintClock.ticks.size(), std::size_t(IntervalsTimed) + 1));
    if (paintClock.paints.size() < 10) {
        std::fprintf(stderr, "bench_eye_rotations: too few discs painted (%zu)\n",
                     paintClock.paints.size());
        return 1;
    }
    const TimesAgainst painted = Against(Intervals(paintClock.paints), RequestedMs);
    const TimesAgainst ticked = Against(Intervals(paintClock.ticks), RequestedMs);
    std::printf("Eye Rotations disc timing: display speed 0.10 s, %zu intervals, platform %s, "
                "form %dx%d\n",
                paintClock.paints.size() - 1, qPrintable(QGuiApplication::platformName()),
                therapy.width(), therapy.height());
    std::printf("  discs as painted: median error %.2f ms, p95 error %.2f ms, mean interval "
                "%.2f ms\n",
                painted.errors.median, painted.errors.p95, painted.times.mean);
    std::printf("  timer ticks:      median error %.2f ms, p95 error %.2f ms, mean interval "
                "%.2f ms\n",
                ticked.errors.median, ticked.errors.p95, ticked.times.mean);
    PrintTarget(painted);
    RecordStimulus("Eye Rotations disc interval, error", painted);
    std::printf("  processor time while the start message waits 2 s for OK: %.1f%% of one core\n",
                waitCost.percent);
    Forms::UnloadAll();
    return 0;
}
