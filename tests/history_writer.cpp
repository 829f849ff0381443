// Writes practices into a history file until it is killed, saying
// "recorded <n>" after each one is committed (the killed-writer test).
#include "clinic/history/practice_store.h"
#include "tests/support/practice_samples.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: history_writer <history file>\n", stderr);
        return 2;
    }
    PracticeStore store(QString::fromLocal8Bit(argv[1]));
    if (store.Open() != PracticeStore::Failure::None) {
        std::fprintf(stderr, "cannot open: %s\n", qPrintable(store.LastError()));
        return 1;
    }
    const QDateTime start(QDate(2026, 1, 5), QTime(9, 0));
    for (int n = 1;; ++n) {
        PracticeReport report =
            SamplePractice("Writer", "Flipper", start.addSecs(n), n % 50, 50, 1.5);
        for (int extra = 0; extra < 40; ++extra) { // longer transactions, more to tear
            report.scores.append({QString("Line %1").arg(extra), QString::number(n), double(n)});
        }
        if (!store.Record(report)) {
            std::fprintf(stderr, "cannot record: %s\n", qPrintable(store.LastError()));
            return 1;
        }
        std::printf("recorded %d\n", n);
        std::fflush(stdout);
    }
}
