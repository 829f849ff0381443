#include "clinic/programs/adherence_table.h"

#include "clinic/history/practice_history.h"
#include "clinic/programs/adherence.h"
#include "clinic/programs/program_store.h"
#include "shell/controls/basic.h"
#include "shell/framework/layout.h"
#include "shell/platform.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

AdherenceTable::AdherenceTable(QWidget* parent) : QGroupBox("Program Sessions", parent) {
    setObjectName("frmAdherence");
    SetFontSize(this, 10, true);
    auto* layout = new QVBoxLayout(this);
    lblProgram = new VbLabel("lblProgram", "", this);
    SetFontSize(lblProgram, 9);
    lblProgram->setWordWrap(true);
    layout->addWidget(lblProgram);
    grdAdherence = new QTableWidget(0, 3, this);
    grdAdherence->setObjectName("grdAdherence");
    QFont font = grdAdherence->font();
    font.setBold(false);
    font.setPointSize(9);
    grdAdherence->setFont(font);
    grdAdherence->horizontalHeader()->setFont(font);
    grdAdherence->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAdherence->setSelectionMode(QAbstractItemView::NoSelection);
    grdAdherence->verticalHeader()->hide();
    grdAdherence->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdAdherence->verticalHeader()->setDefaultSectionSize(grdAdherence->fontMetrics().height() + 6);
    // The week's date whole; the counts share the room left.
    grdAdherence->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdAdherence->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    layout->addWidget(grdAdherence, 1);
}

void AdherenceTable::ShowPatient(const QString& patient) {
    PracticeStore* history = PracticeHistory::Store();
    std::optional<TherapyProgram> program;
    if (history != nullptr && !patient.isEmpty()) {
        program = ProgramStore(*history).Current(patient);
    }
    if (!program) {
        lblProgram->setText("No current program.");
        grdAdherence->clear();
        grdAdherence->setRowCount(0);
        grdAdherence->hide();
        return;
    }
    ProgramStore programs(*history);
    const QDate today = platform().CurrentDateTime().date();
    const ReportTable table = AdherenceReportTable(
        *program, RecentAdherence(programs, *program, today, ReportedAdherenceWeeks));
    lblProgram->setText(table.heading);
    grdAdherence->show();
    grdAdherence->setHorizontalHeaderLabels(table.columns);
    grdAdherence->setRowCount(int(table.rows.size()));
    for (int row = 0; row < table.rows.size(); ++row) {
        for (int column = 0; column < table.columns.size(); ++column) {
            auto* item = new QTableWidgetItem(table.rows[row].value(column));
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignCenter);
            grdAdherence->setItem(row, column, item);
        }
    }
}
