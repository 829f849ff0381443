#include "app/practice_extras.h"

#include "app/clinic_menu.h"
#include "app/program_extras.h"

#include "clinic/history/frmHistory.h"
#include "clinic/history/practice_facts.h"
#include "clinic/history/practice_history.h"
#include "clinic/programs/add_to_program.h"
#include "clinic/programs/frmPrograms.h"
#include "clinic/report/report_output.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/practice_report.h"
#include "shell/framework/scores_screen.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"

#include <QPointer>

namespace {

constexpr int SessionsInReport = 5;

// The report of the practice shown, with the patient's last sessions of the
// exercise when the history keeps any.
PracticeReport PrintedReportOf(const ScoresScreen& screen) {
    PracticeReport report = ReportOf(screen);
    report.lastSessions = PracticeHistory::LastSessions(report, SessionsInReport);
    report.tables = ProgramTablesFor(report.patientName);
    return report;
}

} // namespace

void InstallClinicExtras() {
    ScoresScreenExtras extras;
    extras.buttons = {
        {"cmdPrint", "Print...", "Prints a report of this practice.",
         [](ScoresScreen& screen) { PrintReport(PrintedReportOf(screen), &screen); }},
        {"cmdSavePdf", "Save PDF...", "Saves a report of this practice as a PDF file.",
         [](ScoresScreen& screen) { SaveReportPdf(PrintedReportOf(screen), &screen); }},
        {"cmdHistory", "History...", "Shows this patient's practice history.",
         [](ScoresScreen& screen) {
             frmHistory::OpenOver(screen.objectName(), StoredPatientName(ModDODI::PatientName),
                                  ReportOf(screen).exercise);
         }},
        {"cmdAddToProgram", "Add To Program...",
         "Adds this exercise with these options to the patient's program (enter the patient's "
         "name first).",
         AddPracticeToProgram},
    };
    extras.practiceShown = [](ScoresScreen& screen) {
        const QPointer<ScoresScreen> alive(&screen);
        RecordPractice(screen); // may tell of a fault in a box, while which KOVA may be closed
        if (alive == nullptr) {
            return;
        }
        screen.findChild<QWidget*>("cmdAddToProgram")->setEnabled(CanAddPracticeToProgram());
    };
    extras.closing = [](ScoresScreen& screen) {
        frmHistory::CloseIfOpenedFrom(screen.objectName());
        frmPrograms::CloseIfOpenedFrom(screen.objectName());
    };
    SetScoresScreenExtras(std::move(extras));
    SetStoredLevelReader([](const QString& patient, const QString& optionsForm) {
        return PracticeHistory::LastEndLevel(patient, ExerciseMenuCaption(optionsForm));
    });
    InstallProgramRunExtras();
}

void OpenHistoryWindow() {
    frmHistory::OpenOver(frmMain::Name,
                         ModDODI::PatientName.isEmpty() ? QString() : ModDODI::PatientName);
}

void OpenProgramsWindow() {
    frmPrograms::OpenOver(frmMain::Name, ModDODI::PatientName);
}

void InstallPracticeExtras() {
    InstallClinicExtras();
    InstallToolsFrameButtons({OpenHistoryWindow, OpenProgramsWindow});
}
