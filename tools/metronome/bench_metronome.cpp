// Benchmark: how exactly the beats keep the tempo. Runs the metronome on the
// real platform, with the main menu open behind it, for 200 beats at 180 and
// at 90 beats per minute. A beat's error is the monotonic time at which its
// sound start reaches the platform minus the press of Start + k x 60 / bpm.
// Without a display it runs itself again under a virtual X server.
#include "shell/app.h"
#include "shell/forms.h"
#include "shell/main_menu.h"
#include "shell/real_platform.h"
#include "tests/support/bench_display.h"
#include "tests/support/bench_support.h"
#include "tools/metronome/frmMetronome.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int Beats = 200;

// The real platform, noting when each sound start reaches it.
class SoundClockPlatform : public RealPlatform {
public:
    bool PlaySound(const QString& path) override {
        soundStarts.push_back(MonotonicMs());
        return RealPlatform::PlaySound(path);
    }
    std::vector<double> soundStarts;
};

struct BeatErrors {
    double median;
    double p95;
    double drift; // the last beat's error, signed
    double worst;
};

BeatErrors ErrorsOf(const std::vector<double>& starts, double startMs, int bpm) {
    const double intervalMs = 60000.0 / bpm;
    std::vector<double> absolute;
    for (std::size_t k = 0; k < starts.size(); ++k) {
        absolute.push_back(std::fabs(starts[k] - (startMs + double(k) * intervalMs)));
    }
    const double drift = starts.back() - (startMs + double(starts.size() - 1) * intervalMs);
    std::sort(absolute.begin(), absolute.end());
    const auto at = [&absolute](double q) {
        return absolute[std::size_t(q * double(absolute.size() - 1))];
    };
    return {at(0.5), at(0.95), drift, absolute.back()};
}

// Starts the metronome at bpm and stops it after Beats sounds.
BeatErrors RunAt(int bpm, frmMetronome& metronome, SoundClockPlatform& clock) {
    metronome.HScroll1->setValue(bpm);
    clock.soundStarts.clear();
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, &metronome, [&] {
        if (clock.soundStarts.size() >= std::size_t(Beats) &&
            metronome.cmdStart->text() == "Stop") {
            metronome.cmdStart->click(); // seen at the next event step
        }
    });
    stopper.start(5);
    const double startMs = clock.MonotonicMs();
    metronome.cmdStart->click(); // returns when the loop has ended
    stopper.stop();
    clock.soundStarts.resize(Beats);
    return ErrorsOf(clock.soundStarts, startMs, bpm);
}

} // namespace

int main(int argc, char** argv) {
    if (!RunOnDisplay(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    auto owned = std::make_unique<SoundClockPlatform>();
    SoundClockPlatform& clock = *owned;
    SetPlatform(std::move(owned));
    SetUpAppearance(app);
    RegisterExercises();
    frmMain& menu = StartMainMenu();
    menu.findChild<QPushButton*>("cmdMetronome")->click();
    auto& metronome = Forms::Get<frmMetronome>();

    std::printf("Metronome, %d beats, error of each sound start against its grid time:\n", Beats);
    for (const int bpm : {180, 90}) {
        const BeatErrors errors = RunAt(bpm, metronome, clock);
        std::printf("  %3d bpm: median %.3f ms, 95th percentile %.3f ms, last beat %+.3f ms "
                    "(targets: < 1, < 5, < 2)\n",
                    bpm, errors.median, errors.p95, errors.drift);
        std::fflush(stdout);
        Spread spread;
        spread.median = errors.median;
        spread.p95 = errors.p95;
        spread.most = errors.worst;
        const QByteArray row = "Metronome " + QByteArray::number(bpm) + " bpm beat, error";
        RecordRow(row.constData(), spread, {1, 2, -1});
    }
    Forms::Unload(metronome);
    return 0;
}
