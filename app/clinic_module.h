// The clinic module: the practice history, the printed reports and the
// therapy programs, with the SQL, chart and printing libraries they use.
// The program loads it once the main menu is painted, so that starting KOVA
// loads none of them; the module takes the screens' framework from the
// program itself.
#pragma once

#include <QString>

QString ClinicModuleFileName();

// The functions the module exports, each taking and returning nothing:
// installing what the clinic adds to the screens and opening the practice
// history (told over the menu when it cannot be used), and opening its two
// windows from the main menu.
#define KOVA_INSTALL_CLINIC "kova_install_clinic"
#define KOVA_OPEN_HISTORY "kova_open_history"
#define KOVA_OPEN_PROGRAMS "kova_open_programs"
using ClinicFunction = void (*)();
