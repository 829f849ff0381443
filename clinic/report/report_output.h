// Printing a practice report or saving it as a PDF file, through the
// platform's print and file dialogs. A failure is told in a message box and
// changes nothing; Cancel in a dialog does nothing.
#pragma once

#include "shell/framework/practice_report.h"

#include <QPageLayout>

class QWidget;

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
