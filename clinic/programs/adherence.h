// How well a patient keeps to a therapy program: week by week, the sessions
// planned against the sessions done.
#pragma once

#include "clinic/programs/therapy_program.h"
#include "shell/framework/practice_report.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>

class ProgramStore;

struct AdherenceWeek {
    QDate monday; // the week's first day
    int planned = 0;
    int done = 0;
    bool operator==(const AdherenceWeek&) const = default;
};

// Sessions planned in a week: the sessions per week set, or, when none is
// set, the days of the week the program is meant for.
int PlannedSessionsPerWeek(const TherapyProgram& program);

// The weeks from the one holding first to the one holding last, oldest first.
// A day counts as a session done when every step that this build can run
// has a practice that day (a step whose exercise is missing cannot be done).
QList<AdherenceWeek> AdherenceWeeks(const TherapyProgram& program,
                                    const QHash<QDate, QSet<int>>& stepsDone, QDate first,
                                    QDate last);

// The last `weeks` weeks up to today's, read from the history.
QList<AdherenceWeek> RecentAdherence(ProgramStore& store, const TherapyProgram& program,
                                     QDate today, int weeks);

// The weeks as a table: "Week of", "Planned", "Done".
ReportTable AdherenceReportTable(const TherapyProgram& program, const QList<AdherenceWeek>& weeks);

// The weeks a printed report shows.
constexpr int ReportedAdherenceWeeks = 8;
