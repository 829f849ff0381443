// Benchmark: the cost of the shared controls as they reach an X display.
// A 10 × 10 cell grid recoloured and repainted; a figure-ground set of
// 19,000 dots of widths 1 to 4 drawn and shown, in one pass and dot by dot.
#include "shell/controls/cell_grid.h"
#include "shell/controls/drawing_surface.h"
#include "tests/support/bench_display.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

struct Figures {
    double median;
    double worst;
};

// Processor time of this program so far, in ms (the X server's is not in it).
double ProcessorMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

Figures Summary(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

// Times run() (which must leave everything shown) rounds times, in ms.
template <class Run> Figures Time(int rounds, Run run) {
    std::vector<double> ms;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        run(round);
        ms.push_back(clock.nsecsElapsed() / 1e6);
        QApplication::processEvents();
    }
    return Summary(ms);
}

void GridRecolouredAndRepainted() {
    QWidget window;
    auto* grid = new CellGrid("lblRGrid", &window);
    grid->SetLayout({10, 10, 240, 240, 492, 480});
    window.resize(400, 400);
    window.show();
    QApplication::processEvents();
    const Figures figures = Time(200, [grid](int round) {
        for (int index = 0; index < grid->Count(); ++index) {
            grid->Cell(index)->SetBackColor((index + round) % 2 == 0 ? Qt::black : Qt::white);
        }
        grid->repaint();
    });
    std::printf(
        "10 x 10 grid recoloured and repainted: median %.2f ms, worst %.2f ms (200 rounds)\n",
        figures.median, figures.worst);
}

// The dots of one set: width 1 to 4 and a position, as drawn at random.
struct Dot {
    int width;
    double x, y;
    bool red;
};

std::vector<Dot> DotsOfASet() {
    std::mt19937 generator(1);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<Dot> dots;
    for (int i = 0; i < 19000; ++i) {
        const int width = static_cast<int>(std::nearbyint(unit(generator) * 3 + 1));
        dots.push_back({width, unit(generator) * 1000, unit(generator) * 1000, i % 2 == 0});
    }
    return dots;
}

template <class Painter>
void DrawDots(DrawingSurface& surface, Painter& painter, const std::vector<Dot>& dots) {
    const QColor red(Qt::red), grey(0xAF, 0xAF, 0xAF);
    for (const Dot& dot : dots) {
        surface.DrawWidth = dot.width;
        painter.PSet(dot.x, dot.y, dot.red ? red : grey);
    }
    surface.DrawWidth = 1;
}

void DotsDrawnAndShown() {
    DrawingSurface surface("frmFG1t", nullptr);
    surface.SetBackColor(Qt::black);
    surface.resize(800, 600);
    surface.Scale(0, 0, 1000, 1000);
    surface.show();
    QApplication::processEvents();
    const std::vector<Dot> dots = DotsOfASet();
    std::vector<double> drawMs, showMs, bothMs, cpuMs;
    for (int round = 0; round < 60; ++round) {
        const double cpuBefore = ProcessorMs();
        QElapsedTimer clock;
        clock.start();
        surface.Cls();
        {
            DrawingPass pass(surface);
            DrawDots(surface, pass, dots);
        }
        const qint64 drawn = clock.nsecsElapsed();
        surface.repaint();
        const qint64 shown = clock.nsecsElapsed();
        drawMs.push_back(drawn / 1e6);
        showMs.push_back((shown - drawn) / 1e6);
        bothMs.push_back(shown / 1e6);
        cpuMs.push_back(ProcessorMs() - cpuBefore);
        QApplication::processEvents();
    }
    const Figures both = Summary(bothMs);
    std::printf("19,000 dots of widths 1-4 drawn and shown in one pass, 800 x 600: median %.2f ms "
                "(drawing %.2f, showing %.2f), worst %.2f ms, this program's processor time "
                "%.2f ms (60 sets)\n",
                both.median, Summary(drawMs).median, Summary(showMs).median, both.worst,
                Summary(cpuMs).median);
    const Figures byDot = Time(10, [&](int) {
        surface.Cls();
        DrawDots(surface, surface, dots);
        surface.repaint();
    });
    std::printf("the same, one call per dot: median %.2f ms\n", byDot.median);
}

} // namespace

int main(int argc, char** argv) {
    if (!RunOnDisplay(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    GridRecolouredAndRepainted();
    DotsDrawnAndShown();
    return 0;
}
