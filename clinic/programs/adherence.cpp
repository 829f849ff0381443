#include "clinic/programs/adherence.h"

#include "clinic/programs/program_store.h"
#include "clinic/programs/step_check.h"

#include <bit>

namespace {

QDate mondayOf(QDate day) {
    return day.addDays(1 - day.dayOfWeek());
}

// The steps a session needs: those whose exercise this build has.
QSet<int> neededSteps(const TherapyProgram& program) {
    QSet<int> needed;
    for (int i = 0; i < program.steps.size(); ++i) {
        if (ExerciseAvailable(program.steps[i].exercise)) {
            needed.insert(i);
        }
    }
    return needed;
}

} // namespace

int PlannedSessionsPerWeek(const TherapyProgram& program) {
    if (program.sessionsPerWeek > 0) {
        return program.sessionsPerWeek;
    }
    return std::popcount(static_cast<unsigned>(program.days & TherapyProgram::EveryDay));
}

QList<AdherenceWeek> AdherenceWeeks(const TherapyProgram& program,
                                    const QHash<QDate, QSet<int>>& stepsDone, QDate first,
                                    QDate last) {
    const QSet<int> needed = neededSteps(program);
    QList<AdherenceWeek> weeks;
    for (QDate monday = mondayOf(first); monday <= last; monday = monday.addDays(7)) {
        AdherenceWeek week{monday, PlannedSessionsPerWeek(program), 0};
        for (int day = 0; day < 7; ++day) {
            const auto done = stepsDone.constFind(monday.addDays(day));
            if (!needed.isEmpty() && done != stepsDone.cend() && done->contains(needed)) {
                ++week.done;
            }
        }
        weeks << week;
    }
    return weeks;
}

QList<AdherenceWeek> RecentAdherence(ProgramStore& store, const TherapyProgram& program,
                                     QDate today, int weeks) {
    const QDate first = mondayOf(today).addDays(-7 * (weeks - 1));
    return AdherenceWeeks(program, store.StepsDoneBetween(program.id, first, today), first, today);
}

ReportTable AdherenceReportTable(const TherapyProgram& program, const QList<AdherenceWeek>& weeks) {
    ReportTable table;
    table.heading = "Program \"" + program.name + "\": Sessions Planned and Done";
    table.columns = {"Week of", "Planned", "Done"};
    for (const AdherenceWeek& week : weeks) {
        table.rows << QStringList{week.monday.toString("yyyy-MM-dd"), QString::number(week.planned),
                                  QString::number(week.done)};
    }
    return table;
}
