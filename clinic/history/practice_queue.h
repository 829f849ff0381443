// Practices waiting for the clinic server: kept in a small SQLite file on
// this computer while the server cannot be reached, each with the server it
// is meant for, and taken out once written there.
#pragma once

#include "clinic/history/practice_store.h"
#include "shell/framework/practice_report.h"

#include <QList>
#include <QString>
#include <optional>

struct QueuedPractice {
    qint64 id = 0; // in the queue
    PracticeReport report;
    std::optional<ProgramPlace> place;
};

class PracticeQueue {
public:
    explicit PracticeQueue(QString path);

    // Keeps the practice for target; false when the file cannot be written.
    bool Add(const QString& target, const PracticeReport& report,
             std::optional<ProgramPlace> place);
    // Those waiting for target, oldest first.
    QList<QueuedPractice> Waiting(const QString& target);
    int Count(const QString& target);
    void Remove(qint64 id);
    const QString& Path() const { return path_; }

private:
    QString path_;
};

// The report as the queue keeps it, and back.
QByteArray ReportToJson(const PracticeReport& report);
PracticeReport ReportFromJson(const QByteArray& json);
