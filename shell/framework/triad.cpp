#include "shell/framework/triad.h"

#include "shell/forms.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/todays_program.h"

#include <QDir>

void ShowMainMenuFrame() {
    if (Form* main = Forms::Find("frmMain")) {
        if (QWidget* menu = main->findChild<QWidget*>("frmMenu")) {
            menu->setVisible(true);
        }
    }
    OfferTodaysProgram(); // a program may have been run, or the patient's changed
}

QString PracticeTimeText() {
    return WholeText(ModDODI::ElapsedMinutes) + " Mins  " + WholeText(ModDODI::ElapsedSeconds) +
           " Secs";
}

QString PracticeTimeLine() {
    return "KOVA.....Practice Time = " + PracticeTimeText();
}

void OpenHelpFile(const QString& helpFile) {
    ModDODI::ApiResult =
        static_cast<Integer>(platform().WinHelp(QDir::currentPath() + "\\" + helpFile));
}
