// The practice history database: every finished practice with its options
// and score lines, per patient, in SQLite or on a PostgreSQL server.
#pragma once

#include "shell/framework/practice_report.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <optional>

// One patient of the history, for the list of patients.
struct PatientSummary {
    QString name;
    int practices = 0;
    QDateTime last; // when the newest practice ended
};

// One practice, for the list of practices and the chart.
struct PracticeSummary {
    qint64 id = 0;
    QString exercise;
    QDateTime started;
    QDateTime ended;
    QString practiceTime;
    QString headline; // the exercise's main score as shown, e.g. "Percent Correct 58%"
    std::optional<double> percentCorrect;
    std::optional<double> averageTime; // seconds
    std::optional<double> endLevel;    // the level an adaptive practice ended on
};

// Where a practice stands in a therapy program: the program's id and the
// step's index (from 0).
struct ProgramPlace {
    qint64 program = 0;
    int step = 0;
};

// A practice as stored, with every line.
struct StoredPractice {
    qint64 id = 0;
    PracticeReport report;
};

// A practice carried to another KOVA: its identity, the same wherever it is
// kept, so that it is kept once however often it is imported; and the
// program (by name) and step it was run from, if any.
struct PortablePractice {
    QString uid;
    PracticeReport report;
    QString programName;
    std::optional<int> programStep;
};

class PracticeStore {
public:
    // Why the database could not be opened.
    enum class Failure {
        None,
        Damaged,     // not a database, or a damaged one
        Unavailable, // unreadable, locked, no server
        Newer,       // written by a newer KOVA
    };

    // target: a file path (SQLite) or a "postgresql://" connection URI.
    explicit PracticeStore(QString target);
    ~PracticeStore();
    PracticeStore(const PracticeStore&) = delete;
    PracticeStore& operator=(const PracticeStore&) = delete;

    static bool IsServerUri(const QString& target);
    // The server's password, when the URI holds none (it is never written into one).
    void SetPassword(const QString& password) { password_ = password; }

    // Opens the database, creating the schema on first use; a history of an
    // older version is brought up to date in one transaction, keeping every
    // practice; one of a newer KOVA is left as it is.
    Failure Open();
    bool IsOpen() const { return open_; }
    void Close();
    // What went wrong last, for the therapist's message.
    QString LastError() const { return lastError_; }
    const QString& Target() const { return target_; }
    // The open connection, for checks and bulk work the store does not offer
    // (tests, the benchmark).
    QSqlDatabase Connection() const;

    // Records one practice in one transaction, with its place in a therapy
    // program when it was run from one; its id, or nothing on failure.
    std::optional<qint64> Record(const PracticeReport& report,
                                 std::optional<ProgramPlace> place = std::nullopt);

    // The patient's practices that ended at or after since, oldest first.
    QList<PortablePractice> PracticesSince(const QString& patient, const QDateTime& since);
    // Keeps, in one transaction, each practice whose identity is not kept
    // yet, tied to the patient's program of the same name when it has that
    // step. The number newly kept, or nothing on failure (then none is kept).
    std::optional<int> Import(const QList<PortablePractice>& practices);

    QList<PatientSummary> Patients();
    // The patient's practices, newest first.
    QList<PracticeSummary> Practices(const QString& patient);
    // The patient's newest `count` practices of one exercise, newest first.
    QList<PracticeSummary> LastPractices(const QString& patient, const QString& exercise,
                                         int count);
    // Every line of the patient's practices whose ids are given, in that order.
    QList<StoredPractice> Details(const QString& patient, const QList<qint64>& ids);

    // Whether this practice (the same patient, exercise, start and end) is
    // kept already; nothing when the database could not be asked.
    std::optional<bool> HasPractice(const PracticeReport& report);

    bool DeletePractice(qint64 id);
    bool DeletePatient(const QString& patient);

private:
    bool isServer() const { return IsServerUri(target_); }
    bool configureConnection();
    Failure connect();
    Failure failureOf(const class QSqlError& error) const;
    bool createSchema();
    // Runs the statements in one transaction: all or none.
    bool runAtOnce(const QStringList& statements);
    Failure checkSchema();
    bool exec(class QSqlQuery& query);
    // Runs the statements, each bound to value, in one transaction: all or none.
    bool deleteAtOnce(std::initializer_list<const char*> statements, const QVariant& value);
    bool run(const QString& statement);
    QList<PracticeSummary> summaries(class QSqlQuery& query);
    // Writes one practice and its lines inside the caller's transaction.
    std::optional<qint64> insertPractice(const PracticeReport& report,
                                         std::optional<ProgramPlace> place, const QString& uid);
    bool isKept(const QString& uid);
    std::optional<ProgramPlace> placeOf(const QString& patient, const QString& programName,
                                        std::optional<int> step);
    // Gives each of the patient's practices ending at or after since an
    // identity if it has none yet (practices kept before there were any).
    bool giveIdentities(const QString& patient, const QString& since);

    QString target_;
    QString password_;
    QString connectionName_;
    bool open_ = false;
    QString lastError_;
};
