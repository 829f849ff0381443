// Program start-up shared by the executable and the tests.
#pragma once

#include <QString>

class QApplication;

// Registers every exercise's screens (generated from the exercise folders).
void RegisterExercises();

// Sets the look of the program: one style and palette on every desktop.
void SetUpAppearance(QApplication& app);

// Shows the main menu; returns it.
class frmMain;
frmMain& StartMainMenu();

// When the assets folder is missing, says where KOVA looked: on standard
// error, and in a message box when inBox. KOVA goes on either way.
void TellWhenAssetsAreMissing(bool inBox);

// The start-up check's report: that the menu is shown, and the picture and
// help page that were found and read (or that they were not).
QString StartUpReport();
