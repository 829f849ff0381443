// Practice history: the time to record one practice (SQLite, and PostgreSQL
// when a throwaway server can be started), and the time to open the History
// window on a patient of 10,000 practices and draw it with its chart.
#include "clinic/history/frmHistory.h"
#include "clinic/history/practice_history.h"
#include "clinic/history/progress_chart.h"
#include "tests/support/bench_display.h"
#include "tests/support/fake_platform.h"
#include "tests/support/practice_samples.h"
#include "tests/support/throwaway_postgres.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

const QDateTime FirstDay(QDate(2020, 1, 6), QTime(9, 0));

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * values.size()))];
}

// Processor time of this thread: what the work costs whatever else the
// machine is doing.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void recordTimes(const char* what, const QString& target) {
    PracticeStore store(target);
    if (store.Open() != PracticeStore::Failure::None) {
        std::printf("%s: cannot open: %s\n", what, qPrintable(store.LastError()));
        return;
    }
    std::vector<double> ms, cpu;
    const QList<PracticeReport> sessions = SampleSessions("Bench", 200, FirstDay);
    for (const PracticeReport& r : sessions) {
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = threadCpuMs();
        store.Record(r);
        ms.push_back(clock.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    std::printf("record one practice, %s: median %.2f ms, 95th percentile %.2f ms; processor "
                "time median %.2f ms (200)\n",
                what, percentile(ms, 0.5), percentile(ms, 0.95), percentile(cpu, 0.5));
}

void fillHistory(const QString& target, int count) {
    PracticeStore store(target);
    store.Open();
    QSqlQuery(store.Connection()).exec("PRAGMA synchronous=OFF"); // only to make the data fast
    for (const PracticeReport& r : SampleSessions("Many Sessions", count, FirstDay)) {
        store.Record(r);
    }
}

void openAndDraw(const QString& target) {
    std::vector<double> ms, cpu;
    for (int run = 0; run < 7; ++run) {
        PracticeHistory::UseTarget(target);
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = threadCpuMs();
        frmHistory& window = frmHistory::OpenOver("frmMain", "Many Sessions", "Flipper");
        QApplication::processEvents();
        window.repaint();
        ms.push_back(clock.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
        if (run == 0) {
            std::printf("  (%lld practices listed, chart of %d sessions)\n",
                        qlonglong(window.ShownPractices().size()),
                        window.Chart().PercentMeans().sessions);
        }
        Forms::Unload(window);
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("open the History window on 10,000 practices and draw it with the chart: "
                "median %.1f ms, slowest %.1f ms; processor time median %.1f ms (7 runs, the "
                "first opens the database)\n",
                percentile(ms, 0.5), percentile(ms, 1.0), percentile(cpu, 0.5));
}

} // namespace

int main(int argc, char** argv) {
    if (!RunOnDisplay(argc, argv, {1920, 1080})) {
        return 1;
    }
    QApplication app(argc, argv);
    auto fake = std::make_unique<FakePlatform>();
    fake->Display = QSize(1920, 1080);
    SetPlatform(std::move(fake));
    QTemporaryDir folder;
    recordTimes("SQLite (WAL, full sync)", folder.filePath("record.sqlite"));
    QString reason;
    if (ThrowawayPostgres* server = ThrowawayPostgres::Shared(&reason)) {
        recordTimes("PostgreSQL (local socket)", server->Uri());
    } else {
        std::printf("record one practice, PostgreSQL: not measured (%s)\n", qPrintable(reason));
    }
    ThrowawayPostgres::StopShared();
    const QString many = folder.filePath("many.sqlite");
    fillHistory(many, 10000);
    openAndDraw(many);
    PracticeHistory::Close();
    SetPlatform(nullptr);
    return 0;
}
