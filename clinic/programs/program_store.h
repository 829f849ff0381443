// The patients' therapy programs, kept in the practice history database
// beside the practices they led to.
#pragma once

#include "clinic/history/practice_store.h"
#include "clinic/programs/therapy_program.h"

#include <QDate>
#include <QSet>
#include <optional>

class ProgramStore {
public:
    // Works on the history's open connection; the history must outlive it.
    explicit ProgramStore(PracticeStore& history) : history_(history) {}

    // Stores a new program (id 0) or replaces the stored one of that id, with
    // all its steps, in one transaction; a current program makes the
    // patient's other programs not current. A step its exercise's screen
    // refuses is refused (LastError says which). Its id, or nothing on failure.
    std::optional<qint64> Save(const TherapyProgram& program);
    // The patient's programs, in the order they were made.
    QList<TherapyProgram> Programs(const QString& patient);
    std::optional<TherapyProgram> Find(qint64 id);
    // The patient's current program, if any.
    std::optional<TherapyProgram> Current(const QString& patient);
    // Deletes the program; the practices it led to stay, without it.
    bool Delete(qint64 id);
    // Every patient with a program, sorted.
    QStringList Patients();

    // The steps of the program with a practice that ended on that day (local time).
    QSet<int> StepsDoneOn(qint64 program, QDate day);
    // Each day from first to last (local time) with the steps done that day.
    QHash<QDate, QSet<int>> StepsDoneBetween(qint64 program, QDate first, QDate last);
    // The main score of each step's last practice that ended on that day.
    QHash<int, QString> HeadlinesOn(qint64 program, QDate day);

    QString LastError() const { return lastError_; }

private:
    bool exec(class QSqlQuery& query);
    bool writeSteps(qint64 id, const QList<ProgramStep>& steps);
    // The programs whose column holds value (a fixed column name, never user text).
    QList<TherapyProgram> programsWhere(const QString& column, const QVariant& value);

    PracticeStore& history_;
    QString lastError_;
};

// The options of a step as stored: a JSON array of [control, value] pairs.
QString StoredOptions(const OptionValues& options);
std::optional<OptionValues> OptionsFromStored(const QString& stored);
