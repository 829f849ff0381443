#include "tests/support/bench_support.h"

#include "shell/app.h"
#include "shell/controls/cell_grid.h"

#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>

std::unique_ptr<QApplication> StartOnDisplay(int& argc, char** argv, void (*registerScreens)(),
                                             QSize screen) {
    if (!RunOnDisplay(argc, argv, screen)) {
        return nullptr;
    }
    auto app = std::make_unique<QApplication>(argc, argv);
    SetUpAppearance(*app);
    registerScreens();
    return app;
}

void PaintTimer::Watch(QObject* widget) {
    widget->installEventFilter(this);
}

void PaintTimer::Watch(const CellGrid& grid) {
    for (int cell = 0; cell < grid.Count(); ++cell) {
        Watch(grid.Cell(cell));
    }
}

double PaintTimer::TimeToPaint(const std::function<void()>& act, double* actMs) {
    QApplication::processEvents();
    QElapsedTimer clock;
    painted_ = false;
    clock.start();
    act();
    if (actMs != nullptr) {
        *actMs = double(clock.nsecsElapsed()) / 1e6;
    }
    while (!painted_ && clock.elapsed() < 1000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    QApplication::processEvents();
    return painted_ ? ms : -1;
}

bool PaintTimer::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        painted_ = true;
    }
    return false;
}

OnScreenClock::OnScreenClock(std::function<bool(const QObject*)> shows, bool apart)
    : shows_(std::move(shows)), apart_(apart) {
    clock_.start();
}

void OnScreenClock::Watch(QObject* widget) {
    widget->installEventFilter(this);
}

void OnScreenClock::Watch(const CellGrid& grid) {
    for (int cell = 0; cell < grid.Count(); ++cell) {
        Watch(grid.Cell(cell));
    }
}

void OnScreenClock::Count(bool counting) {
    counting_ = counting;
    once_ = false;
    shownAt_.clear();
}

void OnScreenClock::CountOnce() {
    Count(true);
    once_ = true;
}

bool OnScreenClock::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint || !counting_) {
        return false;
    }
    const QObject* key = apart_ ? watched : nullptr;
    const double now = double(clock_.nsecsElapsed()) / 1e6;
    const bool showing = shows_(watched);
    const auto started = shownAt_.find(key);
    if (showing && started == shownAt_.end()) {
        shownAt_[key] = now;
    } else if (!showing && started != shownAt_.end()) {
        shownMs.push_back(now - started->second);
        shownAt_.erase(started);
        counting_ = counting_ && !once_;
    }
    return false;
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(q * double(values.size() - 1)))];
}

Spread SpreadOf(const std::vector<double>& values) {
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    return {Quantile(values, 0.5), Quantile(values, 0.95), *least, *most,
            std::accumulate(values.begin(), values.end(), 0.0) / double(values.size())};
}

TimesAgainst Against(const std::vector<double>& times, double requestedMs) {
    std::vector<double> errors;
    for (double ms : times) {
        errors.push_back(std::fabs(ms - requestedMs));
    }
    return {times.size(), SpreadOf(times), SpreadOf(errors)};
}

std::vector<double> Intervals(const std::vector<double>& moments) {
    std::vector<double> intervals;
    for (std::size_t i = 1; i < moments.size(); ++i) {
        intervals.push_back(moments[i] - moments[i - 1]);
    }
    return intervals;
}

void PrintAgainst(const char* what, const TimesAgainst& figures) {
    std::printf("  %s: median error %.2f ms, p95 error %.2f ms, worst error %.2f ms, mean %.2f ms, "
                "shortest %.2f ms, longest %.2f ms\n",
                what, figures.errors.median, figures.errors.p95, figures.errors.most,
                figures.times.mean, figures.times.least, figures.times.most);
}

void PrintTarget(const TimesAgainst& figures) {
    std::printf("  target (median < 3 ms, p95 < 10 ms): %s\n", MetOrNot(figures.Met()));
}

const char* MetOrNot(bool met) {
    return met ? "met" : "NOT met";
}

namespace {

QString ScreenLabel() {
    const QByteArray asked = qgetenv("KOVA_BENCH_SCREEN").toLower();
    if (!asked.isEmpty()) {
        return QString::fromLatin1(asked);
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr
               ? QString("-")
               : QString("%1x%2").arg(screen->size().width()).arg(screen->size().height());
}

QString Figure(double ms) {
    return ms < 0 ? QString("-") : QString::number(ms, 'f', 2);
}

} // namespace

void RecordRow(const char* figure, const Spread& ms, BenchTargets targets) {
    const QString rowsFile = qEnvironmentVariable("KOVA_BENCH_ROWS");
    if (rowsFile.isEmpty()) {
        return;
    }
    QFile rows(rowsFile);
    if (!rows.open(QIODevice::Append | QIODevice::Text)) {
        std::fprintf(stderr, "cannot add to %s\n", qPrintable(rowsFile));
        return;
    }
    const QStringList fields{
        figure,          ScreenLabel(),          Figure(ms.median),   Figure(ms.p95),
        Figure(ms.most), Figure(targets.median), Figure(targets.p95), Figure(targets.worst)};
    rows.write((fields.join('\t') + '\n').toUtf8());
}

void RecordStimulus(const char* figure, const TimesAgainst& figures) {
    RecordRow(figure, figures.errors, {1, 2, -1});
}

void RecordSetDrawn(const char* figure, const std::vector<double>& ms) {
    std::vector<double> painted;
    std::copy_if(ms.begin(), ms.end(), std::back_inserter(painted),
                 [](double v) { return v >= 0; });
    if (!painted.empty()) {
        RecordRow(figure, SpreadOf(painted), {-1, 8, -1});
    }
}
