// Benchmark: how fast a grid reaches the screen. Runs the therapy screen on a
// real X display (again under xvfb-run when there is none) and measures, from
// the key or click to the end of the paint that shows it, Next Set until the
// grid is painted and Enter until the answer grid is painted, for the
// largest grids: 15 × 15 at font 18 and 10 × 15 at font 30.
#include "exercises/character_searching/frmFG7o.h"
#include "exercises/character_searching/frmFG7t.h"
#include "shell/app.h"
#include "shell/forms.h"
#include "tests/support/bench_display.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

void RegisterCharacterSearching();

namespace {

constexpr int Grids = 50;

// Notes whether the watched widget was painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return false;
    }
};

// Runs act, then lets events run until the widget was painted; the time in
// ms to the end of that paint, or -1 when nothing was painted within a second.
template <class Act> double TimeToPaint(PaintWatch& watch, Act act) {
    QApplication::processEvents();
    QElapsedTimer clock;
    watch.painted = false;
    clock.start();
    act();
    while (!watch.painted && clock.elapsed() < 1000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return watch.painted ? double(clock.nsecsElapsed()) / 1e6 : -1;
}

double Quantile(std::vector<double> times, double q) {
    std::sort(times.begin(), times.end());
    return times[std::min(times.size() - 1, std::size_t(q * double(times.size() - 1)))];
}

struct Run {
    std::vector<double> gridMs;
    std::vector<double> answerMs;
};

Run RunGrids(const QString& rows, const QString& perRow, const QString& font) {
    auto& options = Forms::Get<frmFG7o>();
    Forms::Show(options);
    options.cboFont->SetText(font);
    options.cboFont_Validate();
    options.cboRows->SetText(rows);
    options.cboPerRow->SetText(perRow);
    options.cboPracTime->SetText("60");
    Forms::Show(frmFG7t::Name);
    auto& therapy = Forms::Get<frmFG7t>();
    QApplication::processEvents();
    therapy.cmdStart->click();
    PaintWatch watch(therapy.surface);
    Run run;
    for (int grid = 0; grid < Grids; ++grid) {
        run.gridMs.push_back(TimeToPaint(watch, [&] { therapy.cmdBegin->click(); }));
        QTest::keyClick(therapy.txtAns, '9');
        run.answerMs.push_back(
            TimeToPaint(watch, [&] { QTest::keyClick(therapy.txtAns, Qt::Key_Return); }));
    }
    therapy.cmdStart->click(); // Stop
    Forms::Unload(frmFG7t::Name);
    return run;
}

bool Report(const char* what, const std::vector<double>& times) {
    const bool missed = std::count(times.begin(), times.end(), -1.0) > 0;
    const double p95 = Quantile(times, 0.95);
    std::printf("  %s (%zu): median %.2f ms, p95 %.2f ms (target p95 < 16 ms): %s%s\n", what,
                times.size(), Quantile(times, 0.5), p95, p95 < 16 ? "met" : "NOT met",
                missed ? ", some never painted" : "");
    return !missed;
}

} // namespace

int main(int argc, char** argv) {
    if (!RunOnDisplay(argc, argv, {800, 600})) {
        return 1;
    }
    QApplication app(argc, argv);
    SetUpAppearance(app);
    RegisterCharacterSearching();
    bool painted = true;
    const struct {
        const char* rows;
        const char* perRow;
        const char* font;
    } sizes[] = {{"15", "15", "18"}, {"10", "15", "30"}};
    for (const auto& size : sizes) {
        const Run run = RunGrids(size.rows, size.perRow, size.font);
        std::printf("Character Searching, %s x %s at font %s, platform %s\n", size.rows,
                    size.perRow, size.font, qPrintable(QGuiApplication::platformName()));
        painted = Report("Next Set to grid painted", run.gridMs) && painted;
        painted = Report("Enter to answer grid painted", run.answerMs) && painted;
    }
    Forms::UnloadAll();
    return painted ? 0 : 1;
}
