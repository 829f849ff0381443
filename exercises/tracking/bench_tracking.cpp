// How long each tracking item is really on screen: one page of 48 items at a
// display speed of 0.1 s on the real platform, timed from the paint events of
// the page positions. Needs a display; without one it runs itself again under
// xvfb-run (an 800 x 600 screen). `--offscreen` measures with the offscreen
// platform instead.
#include "exercises/tracking/frmTrackO.h"
#include "exercises/tracking/frmTrackT.h"
#include "shell/app.h"
#include "shell/main_menu.h"
#include "tests/support/bench_support.h"

#include <QEvent>
#include <QTimer>
#include <string>

void RegisterTracking();

namespace {

constexpr int RequestedMs = 100;

// Records when each page position is painted and what it showed.
class PaintRecorder : public QObject {
public:
    struct Paint {
        int position;
        bool blank;
        double ms;
    };
    explicit PaintRecorder(const QList<VbLabel*>& positions) {
        clock_.start();
        for (int i = 0; i < positions.size(); ++i) {
            positions[i]->setProperty("benchPosition", i + 1);
            positions[i]->installEventFilter(this);
        }
    }
    std::vector<Paint> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const auto* label = static_cast<VbLabel*>(watched);
            if (label->text() == "*") {
                return false; // a beat of the ready signal, not an item
            }
            paints.push_back({label->property("benchPosition").toInt(),
                              label->text().trimmed().isEmpty(), clock_.nsecsElapsed() / 1e6});
        }
        return false;
    }

private:
    QElapsedTimer clock_;
};

// Time on screen of each item: from the first paint that shows it to the
// first paint that shows its position blank again.
std::vector<double> OnScreenTimes(const std::vector<PaintRecorder::Paint>& paints) {
    std::vector<double> times;
    std::vector<double> shownAt(64, -1);
    for (const auto& p : paints) {
        double& since = shownAt[p.position];
        if (!p.blank && since < 0) {
            since = p.ms;
        } else if (p.blank && since >= 0) {
            times.push_back(p.ms - since);
            since = -1;
        }
    }
    return times;
}

} // namespace

int main(int argc, char** argv) {
    const bool offscreen = argc > 1 && std::string(argv[1]) == "--offscreen";
    const bool onDisplay = !offscreen && RunOnDisplay(argc, argv, {800, 600});
    if (!onDisplay) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication app(argc, argv);
    SetUpAppearance(app);
    RegisterTracking();
    frmMain& main = StartMainMenu();
    main.cmdTNL_Click();
    auto& options = *Forms::Find<frmTrackO>();
    options.cboSpeed->SetText("0.1");
    options.cboPerLine->SetText("8");
    options.cmdStart_Click(); // Therapy
    auto* therapy = Forms::Find<frmTrackT>();
    PaintRecorder recorder(therapy->Label1);

    // Let the windows appear before the page starts, and press OK on the start message.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500) {
        app.processEvents(QEventLoop::AllEvents, 50);
    }
    QTimer ok;
    QObject::connect(&ok, &QTimer::timeout, therapy, [therapy] {
        if (therapy->frmStartMess->isVisible()) {
            therapy->frmStartMess->cmdOK2->click();
        }
    });
    ok.start(5);
    therapy->cmdStart->click(); // runs the whole page
    ok.stop();

    const std::vector<double> times = OnScreenTimes(recorder.paints);
    if (times.size() != 48) {
        std::fprintf(stderr, "bench_tracking: %zu items measured, 48 expected\n", times.size());
        return 1;
    }
    const TimesAgainst figures = Against(times, RequestedMs);
    std::printf("bench_tracking (%s platform): %zu items at %d ms\n",
                onDisplay ? "xcb" : "offscreen", figures.count, RequestedMs);
    PrintAgainst("on screen (paint to paint)", figures);
    PrintTarget(figures);
    RecordStimulus("Tracking item, error", figures);
    Forms::UnloadAll();
    return 0;
}
