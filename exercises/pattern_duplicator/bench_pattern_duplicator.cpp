// Benchmark: how fast the 100-square grids answer. Runs the therapy screen on
// a real X display (again under xvfb-run when there is none) with the
// largest patterns and measures, from the click to the end of the paint that
// follows, Next Set until its pattern is painted and an answer-square click
// until that square is repainted.
#include "exercises/pattern_duplicator/frmVD8o.h"
#include "exercises/pattern_duplicator/frmVD8t.h"
#include "shell/app.h"
#include "shell/forms.h"
#include "tests/support/bench_display.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>
#include <cstdio>
#include <vector>

void RegisterPatternDuplicator();

namespace {

constexpr int Patterns = 100;
constexpr int SquareClicks = 300;

// Notes whether any of the watched widgets was painted.
class PaintWatch : public QObject {
public:
    void Watch(const CellGrid* grid) {
        for (int cell = 0; cell < grid->Count(); ++cell) {
            grid->Cell(cell)->installEventFilter(this);
        }
    }
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return false;
    }
};

// Runs click, then lets events run until a watched widget was painted; the
// time in ms, or -1 when nothing was painted within a second.
template <class Click> double TimeToPaint(PaintWatch& watch, Click click) {
    QElapsedTimer clock;
    watch.painted = false;
    clock.start();
    click();
    while (!watch.painted && clock.elapsed() < 1000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QApplication::processEvents();
    return watch.painted ? double(clock.nsecsElapsed()) / 1e6 : -1;
}

struct Figures {
    double median;
    double p95;
};

Figures FiguresOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const auto at = [&times](double q) {
        return times[std::min(times.size() - 1, std::size_t(q * double(times.size() - 1)))];
    };
    return {at(0.5), at(0.95)};
}

} // namespace

int main(int argc, char** argv) {
    if (!RunOnDisplay(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    SetUpAppearance(app);
    RegisterPatternDuplicator();

    auto& options = Forms::Get<frmVD8o>();
    Forms::Show(options);
    options.chkGridSize->setChecked(false);
    options.cboMaxSq->SetText("100");
    options.cboPracTime->SetText("60");
    Forms::Show(frmVD8t::Name);
    auto& therapy = Forms::Get<frmVD8t>();
    QApplication::processEvents();
    therapy.cmdStart->click();

    PaintWatch patternPaint;
    patternPaint.Watch(therapy.lblLgrid);
    PaintWatch squarePaint;
    squarePaint.Watch(therapy.lblRGrid);
    std::vector<double> patternMs;
    std::vector<double> squareMs;
    for (int pattern = 0; pattern < Patterns; ++pattern) {
        patternMs.push_back(TimeToPaint(patternPaint, [&] { therapy.cmdNextSet->click(); }));
        for (int click = 0; click < SquareClicks / Patterns; ++click) {
            GridCell* square = therapy.lblRGrid->Cell((pattern * 37 + click * 11) % 100);
            squareMs.push_back(TimeToPaint(squarePaint, [square] { square->click(); }));
        }
        for (int check = 0;
             check < 3 && therapy.cmdChkAnsw->isVisible() && therapy.cmdChkAnsw->isEnabled();
             ++check) {
            therapy.cmdChkAnsw->click();
        }
    }
    therapy.cmdStart->click(); // Stop

    const bool missed = std::count(patternMs.begin(), patternMs.end(), -1.0) +
                            std::count(squareMs.begin(), squareMs.end(), -1.0) >
                        0;
    const Figures patterns = FiguresOf(patternMs);
    const Figures squares = FiguresOf(squareMs);
    std::printf("Pattern Duplicator, 100 squares, maximum 100, platform %s, form %dx%d\n",
                qPrintable(QGuiApplication::platformName()), therapy.width(), therapy.height());
    std::printf("  Next Set to pattern painted (%zu): median %.2f ms, p95 %.2f ms "
                "(target 20 / 40): %s\n",
                patternMs.size(), patterns.median, patterns.p95,
                patterns.median < 20 && patterns.p95 < 40 ? "met" : "NOT met");
    std::printf("  square click to repainted (%zu): median %.2f ms, p95 %.2f ms "
                "(target 5 / 16): %s\n",
                squareMs.size(), squares.median, squares.p95,
                squares.median < 5 && squares.p95 < 16 ? "met" : "NOT met");
    if (missed) {
        std::printf("  some clicks were never followed by a paint\n");
    }
    Forms::UnloadAll();
    return missed ? 1 : 0;
}
