#include "clinic/history/frmHistory.h"

#include "clinic/history/frmDatabase.h"
#include "clinic/history/practice_csv.h"
#include "clinic/history/practice_history.h"
#include "clinic/history/practice_list_model.h"
#include "clinic/history/progress_chart.h"
#include "clinic/programs/adherence_table.h"
#include "shell/controls/basic.h"
#include "shell/framework/layout.h"
#include "shell/platform.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QSet>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

const QString AllExercises = "All exercises";
constexpr int LongestFileName = 60;

VbButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new VbButton(name, caption, parent);
    SetFontSize(button, 10, true);
    button->setMinimumHeight(32);
    return button;
}

void fitTable(QTableView* table) {
    QFont font = table->font();
    font.setBold(false);
    font.setPointSize(9);
    table->setFont(font);
    table->horizontalHeader()->setFont(font);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    // Rows of one height: a list of thousands is laid out without measuring each.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setHighlightSections(false);
}

} // namespace

QString CsvFileNameFor(const QString& patient) {
    QString name;
    for (const QChar c : patient) {
        name += (c.isLetterOrNumber() || c == ' ' || c == '-' || c == '_') ? c : QChar('_');
    }
    name = name.simplified().left(LongestFileName);
    return (name.isEmpty() ? QString("Patient") : name) + " practices.csv";
}

frmHistory::frmHistory() : Form(Name) {
    setWindowTitle("KOVA  Practice History");
    auto* layout = new QVBoxLayout(this);
    lblStatus = new VbLabel("lblStatus", "", this);
    lblStatus->setWordWrap(true);
    lblStatus->hide();
    layout->addWidget(lblStatus);
    auto* sides = new QHBoxLayout;
    layout->addLayout(sides, 1);
    buildPatientSide();
    buildPracticeSide();
    sides->addWidget(findChild<QGroupBox*>("frmPatients"), 1);
    sides->addWidget(findChild<QGroupBox*>("frmPractices"), 2);
    auto* bottom = new QHBoxLayout;
    cmdDatabase = makeButton("cmdDatabase", "Database...", this);
    cmdDatabase->setMinimumWidth(120);
    bottom->addWidget(cmdDatabase);
    bottom->addStretch(1);
    cmdClose = makeButton("cmdClose", "Close", this);
    cmdClose->setMinimumWidth(120);
    bottom->addWidget(cmdClose);
    layout->addLayout(bottom);
    connect(cmdDatabase, &QPushButton::clicked, this, &frmHistory::cmdDatabase_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmHistory::cmdClose_Click);
}

void frmHistory::buildPatientSide() {
    auto* frame = MakeFrame("frmPatients", "Patients", this);
    SetFontSize(frame, 10, true);
    auto* layout = new QVBoxLayout(frame);
    lstPatients = new QTableWidget(0, 3, frame);
    lstPatients->setObjectName("lstPatients");
    lstPatients->setHorizontalHeaderLabels({"Name", "Practices", "Last"});
    fitTable(lstPatients);
    lstPatients->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstPatients->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lstPatients->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    lstPatients->horizontalHeader()->setStretchLastSection(false);
    layout->addWidget(lstPatients, 1);
    cmdDeletePatient = makeButton("cmdDeletePatient", "Delete Patient...", frame);
    layout->addWidget(cmdDeletePatient);
    adherence_ = new AdherenceTable(frame);
    layout->addWidget(adherence_, 1);
    connect(lstPatients, &QTableWidget::itemSelectionChanged, this, &frmHistory::patientChosen);
    connect(cmdDeletePatient, &QPushButton::clicked, this, &frmHistory::cmdDeletePatient_Click);
}

void frmHistory::buildPracticeSide() {
    auto* frame = MakeFrame("frmPractices", "Practices", this);
    SetFontSize(frame, 10, true);
    auto* layout = new QVBoxLayout(frame);
    auto* top = new QHBoxLayout;
    lblPractices = new VbLabel("lblPractices", "", frame);
    SetFontSize(lblPractices, 10, true);
    top->addWidget(lblPractices, 1);
    auto* lblExercise = new VbLabel("lblExercise", "Exercise:", frame);
    SetFontSize(lblExercise, 10);
    top->addWidget(lblExercise);
    cboExercise = new QComboBox(frame);
    cboExercise->setObjectName("cboExercise");
    cboExercise->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    top->addWidget(cboExercise);
    layout->addLayout(top);

    grdPractices = new QTableView(frame);
    grdPractices->setObjectName("grdPractices");
    model_ = new PracticeListModel(grdPractices);
    grdPractices->setModel(model_);
    fitTable(grdPractices);
    const QFontMetrics metrics = grdPractices->fontMetrics();
    // The exercise takes the room left; a long name cut short shows whole in its tooltip.
    QHeaderView* header = grdPractices->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    grdPractices->setColumnWidth(0, metrics.horizontalAdvance("2026-12-31 23:59") + 12);
    grdPractices->setColumnWidth(2, metrics.horizontalAdvance("59 Mins  59 Secs") + 12);
    grdPractices->setColumnWidth(3, metrics.horizontalAdvance("Percent Correct 100%") + 12);
    layout->addWidget(grdPractices, 1);

    auto* buttons = new QHBoxLayout;
    cmdDeletePractice = makeButton("cmdDeletePractice", "Delete Practice...", frame);
    cmdExport = makeButton("cmdExport", "Export CSV...", frame);
    buttons->addWidget(cmdDeletePractice);
    buttons->addWidget(cmdExport);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    chart_ = new ProgressChart(frame);
    layout->addWidget(chart_, 1);

    connect(cboExercise, &QComboBox::currentIndexChanged, this, &frmHistory::exerciseChosen);
    connect(grdPractices->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmHistory::practiceChosen);
    connect(cmdDeletePractice, &QPushButton::clicked, this, &frmHistory::cmdDeletePractice_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmHistory::cmdExport_Click);
}

frmHistory& frmHistory::OpenOver(const QString& opener, const QString& patient,
                                 const QString& exercise) {
    const bool loaded = Forms::Find(Name) != nullptr;
    auto& history = Forms::Get<frmHistory>();
    if (!loaded) {
        history.openedFrom_ = opener;
        history.firstPatient_ = patient;
        history.firstExercise_ = exercise;
        history.HoldWhileOpen(opener);
        history.showPatients();
    }
    Forms::Show(history);
    return history;
}

void frmHistory::CloseIfOpenedFrom(const QString& opener) {
    if (auto* history = Forms::Find<frmHistory>(); history && history->openedFrom_ == opener) {
        Forms::Unload(*history);
    }
}

void frmHistory::Form_Load() {
    const QSize display = platform().DisplaySize();
    resize(std::min(display.width() - 20, 1280), std::min(display.height() - 40, 860));
}

void frmHistory::showPatients() {
    setWindowTitle("KOVA  Practice History  -  " + PracticeHistory::Description());
    PracticeHistory::WriteWaiting();
    const bool usable = PracticeHistory::Store() != nullptr;
    const QString note = PracticeHistory::TakeNote();
    lblStatus->setText(usable ? note
                              : "The practice history cannot be opened; no practices can be "
                                "shown.\n" +
                                    note);
    lblStatus->setVisible(!lblStatus->text().trimmed().isEmpty());
    for (QWidget* w : std::initializer_list<QWidget*>{lstPatients, cmdDeletePatient, cboExercise,
                                                      grdPractices, cmdDeletePractice, cmdExport}) {
        w->setEnabled(usable);
    }
    loadPatients(firstPatient_);
}

void frmHistory::loadPatients(const QString& choose) {
    PracticeStore* store = PracticeHistory::Store();
    const QList<PatientSummary> patients = store ? store->Patients() : QList<PatientSummary>{};
    const QSignalBlocker quiet(lstPatients);
    lstPatients->setRowCount(int(patients.size()));
    int chosenRow = patients.isEmpty() ? -1 : 0;
    for (int row = 0; row < patients.size(); ++row) {
        const PatientSummary& p = patients[row];
        auto* name = new QTableWidgetItem(p.name);
        name->setToolTip(p.name);
        lstPatients->setItem(row, 0, name);
        lstPatients->setItem(row, 1, new QTableWidgetItem(QString::number(p.practices)));
        lstPatients->setItem(row, 2,
                             new QTableWidgetItem(p.last.toLocalTime().toString("yyyy-MM-dd")));
        if (p.name == choose) {
            chosenRow = row;
        }
    }
    lstPatients->clearSelection();
    if (chosenRow >= 0) {
        lstPatients->selectRow(chosenRow);
    }
    patientChosen();
}

QString frmHistory::ChosenPatient() const {
    const QList<QTableWidgetItem*> chosen = lstPatients->selectedItems();
    return chosen.isEmpty() ? QString() : lstPatients->item(chosen.first()->row(), 0)->text();
}

const QList<PracticeSummary>& frmHistory::ShownPractices() const {
    return model_->Practices();
}

bool frmHistory::ChoosePatient(const QString& name) {
    for (int row = 0; row < lstPatients->rowCount(); ++row) {
        if (lstPatients->item(row, 0)->text() == name) {
            lstPatients->selectRow(row);
            return true;
        }
    }
    return false;
}

void frmHistory::ChooseExercise(const QString& exercise) {
    const int index = cboExercise->findText(exercise);
    if (index >= 0) {
        cboExercise->setCurrentIndex(index);
    }
}

void frmHistory::patientChosen() {
    const QString patient = ChosenPatient();
    PracticeStore* store = PracticeHistory::Store();
    allPractices_ = patient.isEmpty() || store == nullptr ? QList<PracticeSummary>{}
                                                          : store->Practices(patient);
    lblPractices->setText(patient);
    lblPractices->setToolTip(patient);
    QStringList exercises;
    QSet<QString> seen;
    for (const PracticeSummary& p : allPractices_) {
        if (!seen.contains(p.exercise)) {
            seen.insert(p.exercise);
            exercises << p.exercise;
        }
    }
    exercises.sort(Qt::CaseInsensitive);
    // The exercise asked for at opening, else the one chosen before.
    const QString asked = std::exchange(firstExercise_, QString());
    const QString kept = asked.isEmpty() ? cboExercise->currentText() : asked;
    {
        const QSignalBlocker quiet(cboExercise);
        cboExercise->clear();
        cboExercise->addItem(AllExercises);
        cboExercise->addItems(exercises);
        cboExercise->setCurrentIndex(std::max(0, cboExercise->findText(kept)));
    }
    cmdDeletePatient->setEnabled(!patient.isEmpty());
    adherence_->ShowPatient(patient);
    exerciseChosen();
}

void frmHistory::exerciseChosen() {
    const QString exercise = cboExercise->currentText();
    QList<PracticeSummary> shown;
    for (const PracticeSummary& p : allPractices_) {
        if (exercise == AllExercises || p.exercise == exercise) {
            shown << p;
        }
    }
    model_->SetPractices(std::move(shown));
    cmdExport->setEnabled(!ShownPractices().isEmpty());
    cmdDeletePractice->setEnabled(!ShownPractices().isEmpty());
    // The chart first: choosing the first row then finds it drawn already.
    showChart();
    if (!ShownPractices().isEmpty()) {
        grdPractices->selectRow(0);
    }
}

QString frmHistory::chartExercise() const {
    if (cboExercise->currentText() != AllExercises) {
        return cboExercise->currentText();
    }
    const int row = grdPractices->currentIndex().isValid() ? grdPractices->currentIndex().row() : 0;
    return row < ShownPractices().size() ? ShownPractices()[row].exercise : QString();
}

void frmHistory::practiceChosen() {
    if (chartExercise() != chartedExercise_) {
        showChart();
    }
}

void frmHistory::showChart() {
    chartedExercise_ = chartExercise();
    if (chartedExercise_.isEmpty()) {
        chart_->Clear();
        return;
    }
    QList<PracticeSummary> sessions;
    for (auto p = allPractices_.crbegin(); p != allPractices_.crend(); ++p) {
        if (p->exercise == chartedExercise_) {
            sessions << *p;
        }
    }
    chart_->ShowSessions(chartedExercise_, sessions);
}

void frmHistory::cmdDeletePractice_Click() {
    const QModelIndex current = grdPractices->currentIndex();
    PracticeStore* store = PracticeHistory::Store();
    if (!current.isValid() || store == nullptr || current.row() >= ShownPractices().size()) {
        return;
    }
    const PracticeSummary practice = ShownPractices()[current.row()];
    const QString patient = ChosenPatient();
    const QString question = QString("Delete the %1 practice of %2 from %3?\n\n"
                                     "It is removed from the history for good.")
                                 .arg(practice.exercise, patient, ShownDateTime(practice.ended));
    // The window may be closed, with KOVA, while a box is open: then nothing
    // is deleted and nothing of it read.
    const QPointer<frmHistory> self(this);
    if (platform().MsgBox(question, vbYesNo | vbQuestion, "KOVA") != vbYes || self == nullptr) {
        return;
    }
    if (!store->DeletePractice(practice.id)) {
        platform().MsgBox("The practice could not be deleted:\n" + store->LastError(),
                          vbExclamation, "KOVA");
        if (self == nullptr) {
            return;
        }
    }
    loadPatients(patient);
}

void frmHistory::cmdDeletePatient_Click() {
    const QString patient = ChosenPatient();
    PracticeStore* store = PracticeHistory::Store();
    if (patient.isEmpty() || store == nullptr) {
        return;
    }
    const QString question = QString("Delete %1 and all %2 of their practices?\n\n"
                                     "They are removed from the history for good.")
                                 .arg(patient)
                                 .arg(allPractices_.size());
    const QPointer<frmHistory> self(this);
    if (platform().MsgBox(question, vbYesNo | vbQuestion, "KOVA") != vbYes || self == nullptr) {
        return;
    }
    if (!store->DeletePatient(patient)) {
        platform().MsgBox("The patient could not be deleted:\n" + store->LastError(), vbExclamation,
                          "KOVA");
        if (self == nullptr) {
            return;
        }
    }
    loadPatients({});
}

void frmHistory::cmdExport_Click() {
    const QString patient = ChosenPatient();
    PracticeStore* store = PracticeHistory::Store();
    if (patient.isEmpty() || store == nullptr || ShownPractices().isEmpty()) {
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QPointer<frmHistory> self(this);
    const QString path = platform().SaveFileName(this, "Export Practices",
                                                 QDir(folder).filePath(CsvFileNameFor(patient)),
                                                 "CSV files (*.csv)");
    if (path.isEmpty() || self == nullptr) {
        return;
    }
    QList<qint64> ids;
    for (const PracticeSummary& p : ShownPractices()) {
        ids << p.id;
    }
    QString error;
    if (!WriteCsvFile(path, CsvText(PracticeTable(store->Details(patient, ids))), &error)) {
        platform().MsgBox("The practices could not be saved in\n" + path + "\n" + error,
                          vbExclamation, "KOVA");
    }
}

void frmHistory::cmdDatabase_Click() {
    auto* dialog = new frmDatabase(this);
    connect(dialog, &QDialog::accepted, this, &frmHistory::showPatients);
    dialog->open();
}

void frmHistory::cmdClose_Click() {
    Forms::Unload(*this);
}
