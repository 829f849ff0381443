// KOVA: visual-perception training exercises.
#include "app/practice_extras.h"
#include "clinic/history/practice_history.h"
#include "shell/app.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("KOVA");
    SetUpAppearance(app);
    InstallPracticeExtras();
    RegisterExercises();
    frmMain& menu = StartMainMenu();
    // The practice history is opened once the menu is up, so that a history
    // that cannot be used is told about over the menu, at once.
    QTimer::singleShot(0, &menu, [] { PracticeHistory::Store(); });
    // Start-up check used by the tests and the start-up benchmark: once the
    // menu is on screen, say so and leave through the Exit button.
    if (qEnvironmentVariableIsSet("KOVA_EXIT_AFTER_START")) {
        QTimer::singleShot(0, &menu, [&menu] {
            std::puts("KOVA main menu shown");
            std::fflush(stdout);
            menu.cmdExit2_Click();
        });
    }
    return QApplication::exec();
}
