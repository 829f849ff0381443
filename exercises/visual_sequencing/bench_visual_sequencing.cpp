// Benchmark: how long each square of a sequence is really lit. Runs the
// therapy screen on an X display in fixed mode, 25 squares at 0.10 s, for
// eight sequences, and times each square from the paint that lights it to the
// paint that makes it white again. Needs a display; without one it runs
// itself again under xvfb-run (an 800 x 600 screen).
#include "exercises/visual_sequencing/frmVSS2o.h"
#include "exercises/visual_sequencing/frmVSS2t.h"
#include "shell/app.h"
#include "shell/forms.h"
#include "tests/support/bench_display.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

void RegisterVisualSequencing();

namespace {

constexpr int RequestedMs = 100;
constexpr int SquaresPerSequence = 25;
constexpr int Sequences = 8;

// Watches the nine squares while a sequence is shown: the first paint of a
// square in colour starts its time, its first white paint after ends it.
class LitClock : public QObject {
public:
    explicit LitClock(const CellGrid& board) : board_(board), litAt_(board.Count(), -1) {
        clock_.start();
        for (int k = 0; k < board.Count(); ++k) {
            board.Cell(k)->installEventFilter(this);
        }
    }
    // Brackets a press of Next Sequence: the flash of an answer click is no target.
    void Showing(bool showing) {
        showing_ = showing;
        std::fill(litAt_.begin(), litAt_.end(), -1);
    }
    std::vector<double> litMs;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !showing_) {
            return false;
        }
        const auto* square = static_cast<const GridCell*>(watched);
        double& since = litAt_[std::size_t(square->Index())];
        const bool lit = square->BackColor() != QColor(Qt::white);
        const double now = double(clock_.nsecsElapsed()) / 1e6;
        if (lit && since < 0) {
            since = now;
        } else if (!lit && since >= 0) {
            litMs.push_back(now - since);
            since = -1;
        }
        return false;
    }

private:
    const CellGrid& board_;
    QElapsedTimer clock_;
    std::vector<double> litAt_;
    bool showing_ = false;
};

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(q * double(values.size() - 1)))];
}

} // namespace

int main(int argc, char** argv) {
    if (!RunOnDisplay(argc, argv, {800, 600})) {
        return 1;
    }
    QApplication app(argc, argv);
    SetUpAppearance(app);
    RegisterVisualSequencing();

    auto& options = Forms::Get<frmVSS2o>();
    Forms::Show(options);
    options.cboSpeed->SetText("0.10");
    options.cboMaxSeq->SetText(QString::number(SquaresPerSequence));
    options.cboPracTime->SetText("60");
    Forms::Show(frmVSS2t::Name);
    auto& therapy = Forms::Get<frmVSS2t>();
    if (!QTest::qWaitForWindowExposed(&therapy)) {
        std::fprintf(stderr, "bench_visual_sequencing: the therapy screen was never shown\n");
        return 1;
    }

    LitClock litClock(*therapy.cmdX);
    therapy.cmdStart->click();
    for (int sequence = 0; sequence < Sequences; ++sequence) {
        litClock.Showing(true);
        therapy.cmdNextPat->click();
        litClock.Showing(false);
        // The first square answered, which offers Next Sequence again.
        therapy.cmdX->Cell(therapy.Sequence[1] - 1)->click();
        QApplication::processEvents();
    }
    therapy.cmdStart->click(); // Stop

    const std::vector<double>& lit = litClock.litMs;
    if (lit.size() != std::size_t(Sequences * SquaresPerSequence)) {
        std::fprintf(stderr, "bench_visual_sequencing: %zu squares timed, %d expected\n",
                     lit.size(), Sequences * SquaresPerSequence);
        return 1;
    }
    std::vector<double> errors;
    double sum = 0;
    for (double ms : lit) {
        errors.push_back(std::fabs(ms - RequestedMs));
        sum += ms;
    }
    const double median = Quantile(errors, 0.5);
    const double p95 = Quantile(errors, 0.95);
    std::printf("Visual Sequencing lit squares: display speed 0.10 s, %d sequences of %d, "
                "platform %s\n",
                Sequences, SquaresPerSequence, qPrintable(QGuiApplication::platformName()));
    std::printf("  lit (paint to paint): median error %.2f ms, p95 error %.2f ms, mean %.2f ms, "
                "shortest %.2f ms, longest %.2f ms\n",
                median, p95, sum / double(lit.size()), *std::min_element(lit.begin(), lit.end()),
                *std::max_element(lit.begin(), lit.end()));
    std::printf("  target (median < 3 ms, p95 < 10 ms): %s\n",
                median < 3 && p95 < 10 ? "met" : "NOT met");
    Forms::UnloadAll();
    return 0;
}
