// The fake platform as the robot uses it: message boxes and input boxes
// answered at random, help requests that open the real help window, sounds
// that play only from a readable WAV file, and hooks that let the robot act
// while a screen loops.
#pragma once

#include "tests/support/fake_platform.h"

#include <QHash>
#include <functional>
#include <random>

class RobotPlatform : public FakePlatform {
public:
    explicit RobotPlatform(std::uint64_t seed);

    // Chooses an answer for a message box of that style (title-bar close
    // included); set by the robot.
    std::function<int(int style)> AnswerMessage;
    // Chooses the text typed into an input box; a null text is Cancel.
    std::function<QString(const QString& defaultText)> AnswerInput;

    double Rnd() override;
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     int leftTwips, int topTwips) override;
    int WinHelp(const QString& helpFile) override;
    bool PlaySound(const QString& path) override;

    // Forgets the records a long run would otherwise pile up.
    void ForgetRecords();

    int MessagesShown = 0;
    // The boxes shown that the design does not show, kept until the robot
    // reports them (ForgetRecords leaves them).
    QStringList UnexpectedMessages;
    // How often each sound file (by name, in lower case) really played.
    QHash<QString, int> SoundsPlayed;

private:
    std::mt19937_64 chance_;
};
