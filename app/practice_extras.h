// What the program adds to the screens beyond their design: on every scores
// screen, printing and saving a report of the practice, the practice history
// and keeping the practice in it, adding it to the patient's program; in the
// Tools frame, the Practice History and the Programs; running a patient's
// therapy program (program_extras.h).
// Installed once at start-up by the program and by the tests.
#pragma once

void InstallPracticeExtras();
