// The program's side of the clinic module (clinic_module.h): the Tools
// frame's rows that open its windows, and loading it once the main menu is
// painted.
#pragma once

#include <QString>

// Before the main menu is made: its Practice History and Programs rows.
void InstallClinicMenu();

// Loads the module and installs what it adds, once. When the module cannot
// be loaded, the user is told once, over the menu, and the program goes on
// without a practice history, reports or programs.
void LoadClinic();

// The start-up check's line about the module: where it was found and, when
// load is set, whether it loads with everything it needs.
QString ClinicStartUpLine(bool load);
