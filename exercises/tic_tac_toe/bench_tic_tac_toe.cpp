// Benchmark: how long a pattern of X's is really on screen. Runs the therapy
// screen on an X display at a display speed of 0.1 s and measures, for each
// pattern, the time from the paint that shows its X's to the paint that
// blanks them.
// Without a display it runs itself again under xvfb-run.
#include "exercises/tic_tac_toe/frmVSS1o.h"
#include "exercises/tic_tac_toe/frmVSS1t.h"
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
#include <vector>

void RegisterTicTacToe();

namespace {

constexpr int RequestedMs = 100;
constexpr int Patterns = 30;

// Watches the board's cells: the first paint with an X on the board starts
// a display, the first paint of an empty board after it ends the display.
class FlashClock : public QObject {
public:
    FlashClock(const QElapsedTimer& clock, const CellGrid& board) : clock_(clock), board_(board) {}
    void PatternAsked() { waitingForX_ = true; }
    std::vector<double> shownMs;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        const bool anyX = boardHasX();
        if (waitingForX_ && anyX) {
            shownAt_ = clock_.nsecsElapsed();
            waitingForX_ = false;
            waitingForBlank_ = true;
        } else if (waitingForBlank_ && !anyX) {
            shownMs.push_back(double(clock_.nsecsElapsed() - shownAt_) / 1e6);
            waitingForBlank_ = false;
        }
        return false;
    }

private:
    bool boardHasX() const {
        for (int k = 0; k < board_.Count(); ++k) {
            if (board_.Cell(k)->Caption() == "X") {
                return true;
            }
        }
        return false;
    }

    const QElapsedTimer& clock_;
    const CellGrid& board_;
    qint64 shownAt_ = 0;
    bool waitingForX_ = false;
    bool waitingForBlank_ = false;
};

double At(const std::vector<double>& sorted, double q) {
    return sorted[std::min(sorted.size() - 1, std::size_t(q * double(sorted.size() - 1)))];
}

} // namespace

int main(int argc, char** argv) {
    if (!RunOnDisplay(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    SetUpAppearance(app);
    RegisterTicTacToe();

    auto& options = Forms::Get<frmVSS1o>();
    Forms::Show(options);
    options.cboSpeed->SetText("0.10");
    options.cboMaxX->SetText("7");
    options.cboPracTime->SetText("60");
    Forms::Show(frmVSS1t::Name);
    auto& therapy = Forms::Get<frmVSS1t>();

    QElapsedTimer clock;
    clock.start();
    FlashClock flashClock(clock, *therapy.cmdX);
    for (int k = 0; k < therapy.cmdX->Count(); ++k) {
        therapy.cmdX->Cell(k)->installEventFilter(&flashClock);
    }
    const auto nextPattern = [&] {
        flashClock.PatternAsked();
        therapy.cmdNextPat->click();
    };
    // After each display: check the answer, then the next pattern, until enough were timed.
    QObject::connect(therapy.Timer1, &VbTimer::Timer, &flashClock, [&] {
        QTimer::singleShot(100, &therapy, [&] {
            therapy.cmdChkAnswer->click();
            if (flashClock.shownMs.size() >= std::size_t(Patterns)) {
                therapy.cmdStart->click(); // Stop
                app.quit();
            } else {
                QTimer::singleShot(50, &therapy, nextPattern);
            }
        });
    });
    QTimer::singleShot(300, &therapy, [&] {
        therapy.cmdStart->click();
        nextPattern();
    });
    app.exec();

    std::vector<double>& shown = flashClock.shownMs;
    if (shown.size() < std::size_t(Patterns)) {
        std::fprintf(stderr, "bench_tic_tac_toe: only %zu displays timed\n", shown.size());
        return 1;
    }
    std::vector<double> errors;
    double sum = 0;
    for (double ms : shown) {
        errors.push_back(std::fabs(ms - RequestedMs));
        sum += ms;
    }
    std::sort(errors.begin(), errors.end());
    std::sort(shown.begin(), shown.end());
    const double median = At(errors, 0.5);
    const double p95 = At(errors, 0.95);
    std::printf("Tic Tac Toe display time: display speed 0.10 s, %zu patterns, platform %s\n",
                shown.size(), qPrintable(QGuiApplication::platformName()));
    std::printf("  X's on screen (paint to paint): median error %.2f ms, p95 error %.2f ms, "
                "mean %.2f ms, shortest %.2f ms, longest %.2f ms\n",
                median, p95, sum / double(shown.size()), shown.front(), shown.back());
    std::printf("  target (median < 3 ms, p95 < 10 ms): %s\n",
                median < 3 && p95 < 10 ? "met" : "NOT met");
    Forms::UnloadAll();
    return 0;
}
