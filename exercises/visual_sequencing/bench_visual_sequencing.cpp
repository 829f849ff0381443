// Benchmark: how long each square of a sequence is really lit. Runs the
// therapy screen on an X display in fixed mode, 25 squares at 0.10 s, for
// eight sequences, and times each square from the paint that lights it to the
// paint that makes it white again. Needs a display; without one it runs
// itself again under xvfb-run (an 800 x 600 screen).
#include "exercises/visual_sequencing/frmVSS2o.h"
#include "exercises/visual_sequencing/frmVSS2t.h"
#include "tests/support/bench_support.h"

void RegisterVisualSequencing();

namespace {

constexpr int RequestedMs = 100;
constexpr int SquaresPerSequence = 25;
constexpr int Sequences = 8;

bool Lit(const QObject* square) {
    return static_cast<const GridCell*>(square)->BackColor() != QColor(Qt::white);
}

} // namespace

int main(int argc, char** argv) {
    const auto app = StartOnDisplay(argc, argv, RegisterVisualSequencing, {800, 600});
    if (!app) {
        return 1;
    }
    auto& options = Forms::Get<frmVSS2o>();
    Forms::Show(options);
    options.cboSpeed->SetText("0.10");
    options.cboMaxSeq->SetText(QString::number(SquaresPerSequence));
    options.cboPracTime->SetText("60");
    auto* shown = ShowTherapy<frmVSS2t>();
    if (shown == nullptr) {
        return 1;
    }
    auto& therapy = *shown;

    // Each of the nine squares timed on its own while a sequence is shown:
    // the flash of an answer click is no target.
    OnScreenClock litClock(Lit, /*apart=*/true);
    litClock.Watch(*therapy.cmdX);
    therapy.cmdStart->click();
    for (int sequence = 0; sequence < Sequences; ++sequence) {
        litClock.Count(true);
        therapy.cmdNextPat->click();
        litClock.Count(false);
        // The first square answered, which offers Next Sequence again.
        therapy.cmdX->Cell(therapy.Sequence[1] - 1)->click();
        QApplication::processEvents();
    }
    therapy.cmdStart->click(); // Stop

    const std::vector<double>& lit = litClock.shownMs;
    if (lit.size() != std::size_t(Sequences * SquaresPerSequence)) {
        std::fprintf(stderr, "bench_visual_sequencing: %zu squares timed, %d expected\n",
                     lit.size(), Sequences * SquaresPerSequence);
        return 1;
    }
    const TimesAgainst figures = Against(lit, RequestedMs);
    std::printf("Visual Sequencing lit squares: display speed 0.10 s, %d sequences of %d, "
                "platform %s\n",
                Sequences, SquaresPerSequence, qPrintable(QGuiApplication::platformName()));
    PrintAgainst("lit (paint to paint)", figures);
    PrintTarget(figures);
    RecordStimulus("Visual Sequencing lit square, error", figures);
    Forms::UnloadAll();
    return 0;
}
