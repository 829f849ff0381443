// A platform for tests: a virtual clock, scripted random values, and records
// of every sound, beep, message box, input box and help request.
#pragma once

#include "shell/platform.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QStringList>
#include <deque>
#include <functional>
#include <random>

struct RecordedMessage {
    QString prompt;
    int style;
    QString title;
};

class FakePlatform : public Platform {
public:
    FakePlatform();
    ~FakePlatform() override;

    // The platform installed now (tests install one in their fixture).
    static FakePlatform& Installed();

    // Virtual clock, seconds since midnight; the monotonic clock reads it in
    // milliseconds.
    double Now = 36000.0; // 10:00:00
    // The day the clock started on; Now past 86400 s is a later day.
    QDate Today{2026, 12, 7};
    // Advances the clock by ms and fires form timers that fall due, in order,
    // each at its due time.
    void AdvanceTime(int ms);

    // Values Rnd() returns next, in order; afterwards a seeded generator.
    void ScriptRnd(std::initializer_list<double> values);
    void ScriptRnd(const QList<double>& values);
    int RandomizeCalls = 0;

    // Answers for message boxes and input boxes, in order; the default
    // answer is OK and the input box's default text.
    QQueue<int> MsgBoxAnswers;
    QQueue<QString> InputAnswers; // a null QString means Cancel
    QList<RecordedMessage> Messages;
    struct InputRequest {
        QString prompt, title, defaultText;
        int left, top;
    };
    QList<InputRequest> Inputs;

    // Print dialogs: each answer in turn (true is Print), Cancel when none is
    // left; OnPrintDialog sets the printer up as the user would (a printer,
    // "Print to File" and its file) before an accepted dialog returns.
    QQueue<bool> PrintDialogAnswers;
    std::function<void(QPrinter&)> OnPrintDialog;
    int PrintDialogs = 0;
    // Save dialogs: each answer in turn, Cancel (an empty text) when none is
    // left; the paths they proposed, in order.
    QQueue<QString> SaveFileAnswers;
    QStringList ProposedSavePaths;
    // Open dialogs: each answer in turn, Cancel (an empty text) when none is left.
    QQueue<QString> OpenFileAnswers;
    // Runs once, at the next message box, input box, print, save or open
    // dialog, while it is "open" (after it is recorded, before it answers),
    // so a test can close windows behind it. Windows closed meanwhile are
    // destroyed before the box returns, as in a real box's event loop.
    std::function<void()> OnBox;

    QStringList Sounds;       // paths of sounds played
    QList<double> SoundTimes; // the monotonic clock (ms) at which each of Sounds started
    QStringList PreloadedSounds;
    QStringList HelpFiles; // help files asked for
    int HelpResult = 1;
    int Beeps = 0;
    bool CursorVisible = true;
    QList<int> Sleeps;       // every blocking wait of Sleep, in ms
    QList<double> Deadlines; // every blocking wait of SleepUntil, its deadline in ms
    QSize Display{800, 600};

    // Runs at every DoEvents and WaitForEvents (after pending events), so a
    // test can act while a screen loops or waits for the user.
    std::function<void()> OnDoEvents;
    int DoEventsCalls = 0;
    int EventWaits = 0; // calls of WaitForEvents
    // Runs after every blocking wait, with the milliseconds it lasted.
    std::function<void(int ms)> OnSleep;
    // Runs after every sound started, so a test can make starting one cost time.
    std::function<void()> OnPlaySound;

    Single Timer() override;
    QDateTime CurrentDateTime() override;
    double MonotonicMs() override { return Now * 1000.0; }
    void Sleep(int ms) override;
    // Moves the virtual clock to the deadline (not back when it has passed).
    void SleepUntil(double deadlineMs) override;
    void DoEvents() override;
    void WaitForEvents() override;
    double Rnd() override;
    void Randomize() override;
    bool PlaySound(const QString& path) override;
    bool PreloadSound(const QString& path) override;
    void Beep() override { ++Beeps; }
    void ShowCursor(bool visible) override { CursorVisible = visible; }
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     int leftTwips, int topTwips) override;
    bool PrintDialog(QPrinter& printer, QWidget* parent) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& proposedPath,
                         const QString& filter) override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
    int WinHelp(const QString& helpFile) override;
    QSize DisplaySize() override { return Display; }
    // The whole display: the offscreen platform has no panels.
    QRect WorkArea() override { return {QPoint(0, 0), Display}; }
    // Exactly the work area: the offscreen platform would maximise a window
    // to a screen of its own size.
    void FillWorkArea(QWidget& window) override;
    QHash<QString, QString> Settings; // kept between "runs" only as long as the test keeps them
    QString Setting(const QString& key) override { return Settings.value(key); }
    void SetSetting(const QString& key, const QString& value) override {
        Settings.insert(key, value);
    }
    void TimerScheduled(QObject* timer, double dueMs, std::function<void()> fire) override;
    void TimerStopped(QObject* timer) override;

    // Form timers running now.
    QList<QObject*> RunningTimers() const;

private:
    void boxOpen();

    struct Scheduled {
        QObject* timer;
        double dueMs; // monotonic clock
        std::function<void()> fire;
    };
    std::deque<double> scriptedRnd_;
    std::mt19937_64 generator_{12345};
    QList<Scheduled> timers_;
};
