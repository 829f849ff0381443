// Screens as the main menu and the Programs window reach them.
#pragma once

#include "clinic/programs/therapy_program.h"

#include <QList>
#include <QString>
#include <QStringList>

class OptionsScreen;
class QPushButton;
class QWidget;

// The exercise buttons the main menu enables, by object name.
QStringList MenuExerciseButtons();
// An exercise's options screen opened by its main-menu button (the menu
// started first); throws when the button opens none.
OptionsScreen& OpenFromMenu(const QString& button);
// The visible button with that caption; throws when the screen has none.
QPushButton* ButtonCaptioned(const QWidget& screen, const QString& caption);

// A program step of the menu exercise with the options its screen starts
// with, the changes made.
ProgramStep StepOf(const QString& exercise, const QList<OptionValue>& changes = {});
ProgramStep WithOption(ProgramStep step, const QString& control, const QString& value);
