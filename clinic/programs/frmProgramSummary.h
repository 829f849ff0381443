// The summary of today's program: each step with its main score, to print
// or save as PDF like the scores report.
#pragma once

#include "shell/forms.h"
#include "shell/framework/practice_report.h"

#include <QDate>
#include <memory>

class ProgramRun;
class QTableWidget;
class QTextDocument;
class VbLabel;

// What the summary shows, kept apart from the run it was made from.
struct ProgramSummary {
    QString patient;
    QString programName;
    QDate day;
    ReportTable steps; // "Step", "Exercise", "Score"
};

ProgramSummary SummaryOf(const ProgramRun& run);
std::unique_ptr<QTextDocument> ProgramSummaryDocument(const ProgramSummary& summary,
                                                      const QDateTime& printedAt);

class frmProgramSummary : public Form {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmProgramSummary";
    frmProgramSummary();

    // Opens the window over the main menu with the run's summary.
    static frmProgramSummary& ShowRun(const ProgramRun& run);

    void Form_Load() override;
    QString StaysAbove() const override { return "frmMain"; }
    void cmdPrint_Click();
    void cmdSavePdf_Click();
    void cmdClose_Click();

    const ProgramSummary& Summary() const { return summary_; }

private:
    void showSummary(ProgramSummary summary);

    ProgramSummary summary_;
    VbLabel* lblProgram;
    QTableWidget* grdSteps;
};
