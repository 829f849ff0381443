// The main menu's Tools frame rows that the program adds: the Practice
// History and Programs windows, and the Answer Marks choice. The windows'
// openers are given, so that the program can open them through the clinic
// module while the tests open them directly.
#pragma once

#include <functional>

struct ClinicWindows {
    std::function<void()> openHistory;
    std::function<void()> openPrograms;
};

void InstallToolsFrameButtons(ClinicWindows windows);
