// "Add To Program..." on a scores screen: the exercise with the exact options
// of the practice shown becomes the last step of the patient's program.
#pragma once

class ScoresScreen;

// Adds the step to the patient's current program (a new one, made current,
// when the patient has none) and shows it in the Programs window over the
// scores screen.
void AddPracticeToProgram(ScoresScreen& screen);
// Whether there is a patient to add a step for (a name was entered).
bool CanAddPracticeToProgram();
