#include "tests/robot/robot_platform.h"

#include "tests/robot/invariants.h"

#include "shell/help_window.h"

#include <QFile>
#include <QFileInfo>

RobotPlatform::RobotPlatform(std::uint64_t seed) : chance_(seed) {}

double RobotPlatform::Rnd() {
    return static_cast<double>(chance_() >> 11) * 0x1.0p-53;
}

int RobotPlatform::MsgBox(const QString& prompt, int style, const QString& title) {
    ++MessagesShown;
    FakePlatform::MsgBox(prompt, style, title);
    if (!IsDesignedMessage(prompt, style)) {
        UnexpectedMessages << title + ": " + prompt;
    }
    return AnswerMessage ? AnswerMessage(style) : vbOK;
}

QString RobotPlatform::InputBox(const QString& prompt, const QString& title,
                                const QString& defaultText, int leftTwips, int topTwips) {
    FakePlatform::InputBox(prompt, title, defaultText, leftTwips, topTwips);
    return AnswerInput ? AnswerInput(defaultText) : defaultText;
}

int RobotPlatform::WinHelp(const QString& helpFile) {
    FakePlatform::WinHelp(helpFile);
    return HelpWindow::Open(helpFile) ? 1 : 0;
}

bool RobotPlatform::PlaySound(const QString& path) {
    FakePlatform::PlaySound(path);
    if (!IsPlayableWav(path)) {
        return false;
    }
    ++SoundsPlayed[QFileInfo(path).fileName().toLower()];
    return true;
}

void RobotPlatform::ForgetRecords() {
    Messages.clear();
    Inputs.clear();
    Sounds.clear();
    HelpFiles.clear();
    Sleeps.clear();
    MsgBoxAnswers.clear();
    InputAnswers.clear();
}
