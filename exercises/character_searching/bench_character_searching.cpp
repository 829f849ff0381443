// Benchmark: how fast a grid reaches the screen. Runs the therapy screen on a
// real X display (again under xvfb-run when there is none) and measures, from
// the key or click to the end of the paint that shows it, Next Set until the
// grid is painted and Enter until the answer grid is painted, for the
// largest grids: 15 × 15 at font 18 and 10 × 15 at font 30.
#include "exercises/character_searching/frmFG7o.h"
#include "exercises/character_searching/frmFG7t.h"
#include "tests/support/bench_support.h"

#include <algorithm>

void RegisterCharacterSearching();

namespace {

constexpr int Grids = 50;

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
    PaintTimer watch;
    watch.Watch(therapy.surface);
    Run run;
    for (int grid = 0; grid < Grids; ++grid) {
        run.gridMs.push_back(watch.TimeToPaint([&] { therapy.cmdBegin->click(); }));
        QTest::keyClick(therapy.txtAns, '9');
        run.answerMs.push_back(
            watch.TimeToPaint([&] { QTest::keyClick(therapy.txtAns, Qt::Key_Return); }));
    }
    therapy.cmdStart->click(); // Stop
    Forms::Unload(frmFG7t::Name);
    return run;
}

bool Report(const char* what, const std::vector<double>& times) {
    const bool missed = std::count(times.begin(), times.end(), -1.0) > 0;
    const double p95 = Quantile(times, 0.95);
    std::printf("  %s (%zu): median %.2f ms, p95 %.2f ms (target p95 < 16 ms): %s%s\n", what,
                times.size(), Quantile(times, 0.5), p95, MetOrNot(p95 < 16),
                missed ? ", some never painted" : "");
    return !missed;
}

} // namespace

int main(int argc, char** argv) {
    const auto app = StartOnDisplay(argc, argv, RegisterCharacterSearching, {800, 600});
    if (!app) {
        return 1;
    }
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
        const QByteArray row =
            QByteArray("Character Searching ") + size.rows + "x" + size.perRow + " set drawn";
        RecordSetDrawn(row.constData(), run.gridMs);
        painted = Report("Enter to answer grid painted", run.answerMs) && painted;
    }
    Forms::UnloadAll();
    return painted ? 0 : 1;
}
