#include "tests/robot/robot.h"

#include "tests/robot/invariants.h"
#include "tests/robot/robot_platform.h"

#include "shell/app.h"
#include "shell/forms.h"
#include "shell/held_events.h"
#include "shell/help_window.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHashSeed>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// Deeper than this inside loops that let events run, the robot only closes
// windows or lets time pass, so nesting cannot grow without end.
constexpr int MaxDepth = 4;
// Events allowed to end the loops still running when the budget is spent.
constexpr long MaxWindDownEvents = 2000;
// No single event may take longer than this (a hang).
constexpr unsigned WatchdogSeconds = 120;
// Virtual time one event may let pass in blocking waits before it counts as a hang.
constexpr double MaxVirtualSecondsPerEvent = 6 * 3600;

// The replay line, kept ready for a crash, an abort or the watchdog.
char replayLine[768] = "";

void writeReplayLine() {
    const char intro[] = "\n*** KOVA robot stopped here; replay with:\n    ";
    [[maybe_unused]] ssize_t ignored = write(STDERR_FILENO, intro, sizeof intro - 1);
    ignored = write(STDERR_FILENO, replayLine, std::strlen(replayLine));
    ignored = write(STDERR_FILENO, "\n", 1);
}

void onFatalSignal(int signal) {
    if (signal == SIGALRM) {
        const char hang[] = "\n*** KOVA robot: one event ran for minutes (a hang)";
        [[maybe_unused]] ssize_t ignored = write(STDERR_FILENO, hang, sizeof hang - 1);
    }
    writeReplayLine();
    std::signal(SIGABRT, SIG_DFL);
    std::abort();
}

void installCrashReport() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(writeReplayLine);
#else
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        std::signal(signal, onFatalSignal);
    }
#endif
    std::signal(SIGALRM, onFatalSignal);
}

QString currentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info == nullptr ? QString("*")
                           : QString("%1.%2").arg(info->test_suite_name(), info->name());
}

double wallSeconds() {
    static QElapsedTimer clock;
    if (!clock.isValid()) {
        clock.start();
    }
    return clock.nsecsElapsed() / 1e9;
}

void flushDeletions() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

RobotRun RobotRun::FromEnvironment(const QString& entry, long defaultEvents) {
    RobotRun run;
    run.entry = entry;
    run.events = defaultEvents;
    bool ok = false;
    const qulonglong seed = qEnvironmentVariable("KOVA_ROBOT_SEED").toULongLong(&ok);
    if (ok) {
        run.seed = seed;
    }
    const long events = qEnvironmentVariable("KOVA_ROBOT_EVENTS").toLong(&ok);
    if (ok && events > 0) {
        run.events = events;
    }
    return run;
}

QStringList MenuEntries() {
    RegisterExercises();
    frmMain menu; // built, never loaded: only its buttons are read
    QStringList entries;
    for (const char* frame : {"frmMenu", "frmTools"}) {
        for (const QPushButton* button :
             menu.findChild<QGroupBox*>(frame)->findChildren<QPushButton*>()) {
            if (button->isEnabled() && button->objectName() != "cmdName") {
                entries << button->objectName();
            }
        }
    }
    return entries;
}

Robot::Robot(RobotRun run)
    : run_(std::move(run)), chance_(run_.seed), user_(chance_, run_.entry, [this](int ms) {
          if (fake_ != nullptr) {
              fake_->AdvanceTime(ms);
          } else {
              QTest::qWait(std::min(ms, 300));
          }
      }) {
    user_.KeysOnly = run_.keysOnly;
    logging_ = qEnvironmentVariableIsSet("KOVA_ROBOT_LOG");
    installCrashReport();
    // Qt's hashes are seeded at random per process; a replay needs them fixed.
    QHashSeed::setDeterministicGlobalSeed();
}

Robot::~Robot() {
    alarm(0);
}

bool Robot::budgetSpent() const {
    if (eventsRun_ >= run_.events) {
        return true;
    }
    return run_.seconds > 0 && wallSeconds() - startedAt_ >= run_.seconds;
}

void Robot::noteEvent() {
    ++eventsRun_;
    std::snprintf(replayLine, sizeof replayLine,
                  "KOVA_ROBOT_SEED=%llu KOVA_ROBOT_EVENTS=%ld %s --gtest_filter=%s%s",
                  static_cast<unsigned long long>(run_.seed), eventsRun_,
                  qPrintable(QCoreApplication::applicationFilePath()),
                  qPrintable(currentTestName()),
                  realPlatform_ ? "   (real platform: timing makes a replay approximate)" : "");
    alarm(WatchdogSeconds);
    if (fake_ != nullptr) {
        virtualStart_ = fake_->Now;
    }
}

void Robot::fail(const QString& what, const QString& broken) {
    if (failed_) {
        return;
    }
    failed_ = true;
    ADD_FAILURE() << "Robot on " << run_.entry.toStdString() << ": " << broken.toStdString()
                  << "\n  after event " << eventsRun_ << ": " << what.toStdString()
                  << "\n  replay: " << replayLine;
}

void Robot::check(const QString& what) {
    if (const QString broken = BrokenInvariant(); !broken.isEmpty()) {
        fail(what, broken);
    } else if (fake_ != nullptr && !fake_->UnexpectedMessages.isEmpty()) {
        fail(what, "a box the design does not show: \"" + fake_->UnexpectedMessages.first() + "\"");
    } else if (AlsoCheck) {
        if (const QString extra = AlsoCheck(); !extra.isEmpty()) {
            fail(what, extra);
        }
    }
}

QString Robot::performEvent() {
    const QString what = depth_ > MaxDepth ? user_.PerformCalmingOne() : user_.PerformOne();
    if (logging_) {
        std::fprintf(stderr, "#%ld%s %s\n", eventsRun_, depth_ > 1 ? " (in a loop)" : "",
                     qPrintable(what));
    }
    return what;
}

void Robot::act() {
    if (depth_ == 0) {
        actAtTopLevel();
    } else {
        actInsideLoop();
    }
}

void Robot::actAtTopLevel() {
    if (realPlatform_ && Forms::Find("frmMain") == nullptr) {
        QCoreApplication::quit(); // the program ended: the run starts it again
        return;
    }
    if (Forms::Find("frmMain") == nullptr) {
        checkProgramEnded("the program's end");
        startProgram();
    }
    if (budgetSpent() || failed_) {
        endProgram();
        return;
    }
    ++depth_;
    noteEvent();
    const ::testing::ScopedTrace trace(__FILE__, __LINE__, replayLine);
    const QString what = performEvent();
    if (!realPlatform_) {
        flushDeletions();
    }
    --depth_;
    check(what);
    if (Forms::Find("frmMain") == nullptr && !realPlatform_) {
        checkProgramEnded(what);
    }
}

void Robot::actInsideLoop() {
    if (budgetSpent() || failed_) {
        // Ending the run: close windows until the loops on the stack end.
        if (++windDownEvents_ > MaxWindDownEvents) {
            std::fprintf(stderr, "*** KOVA robot: the screens' loops do not end when their "
                                 "windows are closed\n");
            onFatalSignal(SIGABRT);
        }
        user_.CloseTopmost();
        return;
    }
    ++depth_;
    noteEvent();
    const ::testing::ScopedTrace trace(__FILE__, __LINE__, replayLine);
    const QString what = performEvent();
    QCoreApplication::processEvents();
    --depth_;
    check(what);
}

void Robot::startProgram() {
    if (HelpWindow* help = HelpWindow::Instance()) {
        help->close();
    }
    ModDODI::ResetAll();
    StartMainMenu();
    QCoreApplication::processEvents();
}

void Robot::endProgram() {
    if (Form* main = Forms::Find("frmMain")) {
        if (main->windowHandle() != nullptr) {
            main->windowHandle()->close();
        } else {
            Forms::Unload(*main);
        }
    }
    if (!realPlatform_) {
        flushDeletions();
        checkProgramEnded("the run's end");
    }
    if (HelpWindow* help = HelpWindow::Instance()) {
        help->close();
    }
}

void Robot::checkProgramEnded(const QString& what) {
    flushDeletions();
    QStringList left;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form*>(window) != nullptr) {
            left << window->objectName() + (window->isVisible() ? " (shown)" : "");
        }
    }
    if (!left.isEmpty()) {
        left.sort();
        fail(what, "the program ended but these screens stayed: " + left.join(", "));
    }
}

void Robot::RunOnFakePlatform(RobotPlatform& fake) {
    fake_ = &fake;
    fake.AnswerMessage = [this](int style) { return user_.AnswerMessage(style); };
    fake.AnswerInput = [this](const QString& text) { return user_.AnswerInput(text); };
    fake.OnDoEvents = [this] { actInsideLoop(); };
    fake.OnSleep = [this](int) {
        if (fake_->Now - virtualStart_ > MaxVirtualSecondsPerEvent) {
            std::fprintf(stderr, "*** KOVA robot: blocking waits ran on for hours\n");
            onFatalSignal(SIGABRT);
        }
    };
    startedAt_ = wallSeconds();
    startProgram();
    while (!budgetSpent() && !failed_) {
        actAtTopLevel();
        if (eventsRun_ % 256 == 0) {
            fake.ForgetRecords();
        }
    }
    endProgram();
    seconds_ = wallSeconds() - startedAt_;
    fake.OnDoEvents = nullptr;
    fake.OnSleep = nullptr;
    fake.AnswerMessage = nullptr;
    fake.AnswerInput = nullptr;
    fake_ = nullptr;
    alarm(0);
}

void Robot::RunOnRealPlatform() {
    realPlatform_ = true;
    user_.RightClicks = true;
    const bool quitOnClose = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    ticker_ = std::make_unique<QTimer>();
    ticker_->setSingleShot(true);
    QObject::connect(ticker_.get(), &QTimer::timeout, [this] {
        if (HeldEvents::Active()) {
            // The window system holds a user's events while a screen
            // waits: they come at the next event step.
            ticker_->start(1);
            return;
        }
        // Set off the next event first, so loops started by this one get theirs.
        ticker_->start(static_cast<int>(chance_() % 40));
        act();
    });
    startedAt_ = wallSeconds();
    while (!budgetSpent() && !failed_) {
        startProgram();
        ticker_->start(0);
        QApplication::exec();
        ticker_->stop();
        if (HelpWindow* help = HelpWindow::Instance()) {
            help->close();
        }
        checkProgramEnded("the program's end");
    }
    seconds_ = wallSeconds() - startedAt_;
    ticker_.reset();
    QApplication::setQuitOnLastWindowClosed(quitOnClose);
    alarm(0);
}
