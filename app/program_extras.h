// What running a therapy program adds to the screens: "Today's Program" on
// the main menu, "Next Exercise" on the scores screen of a program's step,
// each practice kept with its place in the program, and the program's
// sessions planned and done on the printed report.
#pragma once

#include "shell/framework/practice_report.h"
#include "shell/framework/scores_screen.h"

// Offers "Next Exercise" on the scores screen of a program's step and sets
// the main menu's Today's Program.
void InstallProgramRunExtras();

// The practice's place in the running program kept with it; true when kept.
bool RecordPractice(const ScoresScreen& screen);

// The patient's current program's last weeks, for the printed report.
QList<ReportTable> ProgramTablesFor(const QString& patient);
