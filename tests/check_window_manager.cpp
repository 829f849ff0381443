// Checks, with a real window manager, that exercise windows stay above the
// main menu: opens an exercise, clicks the main menu beside it with the real
// (X test) mouse, and reads the window manager's stacking order.
// Run by check_window_manager.sh, which starts Xvfb and openbox.
#include "app/practice_extras.h"
#include "shell/app.h"
#include "shell/forms.h"
#include "shell/framework/options_screen.h"
#include "shell/main_menu.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <cstdio>
#include <dlfcn.h>
#include <xcb/xcb.h>

namespace {

struct _XDisplay;
using FakeMotion = int (*)(_XDisplay*, int, int, int, unsigned long);
using FakeButton = int (*)(_XDisplay*, unsigned, int, unsigned long);
using Flush = int (*)(_XDisplay*);

int failures = 0;

void check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok  " : "FAIL", what);
    failures += ok ? 0 : 1;
}

class X11 {
public:
    X11() {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        connection_ = x11->connection();
        display_ = reinterpret_cast<_XDisplay*>(x11->display());
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
        void* xlib = dlopen("libX11.so.6", RTLD_NOW);
        if (xtst != nullptr && xlib != nullptr) {
            motion_ = reinterpret_cast<FakeMotion>(dlsym(xtst, "XTestFakeMotionEvent"));
            button_ = reinterpret_cast<FakeButton>(dlsym(xtst, "XTestFakeButtonEvent"));
            flush_ = reinterpret_cast<Flush>(dlsym(xlib, "XFlush"));
        }
    }
    bool CanClick() const { return motion_ && button_ && flush_; }

    // A press and release of the left button at a point of the screen.
    void ClickAt(QPoint point) {
        motion_(display_, -1, point.x(), point.y(), 0);
        button_(display_, 1, 1, 10);
        button_(display_, 1, 0, 10);
        flush_(display_);
    }

    QList<xcb_window_t> WindowList(const char* atomName) {
        QList<xcb_window_t> windows;
        const xcb_atom_t list = atom(atomName);
        auto* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, root_, list, XCB_ATOM_WINDOW, 0, 1024),
            nullptr);
        if (reply != nullptr) {
            const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
            for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i) {
                windows << ids[i];
            }
            free(reply);
        }
        return windows;
    }

    xcb_window_t TransientFor(xcb_window_t window) {
        auto* reply = xcb_get_property_reply(connection_,
                                             xcb_get_property(connection_, 0, window,
                                                              XCB_ATOM_WM_TRANSIENT_FOR,
                                                              XCB_ATOM_WINDOW, 0, 1),
                                             nullptr);
        xcb_window_t owner = 0;
        if (reply != nullptr && xcb_get_property_value_length(reply) == 4) {
            owner = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
        }
        free(reply);
        return owner;
    }

private:
    xcb_atom_t atom(const char* name) {
        auto* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, qstrlen(name), name), nullptr);
        const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return found;
    }

    xcb_connection_t* connection_;
    _XDisplay* display_;
    xcb_window_t root_;
    FakeMotion motion_ = nullptr;
    FakeButton button_ = nullptr;
    Flush flush_ = nullptr;
};

// Lets events run for a while, so the window manager can act.
void settle(int ms = 400) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

// Waits until a window manager has announced itself on the screen.
bool waitForWindowManager(X11& x) {
    for (int i = 0; i < 100; ++i) {
        if (!x.WindowList("_NET_SUPPORTING_WM_CHECK").isEmpty()) {
            return true;
        }
        settle(50);
    }
    return false;
}

bool isManaged(X11& x, const QWidget& window) {
    return x.WindowList("_NET_CLIENT_LIST").contains(xcb_window_t(window.winId()));
}

// Waits until the window manager lists the window. A window mapped while the
// manager was still starting may never be adopted: it is mapped again once.
bool waitManaged(X11& x, QWidget& window) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (int i = 0; i < 50; ++i) {
            if (isManaged(x, window)) {
                settle(200);
                return true;
            }
            settle(100);
        }
        window.hide();
        settle(100);
        window.show();
    }
    return false;
}

// Whether upper lies above lower in the window manager's stacking order.
bool above(X11& x, const QWidget& upper, const QWidget& lower) {
    const QList<xcb_window_t> stack = x.WindowList("_NET_CLIENT_LIST_STACKING");
    const qsizetype u = stack.indexOf(xcb_window_t(upper.winId()));
    const qsizetype l = stack.indexOf(xcb_window_t(lower.winId()));
    return u >= 0 && l >= 0 && u > l;
}

// A point of the main menu that the window on top leaves uncovered.
QPoint besideWindow(const QWidget& menu, const QWidget& top) {
    const QRect covered = top.frameGeometry();
    for (QPoint point : {QPoint(20, menu.height() - 20), QPoint(menu.width() - 20, 20),
                         QPoint(menu.width() - 20, menu.height() - 20)}) {
        const QPoint global = menu.mapToGlobal(point);
        if (!covered.contains(global)) {
            return global;
        }
    }
    return menu.mapToGlobal(QPoint(2, menu.height() - 2));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetUpAppearance(app);
    InstallPracticeExtras();
    auto fake = std::make_unique<FakePlatform>();
    fake->Display = QGuiApplication::primaryScreen()->size();
    SetPlatform(std::move(fake));
    RegisterExercises();
    X11 x;
    if (!x.CanClick()) {
        std::printf("skipped: the X test extension's library is not there\n");
        return 77;
    }

    if (!waitForWindowManager(x)) {
        std::printf("FAIL: no window manager came up\n");
        return 1;
    }
    frmMain& menu = StartMainMenu();
    check(waitManaged(x, menu), "the main menu is managed");
    menu.cmdTRMenu_Click();
    menu.findChild<QPushButton*>("cmdFlipper")->click();
    auto* options = dynamic_cast<OptionsScreen*>(Forms::Active());
    check(options != nullptr && waitManaged(x, *options), "the options screen is managed");
    if (options == nullptr) {
        return 1;
    }
    check(x.TransientFor(options->winId()) == menu.winId(),
          "the options screen tells the window system it belongs to the main menu");
    x.ClickAt(besideWindow(menu, *options));
    settle();
    check(above(x, *options, menu), "after a click on the main menu, options stay above it");

    options->cmdStart_Click();
    Form& therapy = Forms::Get(options->Names().therapy);
    check(waitManaged(x, therapy), "the therapy screen is managed");
    check(x.TransientFor(therapy.winId()) == options->winId(),
          "the therapy screen belongs to its options screen");
    x.ClickAt(besideWindow(menu, therapy));
    settle();
    check(above(x, therapy, *options) && above(x, *options, menu),
          "after a click on the main menu, therapy over options over the menu");

    Forms::Hide(therapy);
    Forms::Show(options->Names().scores);
    Form& scores = Forms::Get(options->Names().scores);
    check(waitManaged(x, scores), "the scores screen is managed");
    x.ClickAt(besideWindow(menu, scores));
    settle();
    check(above(x, scores, menu), "after a click on the main menu, scores stay above it");

    Forms::UnloadAll();
    std::printf("%s\n",
                failures == 0 ? "window manager check passed" : "window manager check FAILED");
    return failures == 0 ? 0 : 1;
}
