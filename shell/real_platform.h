// The platform of the running program: system clock, Qt events, sound, dialogs.
#pragma once

#include "shell/platform.h"

#include <QHash>
#include <memory>
#include <random>

class QSoundEffect;

class RealPlatform : public Platform {
public:
    RealPlatform();
    ~RealPlatform() override;

    Single Timer() override;
    void Sleep(int ms) override;
    void DoEvents() override;
    double Rnd() override;
    void Randomize() override;
    bool PlaySound(const QString& path) override;
    void Beep() override;
    void ShowCursor(bool visible) override;
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     int leftTwips, int topTwips) override;
    int WinHelp(const QString& helpFile) override;
    QSize DisplaySize() override;
    bool RunsTimers() const override { return true; }
    void TimerStarted(VbTimer*) override {}
    void TimerStopped(VbTimer*) override {}

private:
    std::mt19937_64 generator_;
    bool audioAvailable_ = false;
    bool audioChecked_ = false;
    QHash<QString, QSoundEffect*> sounds_;
};
