// The program's practice history: where it is kept, opened once, and each
// finished practice recorded in it. When it cannot be opened the therapist
// is told once and KOVA goes on without it.
#pragma once

#include "clinic/history/practice_store.h"
#include "shell/framework/practice_report.h"

namespace PracticeHistory {

// Where the history is kept: the KOVA_DATABASE environment variable, else
// the KOVA_DATABASE setting (a PostgreSQL URI or a file), else
// "practice_history.sqlite" in the user's data folder.
QString DefaultTarget();
// Keeps the history there from now on (the open one is closed first).
void UseTarget(const QString& target);
QString Target();

// The open history; opened on first use. nullptr when it cannot be used
// (the therapist was told why, once).
PracticeStore* Store();
// Records the practice when anything was presented in it, with its place in
// a therapy program when it was run from one; true when kept.
bool Record(const PracticeReport& report, std::optional<ProgramPlace> place = std::nullopt);
// The patient's newest `count` practices of the report's exercise, newest
// first (the one reported, once recorded, among them); none for a practice
// without a patient name, whose practices may be anyone's.
QList<PastPractice> LastSessions(const PracticeReport& report, int count);
// Closes the history; the next use opens it again.
void Close();

// The message shown when the history cannot be used.
QString UnavailableMessage(const QString& reason);
QString SetAsideMessage(const QString& setAsidePath);

} // namespace PracticeHistory
