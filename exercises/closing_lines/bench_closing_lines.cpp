// Benchmark: how long each figure really stays on screen at display speed
// 0.10. Runs the therapy screen on an X display (under xvfb-run on a
// 1920 x 1080 screen when there is none, the largest sheet to paint) with the
// real platform, presents 30 sets and times each figure
// from the paint of the drawing that shows it to the paint that clears it,
// against the 100 ms asked for.
#include "exercises/closing_lines/frmVC2o.h"
#include "exercises/closing_lines/frmVC2t.h"
#include "tests/support/bench_support.h"

void RegisterClosingLines();

namespace {

constexpr int RequestedMs = 100;
constexpr int Sets = 30;

} // namespace

int main(int argc, char** argv) {
    const auto app = StartOnDisplay(argc, argv, RegisterClosingLines, {1920, 1080});
    if (!app) {
        return 1;
    }
    auto& options = Forms::Get<frmVC2o>();
    Forms::Show(options);
    options.cboSpeed->SetText("0.10");
    options.cboPracTime->SetText("60");
    auto* shown = ShowTherapy<frmVC2t>();
    if (shown == nullptr) {
        return 1;
    }
    auto& therapy = *shown;

    OnScreenClock onScreen([&therapy](const QObject*) { return therapy.FigureOnScreen(); });
    onScreen.Watch(therapy.surface);
    onScreen.Count(true);
    therapy.cmdStart->click();
    for (int i = 0; i < Sets; ++i) {
        therapy.cmdNextSet->click();
        QApplication::processEvents();
        therapy.cmdAnswer->click();
        const QPointF target =
            therapy.surface->ToPixels(therapy.Target().Target().x(), therapy.Target().Target().y());
        QTest::mouseClick(therapy.surface, Qt::LeftButton, Qt::NoModifier, target.toPoint());
        QApplication::processEvents();
    }
    therapy.cmdStart->click(); // Stop

    if (onScreen.shownMs.size() < std::size_t(Sets)) {
        std::fprintf(stderr, "bench_closing_lines: only %zu figures painted and cleared\n",
                     onScreen.shownMs.size());
        return 1;
    }
    const TimesAgainst figures = Against(onScreen.shownMs, RequestedMs);
    std::printf("Closing Lines figure time: display speed 0.10 s, %zu figures, platform %s, "
                "screen %dx%d\n",
                figures.count, qPrintable(QGuiApplication::platformName()), therapy.width(),
                therapy.height());
    PrintAgainst("on screen (paint to paint)", figures);
    PrintTarget(figures);
    RecordStimulus("Closing Lines figure, error", figures);
    Forms::UnloadAll();
    return 0;
}
