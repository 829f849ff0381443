// The printed report of a practice: one page with a heading, the patient,
// the times, a table of the score lines and a table of the options.
#pragma once

#include "shell/framework/practice_report.h"

#include <QPageSize>
#include <memory>

class QLocale;
class QPagedPaintDevice;
class QPainter;
class QTextDocument;

// The report as a document, ready to be laid out on a page.
std::unique_ptr<QTextDocument> ReportDocument(const PracticeReport& report,
                                              const QDateTime& printedAt);

// Paints the document on the page the painter is open on, shrunk to fit
// when it is longer than the page, so it always takes one page.
void PaintDocument(QPainter& painter, QPagedPaintDevice& page, QTextDocument& document);

// A table of a report in HTML: its heading, a header row and the rows.
QString ReportTableHtml(const ReportTable& table);
// The style every printed document shares: black on white, framed tables.
const char* ReportStyleSheet();
// Escaped for HTML, a run of blanks kept as it shows on screen.
QString ReportEscaped(const QString& text);

// Paints the report on the page the painter is open on, shrunk to fit when
// it is longer than the page, so it always takes one page.
void PaintReport(QPainter& painter, QPagedPaintDevice& page, const PracticeReport& report,
                 const QDateTime& printedAt);

// Letter where it is the usual paper (the Americas' letter countries), A4
// everywhere else.
QPageSize::PageSizeId PaperFor(const QLocale& locale);

// "KOVA Flipper 2026-12-07 Ann Smith": the name a saved report is offered
// under, without the characters a file name cannot hold.
QString ReportFileBaseName(const PracticeReport& report, const QDate& printedOn);
