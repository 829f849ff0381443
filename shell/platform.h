// The one seam between the program and time, chance and the outside world.
#pragma once

#include <QDateTime>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "shell/vb_runtime.h"

class QPrinter;
class QWidget;
class QObject;

// Message box buttons and icons, combinable as in MsgBox flags.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
// Message box answers.
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

class Platform {
public:
    virtual ~Platform() = default;

    // Seconds since midnight, with a fractional part.
    virtual Single Timer() = 0;
    // The date and time of day, for what the program writes down (a report's
    // time of printing); Timer() reads the same clock.
    virtual QDateTime CurrentDateTime() = 0;
    // Milliseconds on a clock that only moves forward: unlike Timer it does
    // not jump at midnight or when the time of day is set.
    virtual double MonotonicMs() = 0;
    // Blocks for ms milliseconds: what was drawn before is shown at once.
    // The window keeps being painted and answering the desktop meanwhile,
    // but nothing that acts on the program is handled: clicks, keys, window
    // closes and form timers' ticks wait for the next event step.
    virtual void Sleep(int ms) = 0;
    // Blocks, as Sleep does, until MonotonicMs() reaches deadlineMs; returns
    // at once when it has passed. Waiting to start + k x interval keeps a
    // steady beat whatever each step costs.
    virtual void SleepUntil(double deadlineMs) = 0;
    // Lets pending events run.
    virtual void DoEvents() = 0;
    // Sleeps until at least one event arrives, then lets pending events run:
    // a wait for the user that costs no processor time.
    virtual void WaitForEvents() = 0;

    // Uniform value in [0, 1).
    virtual double Rnd() = 0;
    // Mixes the clock into the generator's state (never restarts it).
    virtual void Randomize() = 0;

    // Plays a WAV file asynchronously; false when it cannot be played.
    virtual bool PlaySound(const QString& path) = 0;
    // Loads a WAV file ahead, so that its first PlaySound starts on time;
    // false when it cannot be played.
    virtual bool PreloadSound(const QString& path) = 0;
    virtual void Beep() = 0;
    virtual void ShowCursor(bool visible) = 0;

    virtual int MsgBox(const QString& prompt, int style, const QString& title) = 0;
    // Returns the text entered, or an empty text on Cancel.
    virtual QString InputBox(const QString& prompt, const QString& title,
                             const QString& defaultText, int leftTwips, int topTwips) = 0;
    // The system's print dialog for printer, over parent; false on Cancel.
    virtual bool PrintDialog(QPrinter& printer, QWidget* parent) = 0;
    // A file dialog for saving, opened at proposedPath: the path chosen, or
    // an empty text on Cancel.
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& proposedPath,
                                 const QString& filter) = 0;
    // A file dialog for opening an existing file: the path chosen, or an
    // empty text on Cancel.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // Opens the help window for a help file name such as "Flipper.hlp".
    virtual int WinHelp(const QString& helpFile) = 0;
    // Pixel size of the display.
    virtual QSize DisplaySize() = 0;
    // The part of the display that windows may take (without panels).
    virtual QRect WorkArea() = 0;
    // Gives window the whole work area: maximised, so that a window manager
    // fits its frame in too.
    virtual void FillWorkArea(QWidget& window) = 0;

    // Settings kept from one run to the next; an empty text when never set.
    virtual QString Setting(const QString& key) = 0;
    virtual void SetSetting(const QString& key, const QString& value) = 0;

    // Form timers: the platform calls fire, the timer's next tick, when the
    // monotonic clock reaches dueMs, on the event loop (the real platform)
    // or on its virtual clock (a test platform). A timer has one tick
    // scheduled at most; a new one replaces it.
    virtual void TimerScheduled(QObject* timer, double dueMs, std::function<void()> fire) = 0;
    virtual void TimerStopped(QObject* timer) = 0;
};

// Whether a file holds a WAV sound: a RIFF/WAVE header and some data after
// it. An empty or damaged file plays nothing and is reported as not played.
bool IsPlayableWav(const QString& path);

// The platform in use; the real one unless a test installed another.
Platform& platform();
void SetPlatform(std::unique_ptr<Platform> replacement);
