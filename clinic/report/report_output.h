// Printing a practice report or saving it as a PDF file, through the
// platform's print and file dialogs. A failure is told in a message box and
// changes nothing; Cancel in a dialog does nothing.
#pragma once

#include "shell/framework/practice_report.h"

#include <QPageLayout>
#include <functional>
#include <memory>

class QTextDocument;
class QWidget;

// Any document KOVA prints: made for the moment it is printed.
struct PrintableDocument {
    QString title;    // the PDF's title, e.g. "KOVA Flipper"
    QString fileName; // offered to save under, without ".pdf"
    std::function<std::unique_ptr<QTextDocument>(const QDateTime& printedAt)> make;
};

// The print dialog, then the printer chosen (or the PDF file).
void PrintDocument(const PrintableDocument& document, QWidget* parent);
// A file dialog offering the document's file name, then the file.
void SaveDocumentPdf(const PrintableDocument& document, QWidget* parent);
// Writes the document to a PDF file of one page, whole or not at all.
bool WriteDocumentPdf(const PrintableDocument& document, const QDateTime& printedAt,
                      const QString& path, const QPageLayout& layout, QString* error);

// The print dialog, then the printer chosen (or the PDF file, when the
// dialog's "Print to File" was chosen).
void PrintReport(const PracticeReport& report, QWidget* parent);

// A file dialog offering "KOVA <exercise> <date> <name>.pdf", then the file.
void SaveReportPdf(const PracticeReport& report, QWidget* parent);

// Writes the report to a PDF file of one page of that layout, whole or not
// at all; on failure returns false and leaves the reason in error.
bool WriteReportPdf(const PracticeReport& report, const QDateTime& printedAt, const QString& path,
                    const QPageLayout& layout, QString* error);

// The page of a report: A4 or Letter by the locale, 18 mm margins.
QPageLayout ReportPageLayout();
