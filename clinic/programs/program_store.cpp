#include "clinic/programs/program_store.h"

#include "clinic/programs/step_check.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char* const ProgramColumns =
    "SELECT id, patient, name, days, sessions_per_week, is_current FROM program ";

// The stored UTC text of the local day's first moment (as practice times are kept).
QString storedDayStart(QDate day) {
    return day.startOfDay().toUTC().toString(Qt::ISODateWithMs);
}

} // namespace

QString StoredOptions(const OptionValues& options) {
    QJsonArray pairs;
    for (const OptionValue& option : options) {
        pairs.append(QJsonArray{option.control, option.value});
    }
    return QString::fromUtf8(QJsonDocument(pairs).toJson(QJsonDocument::Compact));
}

std::optional<OptionValues> OptionsFromStored(const QString& stored) {
    const QJsonDocument document = QJsonDocument::fromJson(stored.toUtf8());
    if (!document.isArray()) {
        return std::nullopt;
    }
    OptionValues options;
    for (const QJsonValue& pair : document.array()) {
        const QJsonArray both = pair.toArray();
        if (both.size() != 2 || !both[0].isString() || !both[1].isString()) {
            return std::nullopt;
        }
        options.append({both[0].toString(), both[1].toString()});
    }
    return options;
}

bool ProgramStore::exec(QSqlQuery& query) {
    if (query.exec()) {
        return true;
    }
    lastError_ = query.lastError().text();
    return false;
}

std::optional<qint64> ProgramStore::Save(const TherapyProgram& program) {
    if (!history_.IsOpen()) {
        return std::nullopt;
    }
    // A step its exercise would refuse never reaches the database, so never a therapy screen.
    if (const std::optional<QString> refusal = KeepingRefusal(program)) {
        lastError_ = *refusal;
        return std::nullopt;
    }
    QSqlDatabase db = history_.Connection();
    if (!db.transaction()) {
        lastError_ = db.lastError().text();
        return std::nullopt;
    }
    std::optional<qint64> id;
    {
        QSqlQuery write(db);
        if (program.id == 0) {
            write.prepare("INSERT INTO program (patient, name, days, sessions_per_week,"
                          " is_current) VALUES (?, ?, ?, ?, ?) RETURNING id");
        } else {
            write.prepare("UPDATE program SET patient = ?, name = ?, days = ?,"
                          " sessions_per_week = ?, is_current = ? WHERE id = ? RETURNING id");
        }
        for (const QVariant& value :
             {QVariant(program.patient), QVariant(program.name), QVariant(program.days),
              QVariant(program.sessionsPerWeek), QVariant(program.current ? 1 : 0)}) {
            write.addBindValue(value);
        }
        if (program.id != 0) {
            write.addBindValue(program.id);
        }
        if (exec(write) && write.next()) {
            id = write.value(0).toLongLong();
        }
    }
    bool written = id.has_value() && writeSteps(*id, program.steps);
    if (written && program.current) {
        QSqlQuery others(db);
        others.prepare("UPDATE program SET is_current = 0 WHERE patient = ? AND id <> ?");
        others.addBindValue(program.patient);
        others.addBindValue(*id);
        written = exec(others);
    }
    if (!written || !db.commit()) {
        if (written) {
            lastError_ = db.lastError().text();
        }
        db.rollback();
        return std::nullopt;
    }
    return id;
}

bool ProgramStore::writeSteps(qint64 id, const QList<ProgramStep>& steps) {
    QSqlQuery clear(history_.Connection());
    clear.prepare("DELETE FROM program_step WHERE program_id = ?");
    clear.addBindValue(id);
    if (!exec(clear)) {
        return false;
    }
    QSqlQuery step(history_.Connection());
    step.prepare(
        "INSERT INTO program_step (program_id, position, exercise, options) VALUES (?, ?, ?, ?)");
    for (int position = 0; position < steps.size(); ++position) {
        step.addBindValue(id);
        step.addBindValue(position);
        step.addBindValue(steps[position].exercise);
        step.addBindValue(StoredOptions(steps[position].options));
        if (!exec(step)) {
            return false;
        }
    }
    return true;
}

QList<TherapyProgram> ProgramStore::programsWhere(const QString& column, const QVariant& value) {
    QList<TherapyProgram> programs;
    if (!history_.IsOpen()) {
        return programs;
    }
    QSqlQuery query(history_.Connection());
    query.setForwardOnly(true);
    query.prepare(ProgramColumns + QString("WHERE %1 = ? ORDER BY id").arg(column));
    query.addBindValue(value);
    if (!exec(query)) {
        return programs;
    }
    QHash<qint64, int> indexOf;
    while (query.next()) {
        TherapyProgram p;
        p.id = query.value(0).toLongLong();
        p.patient = query.value(1).toString();
        p.name = query.value(2).toString();
        p.days = query.value(3).toInt();
        p.sessionsPerWeek = query.value(4).toInt();
        p.current = query.value(5).toInt() != 0;
        indexOf.insert(p.id, static_cast<int>(programs.size()));
        programs.append(std::move(p));
    }
    QSqlQuery steps(history_.Connection());
    steps.setForwardOnly(true);
    steps.prepare("SELECT s.program_id, s.exercise, s.options FROM program_step s"
                  " JOIN program p ON p.id = s.program_id WHERE p." +
                  column + " = ? ORDER BY s.program_id, s.position");
    steps.addBindValue(value);
    if (!exec(steps)) {
        return {};
    }
    while (steps.next()) {
        const auto at = indexOf.find(steps.value(0).toLongLong());
        if (at == indexOf.end()) {
            continue;
        }
        // A step whose options cannot be read keeps none: checked before it runs.
        const OptionValues options =
            OptionsFromStored(steps.value(2).toString()).value_or(OptionValues{});
        programs[*at].steps.append({steps.value(1).toString(), options});
    }
    return programs;
}

QList<TherapyProgram> ProgramStore::Programs(const QString& patient) {
    return programsWhere("patient", patient);
}

std::optional<TherapyProgram> ProgramStore::Find(qint64 id) {
    const QList<TherapyProgram> found = programsWhere("id", id);
    return found.isEmpty() ? std::nullopt : std::optional(found.first());
}

std::optional<TherapyProgram> ProgramStore::Current(const QString& patient) {
    for (const TherapyProgram& program : Programs(patient)) {
        if (program.current) {
            return program;
        }
    }
    return std::nullopt;
}

bool ProgramStore::Delete(qint64 id) {
    if (!history_.IsOpen()) {
        return false;
    }
    QSqlDatabase db = history_.Connection();
    if (!db.transaction()) {
        lastError_ = db.lastError().text();
        return false;
    }
    bool deleted = true;
    for (const char* statement :
         {"UPDATE practice SET program_id = NULL, program_step = NULL WHERE program_id = ?",
          "DELETE FROM program_step WHERE program_id = ?", "DELETE FROM program WHERE id = ?"}) {
        QSqlQuery query(db);
        query.prepare(statement);
        query.addBindValue(id);
        deleted = deleted && exec(query);
    }
    if (!deleted || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

QStringList ProgramStore::Patients() {
    QStringList patients;
    if (!history_.IsOpen()) {
        return patients;
    }
    QSqlQuery query(history_.Connection());
    query.setForwardOnly(true);
    query.prepare("SELECT DISTINCT patient FROM program");
    if (exec(query)) {
        while (query.next()) {
            patients << query.value(0).toString();
        }
    }
    patients.sort(Qt::CaseInsensitive);
    return patients;
}

QSet<int> ProgramStore::StepsDoneOn(qint64 program, QDate day) {
    return StepsDoneBetween(program, day, day).value(day);
}

QHash<QDate, QSet<int>> ProgramStore::StepsDoneBetween(qint64 program, QDate first, QDate last) {
    QHash<QDate, QSet<int>> done;
    if (!history_.IsOpen()) {
        return done;
    }
    QSqlQuery query(history_.Connection());
    query.setForwardOnly(true);
    query.prepare("SELECT ended, program_step FROM practice WHERE program_id = ?"
                  " AND ended >= ? AND ended < ?");
    query.addBindValue(program);
    query.addBindValue(storedDayStart(first));
    query.addBindValue(storedDayStart(last.addDays(1)));
    if (!exec(query)) {
        return done;
    }
    while (query.next()) {
        const QDateTime ended =
            QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs).toLocalTime();
        done[ended.date()].insert(query.value(1).toInt());
    }
    return done;
}

QHash<int, QString> ProgramStore::HeadlinesOn(qint64 program, QDate day) {
    QHash<int, QString> headlines;
    if (!history_.IsOpen()) {
        return headlines;
    }
    QSqlQuery query(history_.Connection());
    query.setForwardOnly(true);
    query.prepare("SELECT program_step, headline FROM practice WHERE program_id = ?"
                  " AND ended >= ? AND ended < ? ORDER BY ended, id");
    query.addBindValue(program);
    query.addBindValue(storedDayStart(day));
    query.addBindValue(storedDayStart(day.addDays(1)));
    if (exec(query)) {
        while (query.next()) {
            headlines.insert(query.value(0).toInt(), query.value(1).toString());
        }
    }
    return headlines;
}
