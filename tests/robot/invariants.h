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

// An insane figure in a text: a negative number, "nan" or "inf", or a
// percentage above 100 (unless overCountAllowed). Empty when all is sane.
QString InsaneFigure(const QString& text, bool overCountAllowed);
