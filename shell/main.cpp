// KOVA: visual-perception training exercises.
#include "shell/app.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("KOVA");
    SetUpAppearance(app);
    RegisterExercises();
    StartMainMenu();
    return QApplication::exec();
}
