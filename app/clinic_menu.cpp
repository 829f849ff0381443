#include "app/clinic_menu.h"

#include "shell/controls/answer_marks.h"
#include "shell/main_menu.h"

void InstallToolsFrameButtons(ClinicWindows windows) {
    SetToolsFrameButtons({
        {"cmdHistory", "Practice History", std::move(windows.openHistory)},
        {"cmdPrograms", "Programs", std::move(windows.openPrograms)},
        {"chkAnswerMarks", "Answer Marks", [] { AnswerMarks::SetShown(!AnswerMarks::Shown()); },
         [] { return AnswerMarks::Shown(); }},
    });
}
