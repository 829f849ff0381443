#include "clinic/programs/frmProgramSummary.h"

#include "clinic/programs/program_run.h"
#include "clinic/programs/step_check.h"
#include "clinic/report/report_document.h"
#include "clinic/report/report_output.h"
#include "shell/controls/basic.h"
#include "shell/framework/layout.h"
#include "shell/platform.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

QString scoreText(const StepOutcome& outcome) {
    switch (outcome.state) {
    case StepOutcome::State::Done:
        return outcome.headline.isEmpty() ? QString("done") : outcome.headline;
    case StepOutcome::State::Waiting:
        return "not done";
    case StepOutcome::State::NotAvailable:
        return NotAvailableCaption;
    case StepOutcome::State::Refused:
        return "not run: " + outcome.note;
    }
    return {};
}

VbButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new VbButton(name, caption, parent);
    SetFontSize(button, 10, true);
    button->setMinimumHeight(32);
    button->setMinimumWidth(120);
    return button;
}

QString printedName(const ProgramSummary& summary) {
    QString name = "KOVA Program " + summary.day.toString(Qt::ISODate) + " " + summary.patient +
                   " " + summary.programName;
    static const QRegularExpression notInFileNames(R"([\\/:*?"<>|\x00-\x1f])");
    return name.replace(notInFileNames, " ").simplified();
}

} // namespace

ProgramSummary SummaryOf(const ProgramRun& run) {
    ProgramSummary summary{run.Program().patient, run.Program().name, run.Day(), {}};
    summary.steps.heading = "Today's Program";
    summary.steps.columns = {"Step", "Exercise", "Score"};
    for (int i = 0; i < run.Outcomes().size(); ++i) {
        summary.steps.rows << QStringList{QString::number(i + 1), run.Program().steps[i].exercise,
                                          scoreText(run.Outcomes()[i])};
    }
    return summary;
}

std::unique_ptr<QTextDocument> ProgramSummaryDocument(const ProgramSummary& summary,
                                                      const QDateTime& printedAt) {
    auto document = std::make_unique<QTextDocument>();
    QFont font("Sans Serif", 11);
    font.setStyleHint(QFont::SansSerif);
    document->setDefaultFont(font);
    document->setDefaultStyleSheet(ReportStyleSheet());
    document->setMetaInformation(QTextDocument::DocumentTitle, "KOVA " + summary.programName);
    auto row = [](const QString& caption, const QString& value) {
        return "<tr><td width='24%'>" + caption + "</td><td><b>" + value + "</b></td></tr>";
    };
    QString html = "<h1>KOVA</h1><h2>" + ReportEscaped(summary.programName) + "</h2>";
    html += "<table width='100%' cellspacing='0' cellpadding='3'>";
    html += row("Patient", ReportEscaped(summary.patient));
    html += row("Session", QLocale().toString(summary.day, "d MMMM yyyy"));
    html += row("Printed", QLocale().toString(printedAt, "d MMMM yyyy, HH:mm"));
    html += "</table>";
    html += ReportTableHtml(summary.steps);
    document->setHtml(html);
    return document;
}

frmProgramSummary::frmProgramSummary() : Form(Name) {
    setWindowTitle("KOVA  Today's Program");
    // The menu behind takes no clicks while the summary is open.
    HoldWhileOpen("frmMain");
    auto* layout = new QVBoxLayout(this);
    lblProgram = new VbLabel("lblProgram", "", this);
    SetFontSize(lblProgram, 12, true);
    lblProgram->setWordWrap(true);
    layout->addWidget(lblProgram);
    grdSteps = new QTableWidget(0, 3, this);
    grdSteps->setObjectName("grdSteps");
    grdSteps->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdSteps->setSelectionMode(QAbstractItemView::NoSelection);
    grdSteps->verticalHeader()->hide();
    grdSteps->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grdSteps->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    grdSteps->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    layout->addWidget(grdSteps, 1);
    auto* buttons = new QHBoxLayout;
    auto* cmdPrint = makeButton("cmdPrint", "Print...", this);
    auto* cmdSavePdf = makeButton("cmdSavePdf", "Save PDF...", this);
    auto* cmdClose = makeButton("cmdClose", "Close", this);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdSavePdf);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    connect(cmdPrint, &QPushButton::clicked, this, &frmProgramSummary::cmdPrint_Click);
    connect(cmdSavePdf, &QPushButton::clicked, this, &frmProgramSummary::cmdSavePdf_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmProgramSummary::cmdClose_Click);
}

void frmProgramSummary::Form_Load() {
    const QSize display = platform().DisplaySize();
    resize(std::min(display.width() - 40, 720), std::min(display.height() - 60, 480));
}

frmProgramSummary& frmProgramSummary::ShowRun(const ProgramRun& run) {
    auto& window = Forms::Get<frmProgramSummary>();
    window.showSummary(SummaryOf(run));
    Forms::Show(window);
    return window;
}

void frmProgramSummary::showSummary(ProgramSummary summary) {
    summary_ = std::move(summary);
    lblProgram->setText(QString("%1: %2, %3")
                            .arg(summary_.patient, summary_.programName,
                                 QLocale().toString(summary_.day, "d MMMM yyyy")));
    grdSteps->setHorizontalHeaderLabels(summary_.steps.columns);
    grdSteps->setRowCount(int(summary_.steps.rows.size()));
    for (int row = 0; row < summary_.steps.rows.size(); ++row) {
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(summary_.steps.rows[row].value(column));
            item->setToolTip(item->text());
            grdSteps->setItem(row, column, item);
        }
    }
}

namespace {

PrintableDocument printable(const ProgramSummary& summary) {
    return {"KOVA " + summary.programName, printedName(summary),
            [summary](const QDateTime& printedAt) {
                return ProgramSummaryDocument(summary, printedAt);
            }};
}

} // namespace

void frmProgramSummary::cmdPrint_Click() {
    PrintDocument(printable(summary_), this);
}

void frmProgramSummary::cmdSavePdf_Click() {
    SaveDocumentPdf(printable(summary_), this);
}

void frmProgramSummary::cmdClose_Click() {
    Forms::Unload(*this);
}
