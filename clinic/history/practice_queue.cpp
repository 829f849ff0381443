#include "clinic/history/practice_queue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <functional>
#include <utility>

namespace {

QJsonArray linesToJson(const QList<ReportLine>& lines) {
    QJsonArray array;
    for (const ReportLine& line : lines) {
        QJsonObject o{{"caption", line.caption}, {"text", line.text}, {"setting", line.setting}};
        if (line.number) {
            o.insert("number", *line.number);
        }
        array.append(o);
    }
    return array;
}

QList<ReportLine> linesFromJson(const QJsonArray& array) {
    QList<ReportLine> lines;
    for (const QJsonValue& value : array) {
        const QJsonObject o = value.toObject();
        ReportLine line{o.value("caption").toString(), o.value("text").toString(), std::nullopt,
                        o.value("setting").toBool()};
        if (o.contains("number")) {
            line.number = o.value("number").toDouble();
        }
        lines << line;
    }
    return lines;
}

QString timeText(const QDateTime& time) {
    return time.isValid() ? time.toUTC().toString(Qt::ISODateWithMs) : QString();
}

// Runs work on a connection of its own to the queue file, opened for it and
// closed after it; false when the file cannot be opened.
bool withQueue(const QString& path, const std::function<bool(QSqlDatabase&)>& work) {
    static int made = 0;
    const QString name = QString("kova_queue_%1").arg(++made);
    bool done = false;
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        if (db.open()) {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            QSqlQuery setup(db);
            done = setup.exec("PRAGMA synchronous=FULL") &&
                   setup.exec("CREATE TABLE IF NOT EXISTS waiting (id INTEGER PRIMARY KEY,"
                              " target TEXT NOT NULL, report TEXT NOT NULL, program_id INTEGER,"
                              " program_step INTEGER)") &&
                   work(db);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

} // namespace

QByteArray ReportToJson(const PracticeReport& report) {
    const QJsonObject o{
        {"exercise", report.exercise},         {"patient", report.patientName},
        {"started", timeText(report.started)}, {"ended", timeText(report.ended)},
        {"practiceTime", report.practiceTime}, {"options", linesToJson(report.options)},
        {"scores", linesToJson(report.scores)}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

PracticeReport ReportFromJson(const QByteArray& json) {
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    PracticeReport report;
    report.exercise = o.value("exercise").toString();
    report.patientName = o.value("patient").toString();
    report.started = QDateTime::fromString(o.value("started").toString(), Qt::ISODateWithMs);
    report.ended = QDateTime::fromString(o.value("ended").toString(), Qt::ISODateWithMs);
    report.practiceTime = o.value("practiceTime").toString();
    report.options = linesFromJson(o.value("options").toArray());
    report.scores = linesFromJson(o.value("scores").toArray());
    return report;
}

PracticeQueue::PracticeQueue(QString path) : path_(std::move(path)) {}

bool PracticeQueue::Add(const QString& target, const PracticeReport& report,
                        std::optional<ProgramPlace> place) {
    return withQueue(path_, [&](QSqlDatabase& db) {
        QSqlQuery insert(db);
        insert.prepare("INSERT INTO waiting (target, report, program_id, program_step)"
                       " VALUES (?, ?, ?, ?)");
        insert.addBindValue(target);
        insert.addBindValue(QString::fromUtf8(ReportToJson(report)));
        insert.addBindValue(place ? QVariant(place->program)
                                  : QVariant(QMetaType(QMetaType::LongLong)));
        insert.addBindValue(place ? QVariant(place->step) : QVariant(QMetaType(QMetaType::Int)));
        return insert.exec();
    });
}

QList<QueuedPractice> PracticeQueue::Waiting(const QString& target) {
    QList<QueuedPractice> waiting;
    if (!QFile::exists(path_)) {
        return waiting;
    }
    withQueue(path_, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare("SELECT id, report, program_id, program_step FROM waiting"
                      " WHERE target = ? ORDER BY id");
        query.addBindValue(target);
        if (!query.exec()) {
            return false;
        }
        while (query.next()) {
            QueuedPractice practice;
            practice.id = query.value(0).toLongLong();
            practice.report = ReportFromJson(query.value(1).toString().toUtf8());
            if (!query.value(2).isNull()) {
                practice.place = ProgramPlace{query.value(2).toLongLong(), query.value(3).toInt()};
            }
            waiting << practice;
        }
        return true;
    });
    return waiting;
}

int PracticeQueue::Count(const QString& target) {
    return int(Waiting(target).size());
}

void PracticeQueue::Remove(qint64 id) {
    withQueue(path_, [id](QSqlDatabase& db) {
        QSqlQuery remove(db);
        remove.prepare("DELETE FROM waiting WHERE id = ?");
        remove.addBindValue(id);
        return remove.exec();
    });
}
