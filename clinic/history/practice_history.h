// The program's practice history: where it is kept, opened once, and each
// finished practice recorded in it. When it cannot be opened the therapist
// is told once and KOVA goes on without it.
#pragma once

#include "clinic/history/practice_store.h"
#include "shell/framework/practice_report.h"

namespace PracticeHistory {

// Where the history is kept: the KOVA_DATABASE environment variable, else
// the clinic server chosen in the Database dialog, else the KOVA_DATABASE
// setting (a PostgreSQL URI or a file), else "practice_history.sqlite" in
// the user's data folder.
QString DefaultTarget();
// Whether KOVA_DATABASE decides, whatever the Database dialog says.
bool SetByEnvironment();
// Keeps the history where the settings say from now on (after the Database
// dialog); nothing is moved or deleted.
void UseSavedChoice();
// Which database is shown, for the History window's title: "This computer",
// "Clinic server: database kova on host:5432", ...; never a password.
QString Description();
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
// The level the patient's last practice of the exercise in the adaptive
// mode ended on, among their newest practices of it; nothing without a
// patient name or such a practice.
std::optional<int> LastEndLevel(const QString& patient, const QString& exercise);
// Closes the history; the next use opens it again.
void Close();

// A practice that the clinic server could not take waits in a queue on
// this computer and is written when the server answers again (on the next
// practice, when the History window opens, and every half minute), once.
void UseQueueFile(const QString& path);
QString QueueFile();
// How many practices wait for the server in use.
int WaitingCount();
// Writes the practices waiting for the server in use when it answers; how
// many were written.
int WriteWaiting();
// The History window's quiet note: practices written from the queue since
// the note was last taken, else practices waiting, and any note added;
// empty when there is nothing to say.
QString TakeNote();
void AddNote(const QString& note);
// The therapist knows that the server chosen cannot be reached now: opening
// it is not told about again.
void UnavailableServerAccepted();

// The message shown when the history cannot be used.
QString UnavailableMessage(const QString& reason);
QString SetAsideMessage(const QString& setAsidePath);
QString ServerUnavailableMessage(const QString& reason);

} // namespace PracticeHistory
