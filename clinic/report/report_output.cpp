#include "clinic/report/report_output.h"

#include "clinic/report/report_document.h"
#include "shell/platform.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>

namespace {

// The folder the last report went to in this run; the documents folder first.
QString& LastFolder() {
    static QString folder;
    return folder;
}

QString ProposedFolder() {
    if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir()) {
        return LastFolder();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString WithPdfSuffix(const QString& path) {
    return path.endsWith(".pdf", Qt::CaseInsensitive) ? path : path + ".pdf";
}

void TellNotSaved(const QString& path, const QString& reason) {
    platform().MsgBox("The report could not be saved as \"" + QDir::toNativeSeparators(path) +
                          "\": " + reason + ".\n\nChoose another folder or file name.",
                      vbExclamation, "KOVA");
}

void SaveTo(const PrintableDocument& document, const QString& path, const QPageLayout& layout) {
    QString error;
    if (WriteDocumentPdf(document, platform().CurrentDateTime(), path, layout, &error)) {
        LastFolder() = QFileInfo(path).absolutePath();
    } else {
        TellNotSaved(path, error);
    }
}

PrintableDocument PrintableReport(const PracticeReport& report) {
    return {"KOVA " + report.exercise,
            ReportFileBaseName(report, platform().CurrentDateTime().date()),
            [report](const QDateTime& printedAt) { return ReportDocument(report, printedAt); }};
}

} // namespace

QPageLayout ReportPageLayout() {
    return QPageLayout(QPageSize(PaperFor(QLocale())), QPageLayout::Portrait,
                       QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
}

bool WriteReportPdf(const PracticeReport& report, const QDateTime& printedAt, const QString& path,
                    const QPageLayout& layout, QString* error) {
    return WriteDocumentPdf(PrintableReport(report), printedAt, path, layout, error);
}

void PrintReport(const PracticeReport& report, QWidget* parent) {
    PrintDocument(PrintableReport(report), parent);
}

void SaveReportPdf(const PracticeReport& report, QWidget* parent) {
    SaveDocumentPdf(PrintableReport(report), parent);
}

bool WriteDocumentPdf(const PrintableDocument& document, const QDateTime& printedAt,
                      const QString& path, const QPageLayout& layout, QString* error) {
    // Drawn in memory first and written in one go, so a full disk or a
    // folder that cannot be written leaves no half file and no old file
    // replaced.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setTitle(document.title);
        writer.setCreator("KOVA");
        QPainter painter(&writer);
        const std::unique_ptr<QTextDocument> made = document.make(printedAt);
        PaintDocument(painter, writer, *made);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

void PrintDocument(const PrintableDocument& document, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportPageLayout());
    // The name "Print to File" offers for the PDF.
    printer.setDocName(document.fileName);
    if (!platform().PrintDialog(printer, parent)) {
        return;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        SaveTo(document, printer.outputFileName(), printer.pageLayout());
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        platform().MsgBox("The report could not be printed on \"" + printer.printerName() +
                              "\".\n\nCheck that the printer is ready, or save the report as "
                              "a PDF file.",
                          vbExclamation, "KOVA");
        return;
    }
    const std::unique_ptr<QTextDocument> made = document.make(platform().CurrentDateTime());
    PaintDocument(painter, printer, *made);
}

void SaveDocumentPdf(const PrintableDocument& document, QWidget* parent) {
    const QString proposed = QDir(ProposedFolder()).filePath(document.fileName + ".pdf");
    const QString chosen =
        platform().SaveFileName(parent, "Save PDF", proposed, "PDF files (*.pdf)");
    if (chosen.isEmpty()) {
        return;
    }
    SaveTo(document, WithPdfSuffix(chosen), ReportPageLayout());
}
