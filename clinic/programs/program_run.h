// Today's run of a patient's therapy program: each step's exercise opened
// with the step's options on its therapy screen, one after another, and
// what became of each step.
#pragma once

#include "clinic/history/practice_store.h"
#include "clinic/programs/therapy_program.h"
#include "shell/forms.h"

#include <QDate>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class ScoresScreen;

// What became of one step in today's session.
struct StepOutcome {
    enum class State { Waiting, Done, NotAvailable, Refused };
    State state = State::Waiting;
    QString headline; // the main score of its practice, once done
    QString note;     // why it could not run
};

class ProgramRun {
public:
    // Whether the patient has a current program with steps.
    static bool Offered(const QString& patient);
    // Runs the patient's current program from the first step not done
    // today (from the first step when all were done); false when there is
    // no program to run.
    static bool Start(const QString& patient);
    // The run going on: a step's exercise is open. nullptr when no program
    // runs (it ended, or its exercise was closed: the program was left).
    static ProgramRun* Active();
    // What is shown when a run ends after its last step (the summary); set
    // once at start-up.
    static void SetWhenFinished(std::function<void(const ProgramRun&)> shown);

    // Where the practice that this scores screen shows stands in the
    // program; nothing when it was not run from the program.
    std::optional<ProgramPlace> PlaceOf(const ScoresScreen& screen) const;
    // The practice is shown on its scores screen: a kept practice marks its
    // step done with its main score.
    void PracticeShown(const ScoresScreen& screen, bool kept);
    // Closes the step's exercise and opens the next step, or the summary
    // after the last.
    void NextExercise(ScoresScreen& screen);

    const TherapyProgram& Program() const { return program_; }
    const QList<StepOutcome>& Outcomes() const { return outcomes_; }
    QDate Day() const { return day_; }
    // The step whose exercise is open; -1 when none is.
    int CurrentStep() const { return stepOpen() ? current_ : -1; }

    ProgramRun(TherapyProgram program, QDate day);

private:
    void takeWhatWasDoneToday(const QHash<int, QString>& headlines);
    void openStep(int from);
    // Opens the step's exercise on its therapy screen; false when it cannot run.
    bool openExercise(int step);
    // Whether the step's options screen is still loaded (not closed by the user).
    bool stepOpen() const;
    void finish();

    TherapyProgram program_;
    QDate day_;
    QList<StepOutcome> outcomes_;
    int current_ = -1;
    bool running_ = true;
    QPointer<Form> stepScreen_; // the open step's options screen
};
