#include "clinic/history/practice_csv.h"

#include "clinic/history/practice_facts.h"

#include <QHash>
#include <QSaveFile>

namespace {

const QString TimeFormat = "yyyy-MM-dd HH:mm:ss";

// Columns by caption, in the order first met. A caption met twice in one
// practice gets a second column ("Total (2)").
class Columns {
public:
    explicit Columns(QString prefix) : prefix_(std::move(prefix)) {}

    // The column of each line, adding new ones.
    QList<int> Place(const QList<ReportLine>& lines) {
        QList<int> placed;
        QHash<QString, int> seen;
        for (const ReportLine& line : lines) {
            const QString plain = PlainCaption(line.caption);
            const int repeat = ++seen[plain];
            const QString key = repeat == 1 ? plain : plain + " (" + QString::number(repeat) + ")";
            if (!index_.contains(key)) {
                index_.insert(key, headings_.size());
                headings_ << prefix_ + shownCaption(line.caption) +
                                 (repeat == 1 ? "" : " (" + QString::number(repeat) + ")");
            }
            placed << index_.value(key);
        }
        return placed;
    }
    const QStringList& Headings() const { return headings_; }

private:
    static QString shownCaption(const QString& caption) {
        QString shown = caption.simplified();
        if (shown.endsWith(':')) {
            shown.chop(1);
        }
        return shown;
    }

    QString prefix_;
    QHash<QString, int> index_;
    QStringList headings_;
};

// The practice time has a column of its own.
QList<ReportLine> withoutPracticeTime(const QList<ReportLine>& lines) {
    QList<ReportLine> kept;
    for (const ReportLine& line : lines) {
        if (PlainCaption(line.caption) != "practice time") {
            kept << line;
        }
    }
    return kept;
}

bool looksLikeFormula(const QString& field) {
    if (field.isEmpty() || !QString("=+-@\t\r").contains(field.front())) {
        return false;
    }
    bool number = false;
    field.toDouble(&number);
    return !number;
}

QString csvField(const QString& field) {
    QString text = looksLikeFormula(field) ? "'" + field : field;
    if (text.contains(',') || text.contains('"') || text.contains('\n') || text.contains('\r')) {
        text.replace("\"", "\"\"");
        return "\"" + text + "\"";
    }
    return text;
}

} // namespace

QList<QStringList> PracticeTable(const QList<StoredPractice>& practices) {
    Columns scores("");
    Columns options("Option: ");
    QList<QList<int>> scoreColumns, optionColumns;
    for (const StoredPractice& p : practices) {
        scoreColumns << scores.Place(withoutPracticeTime(p.report.scores));
    }
    for (const StoredPractice& p : practices) {
        optionColumns << options.Place(p.report.options);
    }
    const QStringList fixed = {"Patient", "Exercise", "Started", "Ended", "Practice Time"};
    const int scoreStart = fixed.size();
    const int optionStart = scoreStart + scores.Headings().size();
    QList<QStringList> table{fixed + scores.Headings() + options.Headings()};
    for (int i = 0; i < practices.size(); ++i) {
        const PracticeReport& r = practices[i].report;
        QStringList row(optionStart + options.Headings().size());
        row[0] = r.patientName;
        row[1] = r.exercise;
        row[2] = r.started.toLocalTime().toString(TimeFormat);
        row[3] = r.ended.toLocalTime().toString(TimeFormat);
        row[4] = r.practiceTime;
        const QList<ReportLine> scoreLines = withoutPracticeTime(r.scores);
        for (int line = 0; line < scoreLines.size(); ++line) {
            row[scoreStart + scoreColumns[i][line]] = scoreLines[line].text;
        }
        for (int line = 0; line < r.options.size(); ++line) {
            row[optionStart + optionColumns[i][line]] = r.options[line].text;
        }
        table << row;
    }
    return table;
}

QByteArray CsvText(const QList<QStringList>& table) {
    QString text;
    for (const QStringList& row : table) {
        QStringList fields;
        for (const QString& field : row) {
            fields << csvField(field);
        }
        text += fields.join(',') + "\r\n";
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

bool WriteCsvFile(const QString& path, const QByteArray& csv, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
