#include "tests/support/bench_display.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* Reexecuted = "KOVA_BENCH_UNDER_XVFB";

// The program's own path, resolved before exec (afterwards /proc/self/exe is xvfb-run).
std::string OwnPath(const char* argv0) {
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) > 0) {
        return self;
    }
    return argv0;
}

QSize ScreenAsked() {
    const QList<QByteArray> sides = qgetenv("KOVA_BENCH_SCREEN").toLower().split('x');
    return sides.size() == 2 ? QSize(sides[0].toInt(), sides[1].toInt()) : QSize();
}

} // namespace

bool RunOnDisplay(int argc, char** argv, QSize screen) {
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    if (qEnvironmentVariableIsSet(Reexecuted)) {
        std::fprintf(stderr, "%s: no display even under xvfb-run\n", argv[0]);
        return false;
    }
    setenv(Reexecuted, "1", 1);
    // KOVA_BENCH_SCREEN=WxH times the same on a screen of another size.
    const QSize asked = ScreenAsked();
    if (!asked.isEmpty()) {
        screen = asked;
    }
    const std::string self = OwnPath(argv[0]);
    const std::string screenArg = "-screen 0 " + std::to_string(screen.width()) + "x" +
                                  std::to_string(screen.height()) + "x24";
    std::vector<const char*> args{"xvfb-run", "-a", "-s", screenArg.c_str(), self.c_str()};
    for (int i = 1; i < argc; ++i) {
        args.push_back(argv[i]);
    }
    args.push_back(nullptr);
    execvp("xvfb-run", const_cast<char* const*>(args.data()));
    std::fprintf(stderr, "%s: cannot run xvfb-run\n", argv[0]);
    return false;
}
