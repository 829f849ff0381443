// The platform of the running program: system clock, Qt events, sound, dialogs.
#pragma once

#include "shell/platform.h"
#include "shell/random_generator.h"

#include <QHash>
#include <memory>

class SoundOutput;

class RealPlatform : public Platform {
public:
    RealPlatform();
    ~RealPlatform() override;

    Single Timer() override;
    QDateTime CurrentDateTime() override;
    double MonotonicMs() override;
    void Sleep(int ms) override;
    void SleepUntil(double deadlineMs) override;
    void DoEvents() override;
    void WaitForEvents() override;
    double Rnd() override;
    void Randomize() override;
    bool PlaySound(const QString& path) override;
    bool PreloadSound(const QString& path) override;
    void Beep() override;
    void ShowCursor(bool visible) override;
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     int leftTwips, int topTwips) override;
    bool PrintDialog(QPrinter& printer, QWidget* parent) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& proposedPath,
                         const QString& filter) override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
    int WinHelp(const QString& helpFile) override;
    QSize DisplaySize() override;
    QRect WorkArea() override;
    void FillWorkArea(QWidget& window) override;
    QString Setting(const QString& key) override;
    void SetSetting(const QString& key, const QString& value) override;
    void TimerScheduled(QObject* timer, double dueMs, std::function<void()> fire) override;
    void TimerStopped(QObject* timer) override;

private:
    // Delivers events, but no user input, until the monotonic clock reaches
    // wakeMs: the desktop is answered while the program waits.
    void DeliverEventsUntil(double wakeMs);
    bool AudioAvailable();
    bool Playable(const QString& path);

    RandomGenerator generator_;
    bool audioAvailable_ = false;
    bool audioChecked_ = false;
    std::unique_ptr<SoundOutput> sound_; // loaded with the first sound
    QHash<QString, bool> playable_;
};
