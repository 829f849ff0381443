#include "clinic/programs/frmPrograms.h"

#include "clinic/history/practice_history.h"
#include "clinic/programs/practices_file.h"
#include "clinic/programs/program_file.h"
#include "clinic/programs/program_store.h"
#include "clinic/programs/step_check.h"
#include "shell/controls/basic.h"
#include "shell/framework/layout.h"
#include "shell/menu_exercises.h"
#include "shell/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QSaveFile>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int LongestFileNamePart = 60;
constexpr int MostSessionsPerWeek = 21;
constexpr int DaysBackForPractices = 28;
const char* const ProgramFilter = "KOVA program (*.json);;All files (*)";
const char* const PracticesFilter = "KOVA practices (*.json);;All files (*)";

VbButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new VbButton(name, caption, parent);
    SetFontSize(button, 10, true);
    button->setMinimumHeight(30);
    return button;
}

QListWidget* makeList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    QFont font = list->font();
    font.setBold(false);
    font.setPointSize(10);
    list->setFont(font);
    list->setTextElideMode(Qt::ElideRight);
    list->setUniformItemSizes(true);
    return list;
}

// Writes the whole file or nothing; the error, empty on success.
QString writeFile(const QString& path, const QByteArray& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

QString StepPracticeTimeText(const ProgramStep& step) {
    const int minutes = step.PracticeMinutes();
    return minutes > 0 ? QString("%1 Mins").arg(minutes) : QString("until Stop");
}

QString FileNamePart(const QString& name) {
    QString part;
    for (const QChar c : name) {
        part += (c.isLetterOrNumber() || c == ' ' || c == '-' || c == '_') ? c : QChar('_');
    }
    return part.simplified().left(LongestFileNamePart);
}

frmPrograms::frmPrograms() : Form(Name) {
    setWindowTitle("KOVA  Therapy Programs");
    auto* layout = new QVBoxLayout(this);
    lblStatus = new VbLabel("lblStatus", "", this);
    lblStatus->setWordWrap(true);
    SetFontSize(lblStatus, 10, true);
    layout->addWidget(lblStatus);
    auto* top = new QHBoxLayout;
    layout->addLayout(top, 2);
    buildPatientSide();
    buildProgramSide();
    top->addWidget(findChild<QGroupBox*>("frmPatients"), 1);
    top->addWidget(findChild<QGroupBox*>("frmProgramList"), 2);
    buildStepSide();
    layout->addWidget(findChild<QGroupBox*>("frmSteps"), 3);
    buildBottomRow();
}

void frmPrograms::buildPatientSide() {
    auto* frame = MakeFrame("frmPatients", "Patients", this);
    SetFontSize(frame, 10, true);
    auto* layout = new QVBoxLayout(frame);
    lstPatients = makeList("lstPatients", frame);
    layout->addWidget(lstPatients, 1);
    cmdAddPatient = makeButton("cmdAddPatient", "Add Patient...", frame);
    layout->addWidget(cmdAddPatient);
    connect(lstPatients, &QListWidget::currentRowChanged, this, &frmPrograms::patientChosen);
    connect(cmdAddPatient, &QPushButton::clicked, this, &frmPrograms::cmdAddPatient_Click);
}

void frmPrograms::buildProgramSide() {
    auto* frame = MakeFrame("frmProgramList", "Programs", this);
    SetFontSize(frame, 10, true);
    auto* layout = new QHBoxLayout(frame);
    lstPrograms = makeList("lstPrograms", frame);
    layout->addWidget(lstPrograms, 1);
    auto* side = new QVBoxLayout;
    layout->addLayout(side);
    auto* buttons = new QGridLayout;
    cmdNewProgram = makeButton("cmdNewProgram", "New...", frame);
    cmdRenameProgram = makeButton("cmdRenameProgram", "Rename...", frame);
    cmdDeleteProgram = makeButton("cmdDeleteProgram", "Delete...", frame);
    cmdMakeCurrent = makeButton("cmdMakeCurrent", "Make Current", frame);
    cmdExportProgram = makeButton("cmdExportProgram", "Export Program...", frame);
    cmdImportProgram = makeButton("cmdImportProgram", "Import Program...", frame);
    buttons->addWidget(cmdNewProgram, 0, 0);
    buttons->addWidget(cmdRenameProgram, 0, 1);
    buttons->addWidget(cmdDeleteProgram, 1, 0);
    buttons->addWidget(cmdMakeCurrent, 1, 1);
    buttons->addWidget(cmdExportProgram, 2, 0);
    buttons->addWidget(cmdImportProgram, 2, 1);
    side->addLayout(buttons);

    auto* lblDays = new VbLabel("lblDays", "Days of the week:", frame);
    SetFontSize(lblDays, 10, true);
    side->addWidget(lblDays);
    auto* days = new QHBoxLayout;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        auto* box = new QCheckBox(QLocale::c().dayName(day, QLocale::ShortFormat), frame);
        box->setObjectName(QString("chkDay%1").arg(day));
        SetFontSize(box, 10);
        days->addWidget(box);
        chkDays[day - 1] = box;
        connect(box, &QCheckBox::toggled, this, &frmPrograms::scheduleChanged);
    }
    days->addStretch(1);
    side->addLayout(days);
    auto* sessions = new QHBoxLayout;
    auto* lblSessions = new VbLabel("lblSessions", "Sessions per week:", frame);
    SetFontSize(lblSessions, 10, true);
    spnSessions = new QSpinBox(frame);
    spnSessions->setObjectName("spnSessions");
    spnSessions->setRange(0, MostSessionsPerWeek);
    SetFontSize(spnSessions, 10);
    sessions->addWidget(lblSessions);
    sessions->addWidget(spnSessions);
    sessions->addStretch(1);
    side->addLayout(sessions);
    side->addStretch(1);

    connect(lstPrograms, &QListWidget::currentRowChanged, this, &frmPrograms::programChosen);
    connect(spnSessions, &QSpinBox::valueChanged, this, &frmPrograms::scheduleChanged);
    connect(cmdNewProgram, &QPushButton::clicked, this, &frmPrograms::cmdNewProgram_Click);
    connect(cmdRenameProgram, &QPushButton::clicked, this, &frmPrograms::cmdRenameProgram_Click);
    connect(cmdDeleteProgram, &QPushButton::clicked, this, &frmPrograms::cmdDeleteProgram_Click);
    connect(cmdMakeCurrent, &QPushButton::clicked, this, &frmPrograms::cmdMakeCurrent_Click);
    connect(cmdExportProgram, &QPushButton::clicked, this, &frmPrograms::cmdExportProgram_Click);
    connect(cmdImportProgram, &QPushButton::clicked, this, &frmPrograms::cmdImportProgram_Click);
}

void frmPrograms::buildStepSide() {
    auto* frame = MakeFrame("frmSteps", "Steps", this);
    SetFontSize(frame, 10, true);
    auto* layout = new QHBoxLayout(frame);
    grdSteps = new QTableWidget(0, 3, frame);
    grdSteps->setObjectName("grdSteps");
    grdSteps->setHorizontalHeaderLabels({"Step", "Exercise", "Practice Time"});
    QFont font = grdSteps->font();
    font.setBold(false);
    font.setPointSize(10);
    grdSteps->setFont(font);
    grdSteps->horizontalHeader()->setFont(font);
    grdSteps->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdSteps->setSelectionMode(QAbstractItemView::SingleSelection);
    grdSteps->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdSteps->verticalHeader()->hide();
    QHeaderView* header = grdSteps->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    layout->addWidget(grdSteps, 1);

    auto* side = new QVBoxLayout;
    layout->addLayout(side);
    cboExercise = new QComboBox(frame);
    cboExercise->setObjectName("cboExercise");
    SetFontSize(cboExercise, 10);
    for (const QString& exercise : MenuExerciseCaptions()) {
        if (ExerciseAvailable(exercise)) {
            cboExercise->addItem(exercise);
        }
    }
    side->addWidget(cboExercise);
    cmdAddStep = makeButton("cmdAddStep", "Add Step...", frame);
    cmdStepOptions = makeButton("cmdStepOptions", "Options...", frame);
    cmdCopyStep = makeButton("cmdCopyStep", "Copy", frame);
    cmdStepUp = makeButton("cmdStepUp", "Move Up", frame);
    cmdStepDown = makeButton("cmdStepDown", "Move Down", frame);
    cmdRemoveStep = makeButton("cmdRemoveStep", "Remove...", frame);
    for (VbButton* button :
         {cmdAddStep, cmdStepOptions, cmdCopyStep, cmdStepUp, cmdStepDown, cmdRemoveStep}) {
        side->addWidget(button);
    }
    side->addStretch(1);

    connect(grdSteps, &QTableWidget::currentCellChanged, this, [this] { enableButtons(); });
    connect(grdSteps, &QTableWidget::cellDoubleClicked, this, &frmPrograms::cmdStepOptions_Click);
    connect(cmdAddStep, &QPushButton::clicked, this, &frmPrograms::cmdAddStep_Click);
    connect(cmdStepOptions, &QPushButton::clicked, this, &frmPrograms::cmdStepOptions_Click);
    connect(cmdCopyStep, &QPushButton::clicked, this, &frmPrograms::cmdCopyStep_Click);
    connect(cmdStepUp, &QPushButton::clicked, this, &frmPrograms::cmdStepUp_Click);
    connect(cmdStepDown, &QPushButton::clicked, this, &frmPrograms::cmdStepDown_Click);
    connect(cmdRemoveStep, &QPushButton::clicked, this, &frmPrograms::cmdRemoveStep_Click);
}

void frmPrograms::buildBottomRow() {
    auto* bottom = new QHBoxLayout;
    cmdExportPractices = makeButton("cmdExportPractices", "Export Practices...", this);
    cmdImportPractices = makeButton("cmdImportPractices", "Import Practices...", this);
    cmdClose = makeButton("cmdClose", "Close", this);
    cmdClose->setMinimumWidth(120);
    bottom->addWidget(cmdExportPractices);
    bottom->addWidget(cmdImportPractices);
    bottom->addStretch(1);
    bottom->addWidget(cmdClose);
    qobject_cast<QVBoxLayout*>(layout())->addLayout(bottom);
    connect(cmdExportPractices, &QPushButton::clicked, this,
            &frmPrograms::cmdExportPractices_Click);
    connect(cmdImportPractices, &QPushButton::clicked, this,
            &frmPrograms::cmdImportPractices_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmPrograms::cmdClose_Click);
}

frmPrograms& frmPrograms::OpenOver(const QString& opener, const QString& patient) {
    const bool loaded = Forms::Find(Name) != nullptr;
    auto& window = Forms::Get<frmPrograms>();
    if (!loaded) {
        window.openedFrom_ = opener;
        window.firstPatient_ = patient;
        window.HoldWhileOpen(opener);
        if (!patient.isEmpty()) {
            window.addedPatients_ << patient;
        }
        window.loadPatients(patient);
    }
    Forms::Show(window);
    return window;
}

void frmPrograms::CloseIfOpenedFrom(const QString& opener) {
    if (auto* window = Forms::Find<frmPrograms>(); window && window->openedFrom_ == opener) {
        Forms::Unload(*window);
    }
}

void frmPrograms::Form_Load() {
    const QSize display = platform().DisplaySize();
    resize(std::min(display.width() - 20, 1100), std::min(display.height() - 40, 760));
}

void frmPrograms::Form_Unload() {
    // A step's screen belongs to this window: it goes with it, keeping nothing.
    if (stepScreen_ != nullptr) {
        Forms::Unload(*stepScreen_);
    }
}

void frmPrograms::ShowProgram(qint64 id, int step) {
    loadPrograms(id, step);
}

void frmPrograms::tell(const QString& status, bool refusal) {
    lblStatus->setText(status);
    lblStatus->SetForeColor(refusal ? QColor(Qt::darkRed) : QColor(Qt::black));
}

QString frmPrograms::Status() const {
    return lblStatus->text();
}

void frmPrograms::loadPatients(const QString& choose) {
    QStringList names = addedPatients_;
    if (PracticeStore* history = PracticeHistory::Store()) {
        for (const PatientSummary& patient : history->Patients()) {
            names << patient.name;
        }
        names << ProgramStore(*history).Patients();
    } else {
        tell("The practice history cannot be opened, so no program can be kept.", true);
    }
    names.removeDuplicates();
    names.removeAll(QString());
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.localeAwareCompare(b);
        return order != 0 ? order < 0 : a < b;
    });
    {
        const QSignalBlocker quiet(lstPatients);
        lstPatients->clear();
        for (const QString& name : names) {
            auto* item = new QListWidgetItem(name, lstPatients);
            item->setToolTip(name);
        }
        const auto at = names.indexOf(choose);
        lstPatients->setCurrentRow(at >= 0 ? int(at) : (names.isEmpty() ? -1 : 0));
    }
    patientChosen();
}

QString frmPrograms::ChosenPatient() const {
    const QListWidgetItem* item = lstPatients->currentItem();
    return item != nullptr ? item->text() : QString();
}

bool frmPrograms::ChoosePatient(const QString& name) {
    const QList<QListWidgetItem*> found = lstPatients->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) {
        return false;
    }
    lstPatients->setCurrentItem(found.first());
    return true;
}

void frmPrograms::patientChosen() {
    loadPrograms(0, -1);
}

void frmPrograms::loadPrograms(qint64 chooseId, int chooseStep) {
    programs_.clear();
    PracticeStore* history = PracticeHistory::Store();
    if (history != nullptr && !ChosenPatient().isEmpty()) {
        programs_ = ProgramStore(*history).Programs(ChosenPatient());
    }
    int chosenRow = programs_.isEmpty() ? -1 : 0;
    {
        const QSignalBlocker quiet(lstPrograms);
        lstPrograms->clear();
        for (int row = 0; row < programs_.size(); ++row) {
            const TherapyProgram& program = programs_[row];
            const QString text = program.current ? program.name + "  (current)" : program.name;
            auto* item = new QListWidgetItem(text, lstPrograms);
            item->setToolTip(program.name);
            if (program.id == chooseId || (chooseId == 0 && program.current)) {
                chosenRow = row;
            }
        }
        lstPrograms->setCurrentRow(chosenRow);
    }
    programChosen();
    if (chooseStep >= 0) {
        ChooseStep(chooseStep);
    }
}

std::optional<TherapyProgram> frmPrograms::ChosenProgram() const {
    const int row = lstPrograms->currentRow();
    if (row < 0 || row >= programs_.size()) {
        return std::nullopt;
    }
    return programs_[row];
}

bool frmPrograms::ChooseProgram(const QString& name) {
    for (int row = 0; row < programs_.size(); ++row) {
        if (programs_[row].name == name) {
            lstPrograms->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

void frmPrograms::programChosen() {
    const std::optional<TherapyProgram> program = ChosenProgram();
    filling_ = true;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        chkDays[day - 1]->setChecked(program && program->MeantFor(Qt::DayOfWeek(day)));
    }
    spnSessions->setValue(program ? program->sessionsPerWeek : 0);
    filling_ = false;
    showSteps(-1);
}

void frmPrograms::showSteps(int chooseStep) {
    const std::optional<TherapyProgram> program = ChosenProgram();
    const QList<ProgramStep> steps = program ? program->steps : QList<ProgramStep>();
    auto* frame = findChild<QGroupBox*>("frmSteps");
    frame->setTitle(program ? QString("Steps of \"%1\"").arg(program->name) : QString("Steps"));
    {
        const QSignalBlocker quiet(grdSteps);
        grdSteps->setRowCount(int(steps.size()));
        for (int row = 0; row < steps.size(); ++row) {
            const ProgramStep& step = steps[row];
            const bool available = ExerciseAvailable(step.exercise);
            const QString exercise =
                available ? step.exercise
                          : QString("%1 (%2)").arg(step.exercise, NotAvailableCaption);
            const QStringList cells = {QString::number(row + 1), exercise,
                                       available ? StepPracticeTimeText(step) : QString()};
            for (int column = 0; column < cells.size(); ++column) {
                auto* item = new QTableWidgetItem(cells[column]);
                item->setToolTip(cells[column]);
                if (!available) {
                    item->setForeground(QColor(Qt::darkGray));
                }
                grdSteps->setItem(row, column, item);
            }
        }
        const int chosen = chooseStep >= 0 && chooseStep < steps.size() ? chooseStep
                           : steps.isEmpty()                            ? -1
                                                                        : 0;
        grdSteps->setCurrentCell(chosen, chosen >= 0 ? 1 : -1);
    }
    enableButtons();
}

int frmPrograms::ChosenStep() const {
    const std::optional<TherapyProgram> program = ChosenProgram();
    const int row = grdSteps->currentRow();
    return program && row >= 0 && row < program->steps.size() ? row : -1;
}

void frmPrograms::ChooseStep(int index) {
    grdSteps->setCurrentCell(index, 1);
    enableButtons();
}

void frmPrograms::enableButtons() {
    const bool usable = PracticeHistory::Store() != nullptr;
    const bool patient = usable && !ChosenPatient().isEmpty();
    const std::optional<TherapyProgram> program = ChosenProgram();
    const int step = ChosenStep();
    const int steps = program ? int(program->steps.size()) : 0;
    cmdAddPatient->setEnabled(usable);
    cmdNewProgram->setEnabled(patient);
    cmdImportProgram->setEnabled(usable);
    cmdImportPractices->setEnabled(usable);
    cmdExportPractices->setEnabled(patient);
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdRenameProgram, cmdDeleteProgram, cmdExportProgram,
                                         spnSessions, cboExercise, cmdAddStep}) {
        w->setEnabled(program.has_value());
    }
    for (QCheckBox* box : chkDays) {
        box->setEnabled(program.has_value());
    }
    cmdMakeCurrent->setEnabled(program && !program->current);
    cmdStepOptions->setEnabled(step >= 0);
    cmdCopyStep->setEnabled(step >= 0);
    cmdRemoveStep->setEnabled(step >= 0);
    cmdStepUp->setEnabled(step > 0);
    cmdStepDown->setEnabled(step >= 0 && step < steps - 1);
}

bool frmPrograms::keep(const TherapyProgram& program, int chooseStep) {
    PracticeStore* history = PracticeHistory::Store();
    if (history == nullptr) {
        return false;
    }
    ProgramStore store(*history);
    const std::optional<qint64> id = store.Save(program);
    if (!id) {
        const QPointer<frmPrograms> self(this);
        platform().MsgBox("The program could not be kept:\n" + store.LastError(), vbExclamation,
                          "KOVA");
        if (self != nullptr) { // not closed with KOVA while the box was open
            loadPrograms(program.id, chooseStep);
        }
        return false;
    }
    loadPrograms(*id, chooseStep);
    return true;
}

bool frmPrograms::nameTaken(const QString& name, qint64 exceptId) const {
    return std::any_of(programs_.cbegin(), programs_.cend(),
                       [&](const TherapyProgram& p) { return p.name == name && p.id != exceptId; });
}

QString frmPrograms::askProgramName(const QString& prompt, const QString& proposed,
                                    qint64 exceptId) {
    const QPointer<frmPrograms> self(this);
    const QString name = platform().InputBox(prompt, "KOVA", proposed, 2400, 2400);
    if (self == nullptr || name.isEmpty()) { // closed with KOVA while the box was open
        return {};
    }
    if (nameTaken(name, exceptId)) {
        tell(QString("\"%1\" already has a program named \"%2\".").arg(ChosenPatient(), name),
             true);
        return {};
    }
    return name;
}

void frmPrograms::cmdAddPatient_Click() {
    const QPointer<frmPrograms> self(this);
    const QString name =
        platform().InputBox("The name of the patient:", "KOVA", QString(), 2400, 2400);
    if (self == nullptr || name.isEmpty()) {
        return;
    }
    addedPatients_ << name;
    loadPatients(name);
    tell(QString("Now make a program for \"%1\" with \"New...\".").arg(name));
}

void frmPrograms::cmdNewProgram_Click() {
    const QString name =
        askProgramName(QString("The name of the new program for %1:").arg(ChosenPatient()),
                       QString("Program %1").arg(programs_.size() + 1), 0);
    if (name.isEmpty()) {
        return;
    }
    TherapyProgram program;
    program.patient = ChosenPatient();
    program.name = name;
    program.days = TherapyProgram::EveryDay &
                   ~(TherapyProgram::DayBit(Qt::Saturday) | TherapyProgram::DayBit(Qt::Sunday));
    program.sessionsPerWeek = 5;
    program.current = std::none_of(programs_.cbegin(), programs_.cend(),
                                   [](const TherapyProgram& p) { return p.current; });
    if (keep(program, -1)) {
        tell(QString("Program \"%1\" made; add its steps with \"Add Step...\".").arg(name));
    }
}

void frmPrograms::cmdRenameProgram_Click() {
    std::optional<TherapyProgram> program = ChosenProgram();
    if (!program) {
        return;
    }
    const QString name = askProgramName("The new name of the program:", program->name, program->id);
    if (name.isEmpty() || name == program->name) {
        return;
    }
    program->name = name;
    keep(*program, ChosenStep());
}

void frmPrograms::cmdDeleteProgram_Click() {
    const std::optional<TherapyProgram> program = ChosenProgram();
    PracticeStore* history = PracticeHistory::Store();
    if (!program || history == nullptr) {
        return;
    }
    const QString question =
        QString("Delete the program \"%1\" of %2?\nThe practices done with it are kept.")
            .arg(program->name, program->patient);
    const QPointer<frmPrograms> self(this);
    if (platform().MsgBox(question, vbYesNo | vbQuestion, "KOVA") != vbYes || self == nullptr) {
        return;
    }
    ProgramStore store(*history);
    if (!store.Delete(program->id)) {
        platform().MsgBox("The program could not be deleted:\n" + store.LastError(), vbExclamation,
                          "KOVA");
        if (self == nullptr) {
            return;
        }
    }
    loadPrograms(0, -1);
}

void frmPrograms::cmdMakeCurrent_Click() {
    std::optional<TherapyProgram> program = ChosenProgram();
    if (!program) {
        return;
    }
    program->current = true;
    keep(*program, ChosenStep());
}

void frmPrograms::scheduleChanged() {
    std::optional<TherapyProgram> program = ChosenProgram();
    if (filling_ || !program) {
        return;
    }
    int days = 0;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        if (chkDays[day - 1]->isChecked()) {
            days |= TherapyProgram::DayBit(Qt::DayOfWeek(day));
        }
    }
    if (days == program->days && spnSessions->value() == program->sessionsPerWeek) {
        return;
    }
    program->days = days;
    program->sessionsPerWeek = spnSessions->value();
    keep(*program, ChosenStep());
}

void frmPrograms::openStepScreen(const QString& exercise, const std::optional<OptionValues>& values,
                                 const QString& title, KeepForProgram keepValues) {
    if (stepScreen_ != nullptr && !Forms::IsUnloading(*stepScreen_)) {
        return;
    }
    if (!ExerciseAvailable(exercise)) {
        tell(QString("The exercise \"%1\" is %2 in this KOVA.").arg(exercise, NotAvailableCaption),
             true);
        return;
    }
    if (Forms::Find(MenuExerciseForm(exercise)) != nullptr) {
        tell(QString("%1 is open for a practice; close it first to choose a step's options.")
                 .arg(exercise),
             true);
        return;
    }
    auto* screen = qobject_cast<OptionsScreen*>(PrepareMenuExercise(exercise));
    if (screen == nullptr) {
        return;
    }
    screen->UseForProgramStep(Name, std::move(keepValues));
    if (values) {
        if (const std::optional<QString> refusal = SetAndCheckOptionValues(*screen, *values)) {
            tell("The step's options were refused: " + *refusal, true);
        }
    }
    screen->setWindowTitle(title);
    stepScreen_ = screen;
    Forms::Show(*screen);
}

void frmPrograms::cmdAddStep_Click() {
    const std::optional<TherapyProgram> program = ChosenProgram();
    const QString exercise = cboExercise->currentText();
    if (!program || exercise.isEmpty()) {
        return;
    }
    const qint64 id = program->id;
    const QString title =
        QString("KOVA  Step %1 of \"%2\"").arg(program->steps.size() + 1).arg(program->name);
    openStepScreen(exercise, std::nullopt, title, [this, id, exercise](const OptionValues& values) {
        std::optional<TherapyProgram> kept = ChosenProgram();
        if (!kept || kept->id != id) {
            return false;
        }
        kept->steps.append({exercise, values});
        const bool done = keep(*kept, int(kept->steps.size()) - 1);
        if (done) {
            tell(QString("Step %1 added: %2.").arg(kept->steps.size()).arg(exercise));
        }
        return done;
    });
}

void frmPrograms::cmdStepOptions_Click() {
    const std::optional<TherapyProgram> program = ChosenProgram();
    const int index = ChosenStep();
    if (!program || index < 0) {
        return;
    }
    const qint64 id = program->id;
    const ProgramStep step = program->steps[index];
    const QString title = QString("KOVA  Step %1 of \"%2\"").arg(index + 1).arg(program->name);
    openStepScreen(step.exercise, step.options, title,
                   [this, id, index](const OptionValues& values) {
                       std::optional<TherapyProgram> kept = ChosenProgram();
                       if (!kept || kept->id != id || index >= kept->steps.size()) {
                           return false;
                       }
                       kept->steps[index].options = values;
                       const bool done = keep(*kept, index);
                       if (done) {
                           tell(QString("Step %1 kept.").arg(index + 1));
                       }
                       return done;
                   });
}

void frmPrograms::cmdCopyStep_Click() {
    std::optional<TherapyProgram> program = ChosenProgram();
    const int index = ChosenStep();
    if (!program || index < 0) {
        return;
    }
    program->steps.insert(index + 1, program->steps[index]);
    keep(*program, index + 1);
}

void frmPrograms::cmdRemoveStep_Click() {
    std::optional<TherapyProgram> program = ChosenProgram();
    const int index = ChosenStep();
    if (!program || index < 0) {
        return;
    }
    const QString question =
        QString("Remove step %1 (%2)?").arg(index + 1).arg(program->steps[index].exercise);
    const QPointer<frmPrograms> self(this);
    if (platform().MsgBox(question, vbYesNo | vbQuestion, "KOVA") != vbYes || self == nullptr) {
        return;
    }
    program->steps.removeAt(index);
    keep(*program, std::min(index, int(program->steps.size()) - 1));
}

void frmPrograms::moveStep(int by) {
    std::optional<TherapyProgram> program = ChosenProgram();
    const int index = ChosenStep();
    const int to = index + by;
    if (!program || index < 0 || to < 0 || to >= program->steps.size()) {
        return;
    }
    program->steps.swapItemsAt(index, to);
    keep(*program, to);
}

void frmPrograms::cmdStepUp_Click() {
    moveStep(-1);
}

void frmPrograms::cmdStepDown_Click() {
    moveStep(1);
}

void frmPrograms::cmdExportProgram_Click() {
    const std::optional<TherapyProgram> program = ChosenProgram();
    if (!program) {
        return;
    }
    const QString proposed =
        QDir(documentsFolder())
            .filePath(FileNamePart(program->patient + " - " + program->name) + ".json");
    const QPointer<frmPrograms> self(this);
    const QString path = platform().SaveFileName(this, "Export Program", proposed, ProgramFilter);
    if (path.isEmpty() || self == nullptr) {
        return;
    }
    if (const QString error = writeFile(path, ProgramFileText(*program)); !error.isEmpty()) {
        platform().MsgBox("The program could not be saved in\n" + path + "\n" + error,
                          vbExclamation, "KOVA");
        return;
    }
    tell(QString("Program \"%1\" written to \"%2\".").arg(program->name, path));
}

// Asks for a file to import and reads it; nothing when none was chosen, the
// window was closed while the dialog was open, or it cannot be read (the
// user is told).
std::optional<QByteArray> frmPrograms::readChosenFile(const QString& title, const QString& filter) {
    const QPointer<frmPrograms> self(this);
    const QString path = platform().OpenFileName(this, title, filter);
    if (path.isEmpty() || self == nullptr) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        platform().MsgBox("The file cannot be read:\n" + path + "\n" + file.errorString(),
                          vbExclamation, "KOVA");
        return std::nullopt;
    }
    return file.readAll();
}

void frmPrograms::refuseFile(const QString& kind, const QString& refusal) {
    platform().MsgBox("This " + kind +
                          " file cannot be imported; nothing was changed.\n\n"
                          "The first bad field: " +
                          refusal,
                      vbExclamation, "KOVA");
}

void frmPrograms::cmdImportProgram_Click() {
    PracticeStore* history = PracticeHistory::Store();
    const std::optional<QByteArray> text = readChosenFile("Import Program", ProgramFilter);
    if (!text || history == nullptr) {
        return;
    }
    const ProgramFileReading reading = ReadProgramFile(*text);
    if (!reading.program) {
        refuseFile("program", reading.refusal);
        return;
    }
    // The program replaces the patient's program of the same name, keeping
    // the practices done with it; it is the one the patient runs now.
    TherapyProgram program = *reading.program;
    ProgramStore store(*history);
    for (const TherapyProgram& existing : store.Programs(program.patient)) {
        if (existing.name == program.name) {
            program.id = existing.id;
        }
    }
    program.current = true;
    const bool replaced = program.id != 0;
    const std::optional<qint64> id = store.Save(program);
    if (!id) {
        platform().MsgBox("The program could not be kept:\n" + store.LastError(), vbExclamation,
                          "KOVA");
        return;
    }
    addedPatients_ << program.patient;
    loadPatients(program.patient);
    loadPrograms(*id, -1);
    tell(QString("Program \"%1\" %2 for \"%3\".")
             .arg(program.name, replaced ? "replaced" : "imported", program.patient));
}

void frmPrograms::cmdExportPractices_Click() {
    PracticeStore* history = PracticeHistory::Store();
    const QString patient = ChosenPatient();
    if (history == nullptr || patient.isEmpty()) {
        return;
    }
    const QDate proposedDay = platform().CurrentDateTime().date().addDays(-DaysBackForPractices);
    const QPointer<frmPrograms> self(this);
    const QString answer = platform().InputBox(
        QString("Export the practices of %1 done since (year-month-day):").arg(patient), "KOVA",
        proposedDay.toString(Qt::ISODate), 2400, 2400);
    if (self == nullptr || answer.isEmpty()) {
        return;
    }
    const QDate since = QDate::fromString(answer.trimmed(), Qt::ISODate);
    if (!since.isValid()) {
        tell(QString("\"%1\" is not a date such as %2.")
                 .arg(answer, proposedDay.toString(Qt::ISODate)),
             true);
        return;
    }
    const QList<PortablePractice> practices = history->PracticesSince(patient, since.startOfDay());
    const QString proposed = QDir(documentsFolder())
                                 .filePath(FileNamePart(patient) + " practices since " +
                                           since.toString(Qt::ISODate) + ".json");
    const QString path =
        platform().SaveFileName(this, "Export Practices", proposed, PracticesFilter);
    if (path.isEmpty() || self == nullptr) {
        return;
    }
    if (const QString error = writeFile(path, PracticesFileText(patient, practices));
        !error.isEmpty()) {
        platform().MsgBox("The practices could not be saved in\n" + path + "\n" + error,
                          vbExclamation, "KOVA");
        return;
    }
    tell(QString("%1 practices of \"%2\" written to \"%3\".")
             .arg(practices.size())
             .arg(patient, path));
}

void frmPrograms::cmdImportPractices_Click() {
    PracticeStore* history = PracticeHistory::Store();
    const std::optional<QByteArray> text = readChosenFile("Import Practices", PracticesFilter);
    if (!text || history == nullptr) {
        return;
    }
    const PracticesFileReading reading = ReadPracticesFile(*text);
    if (!reading.practices) {
        refuseFile("practices", reading.refusal);
        return;
    }
    const std::optional<int> kept = history->Import(*reading.practices);
    if (!kept) {
        platform().MsgBox("The practices could not be kept; nothing was changed:\n" +
                              history->LastError(),
                          vbExclamation, "KOVA");
        return;
    }
    addedPatients_ << reading.patient;
    loadPatients(reading.patient);
    tell(QString("%1 practices of \"%2\" imported; %3 of the file were kept already.")
             .arg(*kept)
             .arg(reading.patient)
             .arg(reading.practices->size() - *kept));
}

void frmPrograms::cmdClose_Click() {
    Forms::Unload(*this);
}
