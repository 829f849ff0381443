// Program start-up shared by the executable and the tests.
#pragma once

class QApplication;

// Registers every exercise's screens (generated from the exercise folders).
void RegisterExercises();

// Sets the look of the program: one style and palette on every desktop.
void SetUpAppearance(QApplication& app);

// Shows the main menu; returns it.
class frmMain;
frmMain& StartMainMenu();
