#include "clinic/programs/step_check.h"

#include "shell/forms.h"
#include "shell/forms_apart.h"
#include "shell/menu_exercises.h"

#include <memory>

bool ExerciseAvailable(const QString& exercise) {
    const QString form = MenuExerciseForm(exercise);
    return !form.isEmpty() && Forms::IsRegistered(form);
}

std::optional<QString> StepRefusal(const ProgramStep& step) {
    if (!ExerciseAvailable(step.exercise)) {
        return QString("the exercise \"%1\" is %2").arg(step.exercise, NotAvailableCaption);
    }
    ChooseMenuExerciseMode(step.exercise);
    const std::unique_ptr<Form> screen = Forms::MakeApart(MenuExerciseForm(step.exercise));
    return SetAndCheckOptionValues(*screen, step.options);
}

std::optional<QString> ProgramRefusal(const TherapyProgram& program) {
    for (int i = 0; i < program.steps.size(); ++i) {
        if (const std::optional<QString> refusal = StepRefusal(program.steps[i])) {
            return QString("Step %1 (%2): %3").arg(i + 1).arg(program.steps[i].exercise, *refusal);
        }
    }
    return std::nullopt;
}
