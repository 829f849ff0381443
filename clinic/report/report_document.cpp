#include "clinic/report/report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

// The text as the screen shows it: a run of blanks stays a run of blanks
// ("3 Mins  7 Secs"), where HTML would fold it into one.
QString Escaped(const QString& text) {
    return text.trimmed().toHtmlEscaped().replace("  ", "&nbsp; ");
}

QString WhenText(const QDateTime& when) {
    return QLocale().toString(when, "d MMMM yyyy, HH:mm");
}

// "7 December 2026, 10:00 to 10:15", with the second date only when the
// practice ran past midnight.
QString PracticePeriodText(const QDateTime& started, const QDateTime& ended) {
    if (!started.isValid() || !ended.isValid()) {
        return {};
    }
    const QString end = started.date() == ended.date() ? QLocale().toString(ended.time(), "HH:mm")
                                                       : WhenText(ended);
    return WhenText(started) + " to " + end;
}

QString FactRow(const QString& caption, const QString& value) {
    return "<tr><td width='24%'>" + caption + "</td><td><b>" + value + "</b></td></tr>";
}

// A table of caption/value lines, captions left and values right.
QString LinesTable(const QString& heading, const QList<ReportLine>& lines, const QString& empty) {
    QString html = "<h3>" + heading + "</h3>";
    if (lines.isEmpty()) {
        return html + "<p>" + empty + "</p>";
    }
    html += "<table class='lines' width='100%' cellspacing='0' cellpadding='6'>";
    for (const ReportLine& line : lines) {
        html += "<tr><td width='50%'>" + Escaped(line.caption) + "</td><td width='50%'><b>" +
                Escaped(line.text) + "</b></td></tr>";
    }
    return html + "</table>";
}

// The patient's latest practices of the exercise: when, how long, the main
// score; nothing when the history holds none.
QString LastSessionsTable(const QList<PastPractice>& sessions) {
    if (sessions.isEmpty()) {
        return {};
    }
    QString html = "<h3>Last Sessions</h3>"
                   "<table class='lines' width='100%' cellspacing='0' cellpadding='6'>"
                   "<tr><td width='34%'><b>Date</b></td><td width='26%'><b>Practice Time</b></td>"
                   "<td width='40%'><b>Score</b></td></tr>";
    for (const PastPractice& session : sessions) {
        html += "<tr><td>" + WhenText(session.started.toLocalTime()) + "</td><td>" +
                Escaped(session.practiceTime) + "</td><td>" + Escaped(session.headline) +
                "</td></tr>";
    }
    return html + "</table>";
}

// Black on white only, so it prints the same on any printer.
const char* const StyleSheet = R"(
h1 { font-size: 24pt; margin-bottom: 0px; }
h2 { font-size: 16pt; margin-top: 0px; margin-bottom: 12px; }
h3 { font-size: 13pt; margin-top: 24px; margin-bottom: 8px; }
table.lines { border-collapse: collapse; border-style: solid; border-color: #000000; }
table.lines td { border: 1px solid #000000; }
)";

} // namespace

const char* ReportStyleSheet() {
    return StyleSheet;
}

QString ReportEscaped(const QString& text) {
    return Escaped(text);
}

QString ReportTableHtml(const ReportTable& table) {
    QString html = "<h3>" + Escaped(table.heading) +
                   "</h3><table class='lines' width='100%' cellspacing='0' cellpadding='6'><tr>";
    for (const QString& column : table.columns) {
        html += "<td><b>" + Escaped(column) + "</b></td>";
    }
    html += "</tr>";
    for (const QStringList& row : table.rows) {
        html += "<tr>";
        for (const QString& cell : row) {
            html += "<td>" + Escaped(cell) + "</td>";
        }
        html += "</tr>";
    }
    return html + "</table>";
}

std::unique_ptr<QTextDocument> ReportDocument(const PracticeReport& report,
                                              const QDateTime& printedAt) {
    auto document = std::make_unique<QTextDocument>();
    QFont font("Sans Serif", 11);
    font.setStyleHint(QFont::SansSerif);
    document->setDefaultFont(font);
    document->setDefaultStyleSheet(StyleSheet);
    document->setMetaInformation(QTextDocument::DocumentTitle, "KOVA " + report.exercise);

    const QString name = report.patientName.trimmed().isEmpty() ? QString("No name entered")
                                                                : Escaped(report.patientName);
    QString html = "<h1>KOVA</h1><h2>" + Escaped(report.exercise) + "</h2>";
    html += "<table width='100%' cellspacing='0' cellpadding='3'>";
    html += FactRow("Patient", name);
    html += FactRow("Printed", WhenText(printedAt));
    const QString period = PracticePeriodText(report.started, report.ended);
    if (!period.isEmpty()) {
        html += FactRow("Practice", period);
    }
    html += FactRow("Practice Time", Escaped(report.practiceTime));
    html += "</table>";
    html += LinesTable("Scores", report.scores, "No scores.");
    html += LastSessionsTable(report.lastSessions);
    for (const ReportTable& table : report.tables) {
        html += ReportTableHtml(table);
    }
    html += LinesTable("Options", report.options, "This exercise has no options.");
    document->setHtml(html);
    return document;
}

void PaintDocument(QPainter& painter, QPagedPaintDevice& page, QTextDocument& document) {
    document.documentLayout()->setPaintDevice(&page);
    const QSizeF room = page.pageLayout().paintRectPixels(page.logicalDpiX()).size();
    // Laid out at the page's width; a document longer than the page is laid
    // out wider and drawn smaller, until it fits.
    double scale = 1.0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        document.setTextWidth(room.width() / scale);
        const double height = document.size().height() * scale;
        if (height <= room.height()) {
            break;
        }
        scale *= room.height() / height;
    }
    painter.save();
    painter.scale(scale, scale);
    document.drawContents(&painter);
    painter.restore();
}

void PaintReport(QPainter& painter, QPagedPaintDevice& page, const PracticeReport& report,
                 const QDateTime& printedAt) {
    const std::unique_ptr<QTextDocument> document = ReportDocument(report, printedAt);
    PaintDocument(painter, page, *document);
}

QPageSize::PageSizeId PaperFor(const QLocale& locale) {
    static const QList<QLocale::Territory> letterTerritories = {
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,   QLocale::CostaRica, QLocale::Guatemala,
        QLocale::Panama,       QLocale::PuertoRico, QLocale::Venezuela, QLocale::DominicanRepublic,
        QLocale::ElSalvador,   QLocale::Nicaragua};
    return letterTerritories.contains(locale.territory()) ? QPageSize::Letter : QPageSize::A4;
}

QString ReportFileBaseName(const PracticeReport& report, const QDate& printedOn) {
    QString name = "KOVA " + report.exercise + " " + printedOn.toString(Qt::ISODate);
    if (!report.patientName.trimmed().isEmpty()) {
        name += " " + report.patientName;
    }
    static const QRegularExpression notInFileNames(R"([\\/:*?"<>|\x00-\x1f])");
    name.replace(notInFileNames, " ");
    return name.simplified();
}
