// KOVA: visual-perception training exercises.
#include "app/clinic_loader.h"
#include "shell/app.h"
#include "shell/command_line.h"
#include "shell/first_paint.h"
#include "shell/logo.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    // --help and --version are answered before any window system is needed.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (const auto reply = ReplyToCommandLine(arguments)) {
        std::fputs(reply->text.toLocal8Bit().constData(), stdout);
        return reply->exitCode;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("KOVA");
    // The desktop entry's name: desktops find KOVA's icon and menu entry by it.
    QApplication::setDesktopFileName(KOVA_APP_ID);
    SetUpAppearance(app);
    InstallClinicMenu();
    RegisterExercises();
    frmMain& menu = StartMainMenu();
    const QByteArray startUpCheck = qgetenv("KOVA_EXIT_AFTER_START");
    // Start-up check used by the tests and the start-up benchmark: once the
    // menu is painted, say so and what was found (with "load", whether the
    // clinic module loads), and leave through the Exit button.
    if (!startUpCheck.isEmpty()) {
        const bool loadClinic = startUpCheck == "load";
        RunAfterFirstPaint(menu, [&menu, loadClinic] {
            TellWhenAssetsAreMissing(false);
            const QString report = StartUpReport() + ClinicStartUpLine(loadClinic);
            std::fputs(report.toLocal8Bit().constData(), stdout);
            std::fflush(stdout);
            menu.cmdExit2_Click();
        });
        return QApplication::exec();
    }
    // A missing assets folder and a history that cannot be used are told
    // about once the menu is painted, over the menu: the clinic module and
    // the practice history are loaded then, not before the menu is on screen.
    // The windows' icon is drawn then too: the menu is shown without it
    // for a moment, and every window has it from then on.
    RunAfterFirstPaint(menu, [] {
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(DrawLogo(256))));
        TellWhenAssetsAreMissing(true);
        LoadClinic();
    });
    return QApplication::exec();
}
