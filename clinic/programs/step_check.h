// Whether a program step can run: its exercise is in this build and its
// options are ones the exercise's own options screen accepts.
#pragma once

#include "clinic/programs/therapy_program.h"

#include <optional>

// The step is checked on a copy of its exercise's options screen made apart
// and never shown: every option and the practice time, with the screen's own
// messages. The first thing refused, naming the option; nothing when the
// step can run.
std::optional<QString> StepRefusal(const ProgramStep& step);

// The same for every step: "Step 2 (Flipper): ...", for the first step refused.
std::optional<QString> ProgramRefusal(const TherapyProgram& program);

// The same for keeping the program: a step of an exercise that this build
// lacks is kept as it is (another build made it and can run it); every
// other step must be one its screen accepts.
std::optional<QString> KeepingRefusal(const TherapyProgram& program);

// The caption shown for a step whose exercise is not in this build.
inline const char* const NotAvailableCaption = "not available";
bool ExerciseAvailable(const QString& exercise);
