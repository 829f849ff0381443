#include "clinic/programs/practices_file.h"

#include "clinic/programs/json_fields.h"

#include <QJsonDocument>
#include <QUuid>
#include <limits>

namespace {

const char* const FormatName = "kova-practices";

QString fileTime(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QJsonArray linesOf(const QList<ReportLine>& lines) {
    QJsonArray list;
    for (const ReportLine& line : lines) {
        list.append(QJsonObject{{"caption", line.caption},
                                {"shown", line.text},
                                {"number", line.number ? QJsonValue(*line.number) : QJsonValue()}});
    }
    return list;
}

std::optional<QDateTime> readTime(JsonFields& fields, const QString& key) {
    const std::optional<QString> text = fields.Text(key);
    if (!text) {
        return std::nullopt;
    }
    const QDateTime time = QDateTime::fromString(*text, Qt::ISODateWithMs);
    if (!time.isValid()) {
        fields.Refuse(key, "not a time such as 2026-12-07T09:30:00.000Z");
        return std::nullopt;
    }
    return time;
}

std::optional<QList<ReportLine>> readLines(JsonFields& practice, const QString& key) {
    const std::optional<QJsonArray> list = practice.Array(key);
    if (!list) {
        return std::nullopt;
    }
    QList<ReportLine> lines;
    for (int i = 0; i < list->size(); ++i) {
        std::optional<JsonFields> line = practice.Item(*list, key, i);
        if (!line || !line->OnlyKnown({"caption", "shown", "number"})) {
            return std::nullopt;
        }
        ReportLine read;
        read.caption = line->Text("caption").value_or(QString());
        read.text = line->Text("shown").value_or(QString());
        const QJsonValue number = line->Object().value("number");
        if (!number.isNull() && !number.isUndefined() && !number.isDouble()) {
            line->Refuse("number", "neither a number nor null");
        }
        if (number.isDouble()) {
            read.number = number.toDouble();
        }
        if (line->Refused()) {
            return std::nullopt;
        }
        lines.append(read);
    }
    return lines;
}

std::optional<PortablePractice> readPractice(JsonFields& practice, const QString& patient) {
    if (!practice.OnlyKnown({"id", "exercise", "started", "ended", "practice_time", "program",
                             "step", "options", "scores"})) {
        return std::nullopt;
    }
    PortablePractice read;
    read.report.patientName = patient;
    read.uid = practice.Text("id", false).value_or(QString());
    if (!practice.Refused() && QUuid::fromString(read.uid).isNull()) {
        practice.Refuse("id", "not a practice identity (a UUID)");
    }
    read.report.exercise = practice.Text("exercise", false).value_or(QString());
    read.report.started = readTime(practice, "started").value_or(QDateTime());
    read.report.ended = readTime(practice, "ended").value_or(QDateTime());
    read.report.practiceTime = practice.Text("practice_time").value_or(QString());
    if (practice.Has("program") || practice.Has("step")) {
        read.programName = practice.Text("program", false).value_or(QString());
        if (const std::optional<int> step =
                practice.Whole("step", 1, std::numeric_limits<int>::max())) {
            read.programStep = *step - 1;
        }
    }
    read.report.options = readLines(practice, "options").value_or(QList<ReportLine>());
    read.report.scores = readLines(practice, "scores").value_or(QList<ReportLine>());
    if (practice.Refused()) {
        return std::nullopt;
    }
    return read;
}

} // namespace

QByteArray PracticesFileText(const QString& patient, const QList<PortablePractice>& practices) {
    QJsonArray list;
    for (const PortablePractice& p : practices) {
        QJsonObject practice{
            {"id", p.uid},
            {"exercise", p.report.exercise},
            {"started", fileTime(p.report.started)},
            {"ended", fileTime(p.report.ended)},
            {"practice_time", p.report.practiceTime},
            {"options", linesOf(p.report.options)},
            {"scores", linesOf(p.report.scores)},
        };
        if (p.programStep) {
            practice.insert("program", p.programName);
            practice.insert("step", *p.programStep + 1);
        }
        list.append(practice);
    }
    const QJsonObject file{{"format", FormatName},
                           {"version", PracticesFileVersion},
                           {"patient", patient},
                           {"practices", list}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

PracticesFileReading ReadPracticesFile(const QByteArray& text) {
    PracticesFileReading reading;
    const std::optional<QJsonObject> object = JsonFileObject(text, &reading.refusal);
    if (!object) {
        return reading;
    }
    JsonFields file(*object, QString(), &reading.refusal);
    if (!file.OnlyKnown({"format", "version", "patient", "practices"})) {
        return reading;
    }
    const std::optional<QString> format = file.Text("format");
    if (format && *format != FormatName) {
        file.Refuse("format", QString("not \"%1\"").arg(FormatName));
    }
    file.Whole("version", PracticesFileVersion, PracticesFileVersion);
    reading.patient = file.Text("patient", false).value_or(QString());
    const QJsonArray list = file.Array("practices").value_or(QJsonArray());
    QList<PortablePractice> practices;
    for (int i = 0; i < list.size() && !file.Refused(); ++i) {
        if (std::optional<JsonFields> practice = file.Item(list, "practices", i)) {
            if (const std::optional<PortablePractice> read =
                    readPractice(*practice, reading.patient)) {
                practices.append(*read);
            }
        }
    }
    if (!file.Refused()) {
        reading.practices = practices;
    }
    return reading;
}
