#include "tests/support/fake_platform.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

static FakePlatform* installed = nullptr;

FakePlatform::FakePlatform() {
    installed = this;
}

FakePlatform::~FakePlatform() {
    if (installed == this) {
        installed = nullptr;
    }
}

FakePlatform& FakePlatform::Installed() {
    Q_ASSERT(installed != nullptr);
    return *installed;
}

Single FakePlatform::Timer() {
    return static_cast<Single>(std::fmod(Now, 86400.0));
}

void FakePlatform::boxOpen() {
    const std::function<void()> hook = std::exchange(OnBox, nullptr);
    if (hook) {
        hook();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

bool FakePlatform::PrintDialog(QPrinter& printer, QWidget*) {
    ++PrintDialogs;
    boxOpen();
    const bool accepted = !PrintDialogAnswers.isEmpty() && PrintDialogAnswers.dequeue();
    if (accepted && OnPrintDialog) {
        OnPrintDialog(printer);
    }
    return accepted;
}

QString FakePlatform::SaveFileName(QWidget*, const QString&, const QString& proposedPath,
                                   const QString&) {
    ProposedSavePaths << proposedPath;
    boxOpen();
    return SaveFileAnswers.isEmpty() ? QString() : SaveFileAnswers.dequeue();
}

QString FakePlatform::OpenFileName(QWidget*, const QString&, const QString&) {
    boxOpen();
    return OpenFileAnswers.isEmpty() ? QString() : OpenFileAnswers.dequeue();
}

QDateTime FakePlatform::CurrentDateTime() {
    return Today.startOfDay().addMSecs(std::llround(Now * 1000.0));
}

void FakePlatform::Sleep(int ms) {
    Sleeps.append(ms);
    Now += ms / 1000.0;
    if (OnSleep) {
        OnSleep(ms);
    }
}

void FakePlatform::SleepUntil(double deadlineMs) {
    Deadlines.append(deadlineMs);
    const double waitedMs = std::max(0.0, deadlineMs - MonotonicMs());
    if (waitedMs > 0) {
        Now = deadlineMs / 1000.0;
    }
    if (OnSleep) {
        OnSleep(static_cast<int>(std::lround(waitedMs)));
    }
}

void FakePlatform::DoEvents() {
    ++DoEventsCalls;
    QCoreApplication::processEvents();
    if (OnDoEvents) {
        OnDoEvents();
    }
}

void FakePlatform::WaitForEvents() {
    ++EventWaits;
    QCoreApplication::processEvents();
    if (OnDoEvents) {
        OnDoEvents();
    }
}

void FakePlatform::ScriptRnd(std::initializer_list<double> values) {
    scriptedRnd_.insert(scriptedRnd_.end(), values.begin(), values.end());
}

void FakePlatform::ScriptRnd(const QList<double>& values) {
    scriptedRnd_.insert(scriptedRnd_.end(), values.begin(), values.end());
}

double FakePlatform::Rnd() {
    if (!scriptedRnd_.empty()) {
        const double value = scriptedRnd_.front();
        scriptedRnd_.pop_front();
        return value;
    }
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

void FakePlatform::Randomize() {
    ++RandomizeCalls;
}

bool FakePlatform::PlaySound(const QString& path) {
    Sounds.append(path);
    SoundTimes.append(MonotonicMs());
    if (OnPlaySound) {
        OnPlaySound();
    }
    return true;
}

bool FakePlatform::PreloadSound(const QString& path) {
    PreloadedSounds.append(path);
    return true;
}

int FakePlatform::MsgBox(const QString& prompt, int style, const QString& title) {
    Messages.append({prompt, style, title});
    boxOpen();
    return MsgBoxAnswers.isEmpty() ? vbOK : MsgBoxAnswers.dequeue();
}

QString FakePlatform::InputBox(const QString& prompt, const QString& title,
                               const QString& defaultText, int leftTwips, int topTwips) {
    Inputs.append({prompt, title, defaultText, leftTwips, topTwips});
    boxOpen();
    if (InputAnswers.isEmpty()) {
        return defaultText;
    }
    const QString answer = InputAnswers.dequeue();
    return answer.isNull() ? QString() : answer;
}

int FakePlatform::WinHelp(const QString& helpFile) {
    HelpFiles.append(helpFile);
    return HelpResult;
}

void FakePlatform::TimerScheduled(QObject* timer, double dueMs, std::function<void()> fire) {
    TimerStopped(timer);
    timers_.append({timer, dueMs, std::move(fire)});
}

void FakePlatform::TimerStopped(QObject* timer) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [timer](const Scheduled& s) { return s.timer == timer; }),
                  timers_.end());
}

QList<QObject*> FakePlatform::RunningTimers() const {
    QList<QObject*> running;
    for (const Scheduled& s : timers_) {
        running.append(s.timer);
    }
    return running;
}

void FakePlatform::AdvanceTime(int ms) {
    const double endMs = MonotonicMs() + ms;
    for (;;) {
        auto next = std::min_element(
            timers_.begin(), timers_.end(),
            [](const Scheduled& a, const Scheduled& b) { return a.dueMs < b.dueMs; });
        if (next == timers_.end() || next->dueMs > endMs + 1e-6) {
            break;
        }
        const std::function<void()> fire = std::move(next->fire);
        if (next->dueMs > MonotonicMs()) {
            Now = next->dueMs / 1000.0;
        }
        timers_.erase(next); // the tick schedules the next one while the timer runs
        fire();
        QCoreApplication::processEvents();
    }
    if (endMs > MonotonicMs()) {
        Now = endMs / 1000.0;
    }
}

void FakePlatform::FillWorkArea(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMaximized);
    window.setGeometry(WorkArea());
}
