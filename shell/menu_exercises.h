// The exercises of the main menu's buttons, by their captions: what a saved
// choice of exercise (a therapy program's step) names and opens again.
#pragma once

#include <QString>
#include <QStringList>

class Form;

// The captions of every exercise button of the main menu, in menu order.
QStringList MenuExerciseCaptions();
// The options screen that the exercise button of that caption opens; empty
// when no button has that caption.
QString MenuExerciseForm(const QString& caption);
// Sets the mode that the button of that caption opens its screen in (the
// Tracking screen serves two buttons), so that a screen made next is made
// as that button makes it.
void ChooseMenuExerciseMode(const QString& caption);
// The options screen of the exercise, loaded and set up for its mode as the
// main menu's button of that caption sets it up, but not shown; nullptr when
// this build has no such exercise.
Form* PrepareMenuExercise(const QString& caption);
// Opens the exercise as the main menu's button of that caption does; its
// options screen, or nullptr when the menu is not loaded or this build has
// no such exercise.
Form* OpenMenuExercise(const QString& caption);
