// What must hold after every user event, whatever was clicked or typed.
#pragma once

#include <QList>
#include <QString>

class Form;
class QWidget;

// The forms loaded now (shown or hidden), not counting those being unloaded.
QList<Form*> LoadedForms();
// The exercise (or tool) each loaded form belongs to: its options screen's
// name for the screens of an exercise, else the form's own name. The main
// menu belongs to none.
QString ExerciseOf(const Form& form);
// The windows the user sees now, in a fixed order (tooltips left out).
QList<QWidget*> VisibleWindows();

// Checks every invariant; returns a description of the first one broken,
// or an empty text when all hold.
QString BrokenInvariant();

// The pieces, each returning its own description or an empty text.
QString MoreThanOneExerciseOpen();
QString MainMenuTakesClicksWrongly();
QString WindowNobodyCanReach();
QString WindowOffScreen();
QString WindowBehindOneThatTakesNoClicks();
QString InsaneNumberShown();
QString InsaneElapsedTime();

// Whether a message box is one the program is designed to show: an option's
// value refused (the message of a validating box on a screen loaded now), a
// notice an exercise is designed to give, or a question the user asked for
// (deleting from the history). Any other box tells of a fault, such as a
// practice that could not be kept.
bool IsDesignedMessage(const QString& prompt, int style);
// A message box on screen (the real platform) that the design does not show.
QString UnexpectedMessageBox();

// An insane figure in a text: a negative number, "nan" or "inf", or a
// percentage above 100 (unless overCountAllowed). Empty when all is sane.
QString InsaneFigure(const QString& text, bool overCountAllowed);
