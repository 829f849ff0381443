#include "clinic/programs/add_to_program.h"

#include "clinic/history/practice_history.h"
#include "clinic/programs/frmPrograms.h"
#include "clinic/programs/program_store.h"
#include "shell/framework/scores_screen.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"

namespace {

TherapyProgram newProgramFor(const QString& patient, const QList<TherapyProgram>& existing) {
    TherapyProgram program;
    program.patient = patient;
    auto taken = [&existing](const QString& name) {
        return std::any_of(existing.cbegin(), existing.cend(),
                           [&name](const TherapyProgram& p) { return p.name == name; });
    };
    for (int n = int(existing.size()) + 1; program.name.isEmpty() || taken(program.name); ++n) {
        program.name = QString("Program %1").arg(n);
    }
    program.days = TherapyProgram::EveryDay &
                   ~(TherapyProgram::DayBit(Qt::Saturday) | TherapyProgram::DayBit(Qt::Sunday));
    program.sessionsPerWeek = 5;
    program.current = true;
    return program;
}

} // namespace

bool CanAddPracticeToProgram() {
    return !ModDODI::PatientName.isEmpty();
}

void AddPracticeToProgram(ScoresScreen& screen) {
    PracticeStore* history = PracticeHistory::Store();
    const QString patient = ModDODI::PatientName;
    const QString exercise = ExerciseMenuCaption(screen.Names().options);
    const Form* options = Forms::Find(screen.Names().options);
    if (history == nullptr || !CanAddPracticeToProgram() || exercise.isEmpty() ||
        options == nullptr) {
        return;
    }
    ProgramStore store(*history);
    const QList<TherapyProgram> programs = store.Programs(patient);
    TherapyProgram program = newProgramFor(patient, programs);
    for (const TherapyProgram& existing : programs) {
        if (existing.current) {
            program = existing;
        }
    }
    program.steps.append({exercise, ReadOptionValues(*options)});
    const std::optional<qint64> id = store.Save(program);
    if (!id) {
        platform().MsgBox("The step could not be added:\n" + store.LastError(), vbExclamation,
                          "KOVA");
        return;
    }
    frmPrograms& window = frmPrograms::OpenOver(screen.objectName(), patient);
    window.ShowProgram(*id, int(program.steps.size()) - 1);
    window.Tell(QString("Step %1 added to \"%2\": %3 with the options of this practice.")
                    .arg(program.steps.size())
                    .arg(program.name, exercise));
}
