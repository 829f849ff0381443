// Benchmark: how fast the 100-square grids answer. Runs the therapy screen on
// a real X display (again under xvfb-run when there is none) with the
// largest patterns and measures, from the click to the end of the paint that
// follows, Next Set until its pattern is painted and an answer-square click
// until that square is repainted.
#include "exercises/pattern_duplicator/frmVD8o.h"
#include "exercises/pattern_duplicator/frmVD8t.h"
#include "tests/support/bench_support.h"

#include <algorithm>

void RegisterPatternDuplicator();

namespace {

constexpr int Patterns = 100;
constexpr int SquareClicks = 300;

} // namespace

int main(int argc, char** argv) {
    const auto app = StartOnDisplay(argc, argv, RegisterPatternDuplicator);
    if (!app) {
        return 1;
    }
    auto& options = Forms::Get<frmVD8o>();
    Forms::Show(options);
    options.chkGridSize->setChecked(false);
    options.cboMaxSq->SetText("100");
    options.cboPracTime->SetText("60");
    auto* shown = ShowTherapy<frmVD8t>();
    if (shown == nullptr) {
        return 1;
    }
    auto& therapy = *shown;
    therapy.cmdStart->click();

    PaintTimer patternPaint;
    patternPaint.Watch(*therapy.lblLgrid);
    PaintTimer squarePaint;
    squarePaint.Watch(*therapy.lblRGrid);
    std::vector<double> patternMs;
    std::vector<double> squareMs;
    for (int pattern = 0; pattern < Patterns; ++pattern) {
        patternMs.push_back(patternPaint.TimeToPaint([&] { therapy.cmdNextSet->click(); }));
        for (int click = 0; click < SquareClicks / Patterns; ++click) {
            GridCell* square = therapy.lblRGrid->Cell((pattern * 37 + click * 11) % 100);
            squareMs.push_back(squarePaint.TimeToPaint([square] { square->click(); }));
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
    const Spread patterns = SpreadOf(patternMs);
    RecordSetDrawn("Pattern Duplicator 100 squares set drawn", patternMs);
    const Spread squares = SpreadOf(squareMs);
    std::printf("Pattern Duplicator, 100 squares, maximum 100, platform %s, form %dx%d\n",
                qPrintable(QGuiApplication::platformName()), therapy.width(), therapy.height());
    std::printf("  Next Set to pattern painted (%zu): median %.2f ms, p95 %.2f ms "
                "(target 20 / 40): %s\n",
                patternMs.size(), patterns.median, patterns.p95,
                MetOrNot(patterns.median < 20 && patterns.p95 < 40));
    std::printf("  square click to repainted (%zu): median %.2f ms, p95 %.2f ms "
                "(target 5 / 16): %s\n",
                squareMs.size(), squares.median, squares.p95,
                MetOrNot(squares.median < 5 && squares.p95 < 16));
    if (missed) {
        std::printf("  some clicks were never followed by a paint\n");
    }
    Forms::UnloadAll();
    return missed ? 1 : 0;
}
