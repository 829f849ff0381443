// Benchmark: how long each stick figure stays on screen at display speed
// 0.10. Runs the therapy screen on an X display, presents 20 pictures and
// times each from the paint of imgStkMan that shows it to the paint that takes
// it away, against the 100 ms asked for. Without a display it runs itself again
// under xvfb-run.
#include "exercises/right_or_left/frmRLO.h"
#include "exercises/right_or_left/frmRLT.h"
#include "tests/support/bench_support.h"

void RegisterRightOrLeft();

namespace {

constexpr int RequestedMs = 100;
constexpr int Pictures = 20;

} // namespace

int main(int argc, char** argv) {
    const auto app = StartOnDisplay(argc, argv, RegisterRightOrLeft);
    if (!app) {
        return 1;
    }
    auto& options = Forms::Get<frmRLO>();
    Forms::Show(options);
    options.cboSpeed->SetText("0.10");
    auto* shown = ShowTherapy<frmRLT>();
    if (shown == nullptr) {
        return 1;
    }
    auto& therapy = *shown;

    // Only presentations count: the picture shown again at the answer stays
    // until the next one.
    const ImageBox& box = *therapy.imgStkMan;
    OnScreenClock onScreen([&box](const QObject*) { return !box.Picture().isNull(); });
    onScreen.Watch(therapy.imgStkMan);
    therapy.cmdStart->click();
    for (int i = 0; i < Pictures; ++i) {
        onScreen.Count(true);
        therapy.cmdNextSet->click();
        onScreen.Count(false);
        therapy.cmdHand[therapy.CorrectHand]->click();
        QApplication::processEvents();
    }
    therapy.cmdStart->click(); // Stop

    if (onScreen.shownMs.size() < std::size_t(Pictures)) {
        std::fprintf(stderr, "bench_right_or_left: only %zu pictures painted and taken away\n",
                     onScreen.shownMs.size());
        return 1;
    }
    const TimesAgainst figures = Against(onScreen.shownMs, RequestedMs);
    std::printf("Right Or Left picture time: display speed 0.10 s, %zu pictures, platform %s\n",
                figures.count, qPrintable(QGuiApplication::platformName()));
    PrintAgainst("on screen as painted", figures);
    PrintTarget(figures);
    RecordStimulus("Right Or Left picture, error", figures);
    Forms::UnloadAll();
    return 0;
}
