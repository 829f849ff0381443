// What every scores screen offers beyond its own lines: printing and saving
// a report of the practice, the practice history and keeping the practice in
// it. Installed once at start-up by the program and by the tests.
#pragma once

void InstallPracticeExtras();
