#include "app/program_extras.h"

#include "clinic/history/practice_history.h"
#include "clinic/programs/adherence.h"
#include "clinic/programs/frmProgramSummary.h"
#include "clinic/programs/program_run.h"
#include "clinic/programs/program_store.h"
#include "shell/framework/scores_offers.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/todays_program.h"

#include <QPointer>

namespace {

std::optional<ProgramPlace> placeOf(const ScoresScreen& screen) {
    const ProgramRun* run = ProgramRun::Active();
    return run != nullptr ? run->PlaceOf(screen) : std::nullopt;
}

} // namespace

bool RecordPractice(const ScoresScreen& screen) {
    // A fault in keeping it is told in a box, while which the screen may be
    // closed (with KOVA): then it is not read again.
    const QPointer<const ScoresScreen> alive(&screen);
    const bool kept = PracticeHistory::Record(ReportOf(screen), placeOf(screen));
    if (alive == nullptr) {
        return kept;
    }
    if (ProgramRun* run = ProgramRun::Active()) {
        run->PracticeShown(screen, kept);
    }
    return kept;
}

QList<ReportTable> ProgramTablesFor(const QString& patient) {
    PracticeStore* history = patient.trimmed().isEmpty() ? nullptr : PracticeHistory::Store();
    if (history == nullptr) {
        return {};
    }
    ProgramStore programs(*history);
    const std::optional<TherapyProgram> program = programs.Current(patient);
    if (!program) {
        return {};
    }
    const QDate today = platform().CurrentDateTime().date();
    return {AdherenceReportTable(
        *program, RecentAdherence(programs, *program, today, ReportedAdherenceWeeks))};
}

void InstallProgramRunExtras() {
    SetOfferedScoresButtons({{
        "cmdNextExercise",
        "Next Exercise",
        "Goes on to the next exercise of today's program; after the last one, to its summary.",
        [](const ScoresScreen& screen) { return placeOf(screen).has_value(); },
        [](ScoresScreen& screen) {
            if (ProgramRun* run = ProgramRun::Active()) {
                run->NextExercise(screen);
            }
        },
    }});
    ProgramRun::SetWhenFinished([](const ProgramRun& run) { frmProgramSummary::ShowRun(run); });
    SetTodaysProgramButton({
        [](const QString& patient) { return ProgramRun::Offered(patient); },
        [] { ProgramRun::Start(ModDODI::PatientName); },
    });
}
