#include "clinic/programs/program_run.h"

#include "clinic/history/practice_facts.h"
#include "clinic/history/practice_history.h"
#include "clinic/programs/program_store.h"
#include "clinic/programs/step_check.h"
#include "shell/forms.h"
#include "shell/framework/option_values.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/scores_screen.h"
#include "shell/menu_exercises.h"
#include "shell/platform.h"

namespace {

std::unique_ptr<ProgramRun>& lastRun() {
    static std::unique_ptr<ProgramRun> run;
    return run;
}

std::optional<TherapyProgram> currentProgram(const QString& patient) {
    PracticeStore* history = patient.trimmed().isEmpty() ? nullptr : PracticeHistory::Store();
    if (history == nullptr) {
        return std::nullopt;
    }
    std::optional<TherapyProgram> program = ProgramStore(*history).Current(patient);
    if (!program || program->steps.isEmpty()) {
        return std::nullopt;
    }
    return program;
}

} // namespace

bool ProgramRun::Offered(const QString& patient) {
    return currentProgram(patient).has_value();
}

ProgramRun* ProgramRun::Active() {
    ProgramRun* run = lastRun().get();
    return run != nullptr && run->running_ && run->stepOpen() ? run : nullptr;
}

ProgramRun::ProgramRun(TherapyProgram program, QDate day)
    : program_(std::move(program)), day_(day), outcomes_(program_.steps.size()) {}

bool ProgramRun::Start(const QString& patient) {
    if (Active() != nullptr) {
        return false; // one program at a time
    }
    const std::optional<TherapyProgram> program = currentProgram(patient);
    if (!program) {
        return false;
    }
    const QDate today = platform().CurrentDateTime().date();
    // The run before is replaced here, never from inside its own handlers.
    lastRun() = std::make_unique<ProgramRun>(*program, today);
    ProgramRun& run = *lastRun();
    run.takeWhatWasDoneToday(
        ProgramStore(*PracticeHistory::Store()).HeadlinesOn(program->id, today));
    run.openStep(0);
    return true;
}

void ProgramRun::takeWhatWasDoneToday(const QHash<int, QString>& headlines) {
    bool waiting = false;
    for (int i = 0; i < outcomes_.size(); ++i) {
        StepOutcome& outcome = outcomes_[i];
        if (!ExerciseAvailable(program_.steps[i].exercise)) {
            outcome.state = StepOutcome::State::NotAvailable;
            outcome.note = NotAvailableCaption;
        } else if (headlines.contains(i)) {
            outcome.state = StepOutcome::State::Done;
            outcome.headline = headlines.value(i);
        } else {
            waiting = true;
        }
    }
    if (waiting) {
        return;
    }
    // Every step was done today already: this is a new session, from the start.
    for (StepOutcome& outcome : outcomes_) {
        if (outcome.state == StepOutcome::State::Done) {
            outcome = StepOutcome{};
        }
    }
}

void ProgramRun::openStep(int from) {
    for (int step = from; step < outcomes_.size(); ++step) {
        if (outcomes_[step].state == StepOutcome::State::Waiting && openExercise(step)) {
            return;
        }
    }
    finish();
}

bool ProgramRun::openExercise(int step) {
    const ProgramStep& wanted = program_.steps[step];
    StepOutcome& outcome = outcomes_[step];
    // Checked on a screen apart first: a refused step never reaches a therapy screen.
    if (const std::optional<QString> refusal = StepRefusal(wanted)) {
        outcome.state = ExerciseAvailable(wanted.exercise) ? StepOutcome::State::Refused
                                                           : StepOutcome::State::NotAvailable;
        outcome.note = *refusal;
        return false;
    }
    Form* options = OpenMenuExercise(wanted.exercise);
    auto* optionsScreen = dynamic_cast<OptionsScreen*>(options);
    if (optionsScreen == nullptr) {
        outcome.state = StepOutcome::State::NotAvailable;
        outcome.note = NotAvailableCaption;
        return false;
    }
    SetAndCheckOptionValues(*optionsScreen, wanted.options);
    current_ = step;
    stepScreen_ = optionsScreen;
    optionsScreen->cmdStart_Click();
    return true;
}

bool ProgramRun::stepOpen() const {
    // A screen closed by the user leaves the registry at once: the program
    // is left there, what was practised is kept, and the same day it goes
    // on from the first step not done.
    return stepScreen_ != nullptr && !Forms::IsUnloading(*stepScreen_) &&
           Forms::Find(stepScreen_->objectName()) == stepScreen_;
}

std::optional<ProgramPlace> ProgramRun::PlaceOf(const ScoresScreen& screen) const {
    if (!running_ || program_.id == 0 || !stepOpen() ||
        screen.Names().options != stepScreen_->objectName()) {
        return std::nullopt;
    }
    return ProgramPlace{program_.id, current_};
}

void ProgramRun::PracticeShown(const ScoresScreen& screen, bool kept) {
    if (!kept || !PlaceOf(screen)) {
        return;
    }
    StepOutcome& outcome = outcomes_[current_];
    outcome.state = StepOutcome::State::Done;
    outcome.headline = HeadlineOf(ReportOf(screen).scores);
}

void ProgramRun::NextExercise(ScoresScreen& screen) {
    if (!PlaceOf(screen)) {
        return;
    }
    stepScreen_ = nullptr; // closed by the program, not left
    screen.cmdMainMenu_Click();
    openStep(current_ + 1);
}

namespace {
std::function<void(const ProgramRun&)>& whenFinished() {
    static std::function<void(const ProgramRun&)> shown;
    return shown;
}
} // namespace

void ProgramRun::SetWhenFinished(std::function<void(const ProgramRun&)> shown) {
    whenFinished() = std::move(shown);
}

void ProgramRun::finish() {
    running_ = false;
    current_ = -1;
    if (whenFinished()) {
        whenFinished()(*this);
    }
}
