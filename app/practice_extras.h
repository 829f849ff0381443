// What the program adds to the screens beyond their design: on every scores
// screen, printing and saving a report of the practice, the practice history
// and keeping the practice in it, adding it to the patient's program; in the
// Tools frame, the Practice History and the Programs; running a patient's
// therapy program (program_extras.h).
#pragma once

// Everything but the Tools frame's rows: what the clinic module installs
// once the main menu is painted.
void InstallClinicExtras();
void OpenHistoryWindow();
void OpenProgramsWindow();

// All of it, the Tools frame's rows opening the windows directly: installed
// once at start-up by the tests.
void InstallPracticeExtras();
