// Benchmark: how fast a set of four 5x5 grids reaches the screen. Runs the
// therapy screen on a real X display and measures, from the Next Set click,
// the time until the last of the 100 squares is painted, and checks that
// every altered square of the odd grid is painted altered from its first
// paint. With the pre-display beep, measures when the set appears after the
// click (three 250 ms waits). Without a display it runs itself again under a
// virtual X server (xvfb-run).
#include "exercises/color_grids/frmVD1o.h"
#include "exercises/color_grids/frmVD1t.h"
#include "tests/support/bench_support.h"

#include <QEvent>
#include <algorithm>
#include <cmath>

void RegisterColorGrids();

namespace {

constexpr int Sets = 100;
constexpr int BeepSets = 20;
constexpr double BeepMs = 750;

// Watches the first paint of every square after a Next Set click: when the
// last one came, and whether an altered square was ever painted unaltered.
class SquarePaints : public QObject {
public:
    SquarePaints(const frmVD1t& therapy, const QElapsedTimer& clock)
        : therapy_(therapy), clock_(clock) {
        for (int grid = 1; grid <= ColorGrids::GridCount; ++grid) {
            const CellGrid* cells = therapy.lblGrids[std::size_t(grid - 1)];
            for (int cell = 0; cell < cells->Count(); ++cell) {
                cells->Cell(cell)->installEventFilter(this);
                where_[cells->Cell(cell)] = {grid, cell};
            }
        }
    }
    void Begin() {
        firstPainted_.clear();
        lastFirstPaintNs = firstPaintNs = -1;
    }
    bool AllPainted() const { return firstPainted_.size() == where_.size(); }
    qint64 firstPaintNs = -1;
    qint64 lastFirstPaintNs = -1;
    int alteredPaintedUnaltered = 0;
    int alteredChecked = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Paints of the last set (a blocking wait of the beep shows it
        // again) do not count: only those of the set now awaiting its answer.
        if (event->type() != QEvent::Paint || !therapy_.AwaitingAnswer()) {
            return false;
        }
        auto* square = static_cast<GridCell*>(watched);
        if (!firstPainted_.insert({square, true}).second) {
            return false;
        }
        const qint64 now = clock_.nsecsElapsed();
        if (firstPaintNs < 0) {
            firstPaintNs = now;
        }
        lastFirstPaintNs = now;
        const auto [grid, cell] = where_.at(square);
        const ColorGrids::ColorSet& set = therapy_.CurrentSet();
        const std::vector<int> altered = set.AlteredCells();
        if (grid == set.oddGrid && std::count(altered.begin(), altered.end(), cell) > 0) {
            ++alteredChecked;
            if (square->BackColor() != set.CellColor(grid, cell)) {
                ++alteredPaintedUnaltered;
            }
        }
        return false;
    }

private:
    const frmVD1t& therapy_;
    const QElapsedTimer& clock_;
    std::map<const QObject*, std::pair<int, int>> where_;
    std::map<const QObject*, bool> firstPainted_;
};

// Clicks Next Set and lets events run until every square was painted (at
// most a second more); returns false when some square never was.
bool ShowSet(frmVD1t& therapy, SquarePaints& paints) {
    QElapsedTimer wait;
    paints.Begin();
    therapy.cmdNextSet->click();
    wait.start();
    while (!paints.AllPainted() && wait.elapsed() < 1000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QApplication::processEvents();
    return paints.AllPainted();
}

struct Tally {
    int unpainted = 0;
    int alteredChecked = 0;
    int alteredPaintedUnaltered = 0;
};

// Opens the therapy screen with the beep on or off (so that its sound is
// loaded ahead as in use), shows the sets and answers each, then goes back
// to the options. Returns the time from each click to the last square
// painted, or with the beep to the first one, in ms.
std::vector<double> RunSets(frmVD1o& options, bool beep, int sets, Tally& tally) {
    options.chkSound->setChecked(beep);
    Forms::Show(frmVD1t::Name);
    auto& therapy = Forms::Get<frmVD1t>();
    QApplication::processEvents();
    therapy.cmdStart->click();
    QElapsedTimer clock;
    clock.start();
    SquarePaints paints(therapy, clock);
    std::vector<double> times;
    for (int set = 0; set < sets; ++set) {
        const qint64 clicked = clock.nsecsElapsed();
        if (!ShowSet(therapy, paints)) {
            ++tally.unpainted;
            continue;
        }
        const qint64 painted = beep ? paints.firstPaintNs : paints.lastFirstPaintNs;
        times.push_back(double(painted - clicked) / 1e6);
        therapy.cmdAns[std::size_t(set % 4)]->click();
    }
    tally.alteredChecked += paints.alteredChecked;
    tally.alteredPaintedUnaltered += paints.alteredPaintedUnaltered;
    therapy.cmdStart->click(); // Stop
    therapy.cmdOptions->click();
    QApplication::processEvents();
    return times;
}

} // namespace

int main(int argc, char** argv) {
    const auto app = StartOnDisplay(argc, argv, RegisterColorGrids);
    if (!app) {
        return 1;
    }
    auto& options = Forms::Get<frmVD1o>();
    Forms::Show(options);
    options.cboGridSize->SetText("5x5");
    options.cboPracTime->SetText("60");
    Tally tally;
    const std::vector<double> setMs = RunSets(options, false, Sets, tally);
    std::vector<double> beepErrorMs = RunSets(options, true, BeepSets, tally);
    for (double& ms : beepErrorMs) {
        ms = std::fabs(ms - BeepMs);
    }
    if (setMs.empty() || beepErrorMs.empty()) {
        std::fprintf(stderr, "bench_color_grids: no set was painted\n");
        return 1;
    }
    const Spread sets = SpreadOf(setMs);
    RecordSetDrawn("Color Grids 5x5 set drawn", setMs);
    const Spread beeps = SpreadOf(beepErrorMs);
    const bool setsMet = sets.median < 20 && sets.p95 < 40;
    const bool beepsMet = beeps.median < 10;
    std::printf("Discriminating Color Grids, 5x5, platform %s\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("  Next Set to last square painted (%zu sets): median %.2f ms, p95 %.2f ms, "
                "worst %.2f ms (target 20 / 40): %s\n",
                setMs.size(), sets.median, sets.p95, sets.most, MetOrNot(setsMet));
    std::printf("  altered squares painted unaltered first: %d of %d\n",
                tally.alteredPaintedUnaltered, tally.alteredChecked);
    std::printf("  with the beep, set painted after the click vs 750 ms (%zu sets): median "
                "error %.2f ms (target < 10): %s; p95 %.2f ms, worst %.2f ms\n",
                beepErrorMs.size(), beeps.median, MetOrNot(beepsMet), beeps.p95, beeps.most);
    if (tally.unpainted > 0) {
        std::printf("  %d sets were never fully painted\n", tally.unpainted);
    }
    Forms::UnloadAll();
    return tally.unpainted > 0 || tally.alteredPaintedUnaltered > 0 ? 1 : 0;
}
