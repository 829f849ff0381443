// Benchmark: how long a pattern of X's is really on screen. Runs the therapy
// screen on an X display at a display speed of 0.1 s and measures, for each
// pattern, the time from the paint that shows its X's to the paint that
// blanks them.
// Without a display it runs itself again under xvfb-run.
#include "exercises/tic_tac_toe/frmVSS1o.h"
#include "exercises/tic_tac_toe/frmVSS1t.h"
#include "tests/support/bench_support.h"

#include <QTimer>

void RegisterTicTacToe();

namespace {

constexpr int RequestedMs = 100;
constexpr int Patterns = 30;

bool BoardHasX(const CellGrid& board) {
    for (int k = 0; k < board.Count(); ++k) {
        if (board.Cell(k)->Caption() == "X") {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const auto app = StartOnDisplay(argc, argv, RegisterTicTacToe);
    if (!app) {
        return 1;
    }
    auto& options = Forms::Get<frmVSS1o>();
    Forms::Show(options);
    options.cboSpeed->SetText("0.10");
    options.cboMaxX->SetText("7");
    options.cboPracTime->SetText("60");
    auto* shown = ShowTherapy<frmVSS1t>();
    if (shown == nullptr) {
        return 1;
    }
    auto& therapy = *shown;

    // The first paint of a cell with an X on the board starts a display, the
    // first paint of an empty board after it ends the display.
    OnScreenClock xClock([&therapy](const QObject*) { return BoardHasX(*therapy.cmdX); });
    xClock.Watch(*therapy.cmdX);
    const auto nextPattern = [&] {
        xClock.CountOnce();
        therapy.cmdNextPat->click();
    };
    // After each display: check the answer, then the next pattern, until enough were timed.
    QObject::connect(therapy.Timer1, &VbTimer::Timer, &xClock, [&] {
        QTimer::singleShot(100, &therapy, [&] {
            therapy.cmdChkAnswer->click();
            if (xClock.shownMs.size() >= std::size_t(Patterns)) {
                therapy.cmdStart->click(); // Stop
                app->quit();
            } else {
                QTimer::singleShot(50, &therapy, nextPattern);
            }
        });
    });
    QTimer::singleShot(300, &therapy, [&] {
        therapy.cmdStart->click();
        nextPattern();
    });
    app->exec();

    if (xClock.shownMs.size() < std::size_t(Patterns)) {
        std::fprintf(stderr, "bench_tic_tac_toe: only %zu displays timed\n", xClock.shownMs.size());
        return 1;
    }
    const TimesAgainst figures = Against(xClock.shownMs, RequestedMs);
    std::printf("Tic Tac Toe display time: display speed 0.10 s, %zu patterns, platform %s\n",
                figures.count, qPrintable(QGuiApplication::platformName()));
    PrintAgainst("X's on screen (paint to paint)", figures);
    PrintTarget(figures);
    RecordStimulus("Tic Tac Toe pattern, error", figures);
    Forms::UnloadAll();
    return 0;
}
