// Benchmark: a Flipper set and a Right Or Left set from Next Set to drawn,
// with every picture decoded again for each set (no picture kept, as before
// the picture cache) and with the shared picture cache. Runs offscreen on
// the fake platform, so the sets' own waits cost no time.
#include "exercises/flipper/frmFlipperO.h"
#include "exercises/flipper/frmFlipperT.h"
#include "exercises/right_or_left/frmRLO.h"
#include "exercises/right_or_left/frmRLT.h"
#include "shell/app.h"
#include "shell/controls/picture_cache.h"
#include "shell/forms.h"
#include "tests/support/bench_support.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <cstdio>
#include <ctime>
#include <vector>

void RegisterFlipper();
void RegisterRightOrLeft();

namespace {

constexpr int Sets = 40;

// Processor time of this thread in ms: on a busy machine it counts the
// set's own work, where the wall clock counts the other programs too.
double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// Times Sets sets: startSet starts one, answer answers it; the time is the
// processor time from Next Set to its paints done. cold: the cache is
// emptied before each set.
template <class StartSet, class Answer>
std::vector<double> TimeSets(bool cold, StartSet startSet, Answer answer) {
    std::vector<double> setMs;
    for (int set = 0; set < Sets; ++set) {
        if (cold) {
            PictureCache::Shared().Clear();
        }
        const double startMs = ThreadCpuMs();
        startSet();
        QApplication::processEvents();
        setMs.push_back(ThreadCpuMs() - startMs);
        answer();
        QApplication::processEvents();
    }
    return setMs;
}

void Report(const char* exercise, const std::vector<double>& cold,
            const std::vector<double>& warm) {
    RecordSetDrawn((QByteArray(exercise) + " set drawn (offscreen)").constData(), warm);
    const Spread before = SpreadOf(cold);
    const Spread after = SpreadOf(warm);
    std::printf("%s set, Next Set to drawn, processor time (%d sets): pictures decoded every set: "
                "median %.2f ms, "
                "p95 %.2f ms; from the picture cache: median %.2f ms, p95 %.2f ms\n",
                exercise, Sets, before.median, before.p95, after.median, after.p95);
}

void Flipper() {
    Forms::Show(Forms::Get<frmFlipperO>());
    auto* therapy = ShowTherapy<frmFlipperT>();
    if (therapy == nullptr) {
        return;
    }
    therapy->cmdStart->click();
    const auto startSet = [therapy] { therapy->cmdNextSet->click(); };
    const auto answer = [therapy] { therapy->cmdAnswer[therapy->CorrectAnswer]->click(); };
    const std::vector<double> cold = TimeSets(true, startSet, answer);
    const std::vector<double> warm = TimeSets(false, startSet, answer);
    Report("Flipper", cold, warm);
    Forms::UnloadAll();
}

void RightOrLeft() {
    Forms::Show(Forms::Get<frmRLO>());
    auto* therapy = ShowTherapy<frmRLT>();
    if (therapy == nullptr) {
        return;
    }
    therapy->cmdStart->click();
    const auto startSet = [therapy] { therapy->cmdNextSet->click(); };
    const auto answer = [therapy] { therapy->cmdHand[therapy->CorrectHand]->click(); };
    const std::vector<double> cold = TimeSets(true, startSet, answer);
    const std::vector<double> warm = TimeSets(false, startSet, answer);
    Report("Right Or Left", cold, warm);
    Forms::UnloadAll();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpAppearance(app);
    SetPlatform(std::make_unique<FakePlatform>());
    RegisterFlipper();
    RegisterRightOrLeft();
    Flipper();
    RightOrLeft();
    SetPlatform(nullptr);
    return 0;
}
