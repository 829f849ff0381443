// The random-input robot: opens one exercise from the main menu and performs
// a long, seeded stream of random user events on it, checking after every
// event that the program is still sound. A failure names the seed and the
// event number; KOVA_ROBOT_SEED and KOVA_ROBOT_EVENTS replay it.
#pragma once

#include "tests/robot/user_events.h"

#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>

class RobotPlatform;

struct RobotRun {
    QString entry;          // the main-menu button of the exercise, e.g. "cmdFlipper"
    std::uint64_t seed = 1; // KOVA_ROBOT_SEED
    long events = 2000;     // KOVA_ROBOT_EVENTS
    int seconds = 0;        // on the real platform: stop after this many seconds too
    bool keysOnly = false;  // a keyboard user: no mouse click at all

    // The defaults given, replaced by KOVA_ROBOT_SEED / KOVA_ROBOT_EVENTS when set.
    static RobotRun FromEnvironment(const QString& entry, long defaultEvents);
};

// The enabled exercise buttons of the main menu (and the metronome when it
// is there), in menu order.
QStringList MenuEntries();

class Robot {
public:
    explicit Robot(RobotRun run);
    ~Robot();

    // Runs on the fake platform (installed by the caller as RobotPlatform).
    void RunOnFakePlatform(RobotPlatform& fake);
    // Runs on the real platform inside the application's event loop.
    void RunOnRealPlatform();

    // A further invariant of this run (empty text when it holds).
    std::function<QString()> AlsoCheck;

    long EventsRun() const { return eventsRun_; }
    bool Failed() const { return failed_; }
    double Seconds() const { return seconds_; }

private:
    void act();
    void actAtTopLevel();
    void actInsideLoop();
    QString performEvent();
    void check(const QString& what);
    void fail(const QString& what, const QString& broken);
    bool budgetSpent() const;
    void startProgram();
    // Closes the program through the main menu's title bar; checks that every
    // screen went with it.
    void endProgram();
    void checkProgramEnded(const QString& what);
    void noteEvent();

    RobotRun run_;
    std::mt19937_64 chance_;
    UserEvents user_;
    long eventsRun_ = 0;
    long windDownEvents_ = 0;
    int depth_ = 0;
    bool failed_ = false;
    bool realPlatform_ = false;
    bool logging_ = false;
    double seconds_ = 0;
    double startedAt_ = 0;
    double virtualStart_ = 0;
    RobotPlatform* fake_ = nullptr;
    std::unique_ptr<QTimer> ticker_;
};
