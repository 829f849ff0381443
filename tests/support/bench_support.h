// What the benchmarks that time the screen share: starting on an X display
// with an exercise's screens, opening its therapy screen, clocks that watch
// paints, and the figures they print.
#pragma once

#include "shell/forms.h"
#include "tests/support/bench_display.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class CellGrid;

// The application of a benchmark on an X display (see RunOnDisplay), with
// the program's appearance and the exercise's screens registered; nothing
// when no display can be had.
std::unique_ptr<QApplication> StartOnDisplay(int& argc, char** argv, void (*registerScreens)(),
                                             QSize screen = {1024, 768});

// Shows the therapy screen (its options screen must be open) and waits until
// it is on screen; nothing, with a note on stderr, when it never is.
template <class Therapy> Therapy* ShowTherapy() {
    Forms::Show(Therapy::Name);
    auto& therapy = Forms::Get<Therapy>();
    if (!QTest::qWaitForWindowExposed(&therapy)) {
        std::fprintf(stderr, "%s: the therapy screen was never shown\n",
                     qPrintable(QCoreApplication::applicationName()));
        return nullptr;
    }
    return &therapy;
}

// Times from an action to the end of the first paint of a watched widget
// that follows it.
class PaintTimer : public QObject {
public:
    void Watch(QObject* widget);
    void Watch(const CellGrid& grid); // every cell
    // Runs act, then lets events run until a watched widget was painted: the
    // time in ms to the end of that paint, or -1 when none came within a
    // second. actMs, when given, receives how long act itself took.
    double TimeToPaint(const std::function<void()>& act, double* actMs = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool painted_ = false;
};

// Times how long something stays on screen: from the first paint of a
// watched widget that shows it to the first paint after that which does
// not. Paints count only while counting.
class OnScreenClock : public QObject {
public:
    // shows: whether what is timed is on screen, asked at a paint of the
    // given widget. apart: each widget is timed on its own (squares lit one
    // after another) rather than all of them as one picture.
    explicit OnScreenClock(std::function<bool(const QObject* painted)> shows, bool apart = false);
    void Watch(QObject* widget);
    void Watch(const CellGrid& grid); // every cell
    // Counts from now on, forgetting a showing begun before, or no more.
    void Count(bool counting);
    // Counts the next showing only.
    void CountOnce();

    std::vector<double> shownMs; // one entry per showing ended

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(const QObject*)> shows_;
    bool apart_;
    bool counting_ = false;
    bool once_ = false;
    QElapsedTimer clock_;
    std::map<const QObject*, double> shownAt_;
};

// The value at fraction q of the values in order (the lower one between two).
double Quantile(std::vector<double> values, double q);

struct Spread {
    double median = 0;
    double p95 = 0;
    double least = 0;
    double most = 0;
    double mean = 0;
};
Spread SpreadOf(const std::vector<double>& values); // at least one value

// Times in ms against the time asked for: their spread and that of their
// distance from it.
struct TimesAgainst {
    std::size_t count = 0;
    Spread times;
    Spread errors;
    // The target of a stimulus's time on screen: median error under 3 ms,
    // p95 error under 10 ms.
    bool Met() const { return errors.median < 3 && errors.p95 < 10; }
};
TimesAgainst Against(const std::vector<double>& times, double requestedMs);

// The times between successive moments.
std::vector<double> Intervals(const std::vector<double>& moments);

// "  <what>: median error ..., p95 error ..., worst error ..., mean ...,
// shortest ..., longest ..."
void PrintAgainst(const char* what, const TimesAgainst& figures);
// "  target (median < 3 ms, p95 < 10 ms): met" or "NOT met".
void PrintTarget(const TimesAgainst& figures);
const char* MetOrNot(bool met);

// ---- The benchmark table (./dev.sh bench) ----------------------------------
// Each benchmark adds its rows to the file named by KOVA_BENCH_ROWS (nothing
// when unset): the figure, the screen size (KOVA_BENCH_SCREEN, else the
// primary screen's), median, p95 and worst in ms, and the targets of each
// (none when negative). tests/bench_table.sh prints them as one table.
struct BenchTargets {
    double median = -1;
    double p95 = -1;
    double worst = -1;
};
void RecordRow(const char* figure, const Spread& ms, BenchTargets targets);
// A stimulus's time on screen: its error against the time asked for, median
// under 1 ms and p95 under 2 ms.
void RecordStimulus(const char* figure, const TimesAgainst& figures);
// A set from Next Set to drawn: p95 under 8 ms.
void RecordSetDrawn(const char* figure, const std::vector<double>& ms);
