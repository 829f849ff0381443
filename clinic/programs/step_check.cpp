#include "clinic/programs/step_check.h"

#include "shell/forms.h"
#include "shell/forms_apart.h"
#include "shell/menu_exercises.h"
#include "shell/mod_dodi.h"

#include <memory>

bool ExerciseAvailable(const QString& exercise) {
    const QString form = MenuExerciseForm(exercise);
    return !form.isEmpty() && Forms::IsRegistered(form);
}

std::optional<QString> StepRefusal(const ProgramStep& step) {
    if (!ExerciseAvailable(step.exercise)) {
        return QString("the exercise \"%1\" is %2").arg(step.exercise, NotAvailableCaption);
    }
    // The mode a screen is made in is shared state that an open Tracking
    // screen reads: it is put back as it was once the step is checked.
    const auto numbersLetters = ModDODI::TrackNumbersLetters;
    const auto sequences = ModDODI::TrackSequences;
    ChooseMenuExerciseMode(step.exercise);
    std::optional<QString> refusal;
    {
        const std::unique_ptr<Form> screen = Forms::MakeApart(MenuExerciseForm(step.exercise));
        refusal = SetAndCheckOptionValues(*screen, step.options);
    }
    ModDODI::TrackNumbersLetters = numbersLetters;
    ModDODI::TrackSequences = sequences;
    return refusal;
}

namespace {

std::optional<QString> firstRefusal(const TherapyProgram& program, bool skipUnavailable) {
    for (int i = 0; i < program.steps.size(); ++i) {
        if (skipUnavailable && !ExerciseAvailable(program.steps[i].exercise)) {
            continue;
        }
        if (const std::optional<QString> refusal = StepRefusal(program.steps[i])) {
            return QString("Step %1 (%2): %3").arg(i + 1).arg(program.steps[i].exercise, *refusal);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> ProgramRefusal(const TherapyProgram& program) {
    return firstRefusal(program, false);
}

std::optional<QString> KeepingRefusal(const TherapyProgram& program) {
    return firstRefusal(program, true);
}
