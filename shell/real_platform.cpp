#include "shell/real_platform.h"

#include "shell/held_events.h"
#include "shell/help_window.h"
#include "shell/modules.h"
#include "shell/print/print_dialog.h"
#include "shell/sound/sound_output.h"
#include "shell/twips.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <ctime>

namespace {

std::uint64_t SteadyClockReading() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

timespec MonotonicNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now;
}

timespec ToTimespec(double ms) {
    const auto whole = static_cast<std::int64_t>(std::floor(ms));
    timespec t{};
    t.tv_sec = static_cast<time_t>(whole / 1000);
    t.tv_nsec = static_cast<long>((whole % 1000) * 1000000 + std::llround((ms - whole) * 1e6));
    if (t.tv_nsec >= 1000000000L) {
        t.tv_sec += 1;
        t.tv_nsec -= 1000000000L;
    }
    return t;
}

// Sleeps to an absolute deadline on the monotonic clock, handling no event.
void SleepToDeadline(double deadlineMs) {
    const timespec deadline = ToTimespec(deadlineMs);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

// Shows what was drawn before a blocking wait, at once.
void ShowWhatWasDrawn() {
    // Pending layouts first: a label whose new text needs more room is
    // otherwise painted at its old width.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->repaint();
        }
    }
}

} // namespace

// The event loop's timers wake to the millisecond at best, and later when the
// machine is busy: a wait stops delivering events a little before its
// deadline and sleeps the last moment.
constexpr double WakeEarlyMs = 1.5;

RealPlatform::RealPlatform() : generator_(SteadyClockReading()) {}

RealPlatform::~RealPlatform() = default;

Single RealPlatform::Timer() {
    const QTime now = QTime::currentTime();
    return static_cast<Single>(now.msecsSinceStartOfDay() / 1000.0);
}

QDateTime RealPlatform::CurrentDateTime() {
    return QDateTime::currentDateTime();
}

double RealPlatform::MonotonicMs() {
    const timespec now = MonotonicNow();
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

void RealPlatform::Sleep(int ms) {
    SleepUntil(MonotonicMs() + ms);
}

void RealPlatform::SleepUntil(double deadlineMs) {
    ShowWhatWasDrawn();
    const HeldEvents held;
    DeliverEventsUntil(deadlineMs - WakeEarlyMs);
    SleepToDeadline(deadlineMs);
}

void RealPlatform::DeliverEventsUntil(double wakeMs) {
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (double left = wakeMs - MonotonicMs(); left > 0; left = wakeMs - MonotonicMs()) {
        wake.start(static_cast<int>(std::floor(left)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
}

void RealPlatform::DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void RealPlatform::WaitForEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

double RealPlatform::Rnd() {
    return generator_.Uniform();
}

void RealPlatform::Randomize() {
    // The clock is stirred into the running state: reseeding twice within
    // one clock tick still moves on instead of repeating the last draws.
    generator_.Mix(SteadyClockReading());
}

// A form timer's tick is armed a little early too, and then waits out the
// last moment to its deadline.
constexpr double TickArmedEarlyMs = WakeEarlyMs;

namespace {
// The next tick of one form timer, a child of it so that it goes with it.
class TickTimer : public QTimer {
public:
    explicit TickTimer(QObject* formTimer) : QTimer(formTimer) {
        setSingleShot(true);
        setTimerType(Qt::PreciseTimer);
        connect(this, &QTimer::timeout, this, [this] {
            if (HeldEvents::Active()) {
                // A tick that comes due during a wait runs after it, unless
                // the timer is stopped or given another tick meanwhile.
                const int armed = arming_;
                HeldEvents::AfterCurrentEvent(this, [this, armed] {
                    if (armed == arming_) {
                        Fire();
                    }
                });
                return;
            }
            SleepToDeadline(dueMs);
            Fire();
        });
    }
    void Arm(double due, std::function<void()> fireAtDue, int inMs) {
        dueMs = due;
        fire = std::move(fireAtDue);
        ++arming_;
        start(inMs);
    }
    void Disarm() {
        ++arming_;
        stop();
    }

private:
    void Fire() {
        // A copy: the tick may schedule the next one, with a new fire.
        const std::function<void()> fireNow = fire;
        fireNow();
    }
    double dueMs = 0;
    std::function<void()> fire;
    int arming_ = 0;
};

TickTimer* TickOf(QObject* formTimer) {
    for (QObject* child : formTimer->children()) {
        if (auto* tick = dynamic_cast<TickTimer*>(child)) {
            return tick;
        }
    }
    return nullptr;
}
} // namespace

void RealPlatform::TimerScheduled(QObject* timer, double dueMs, std::function<void()> fire) {
    TickTimer* tick = TickOf(timer);
    if (tick == nullptr) {
        tick = new TickTimer(timer);
    }
    const double armIn = std::floor(dueMs - MonotonicMs() - TickArmedEarlyMs);
    tick->Arm(dueMs, std::move(fire), armIn > 0 ? static_cast<int>(armIn) : 0);
}

void RealPlatform::TimerStopped(QObject* timer) {
    if (TickTimer* tick = TickOf(timer)) {
        tick->Disarm();
    }
}

bool RealPlatform::AudioAvailable() {
    if (!audioChecked_) {
        audioChecked_ = true;
        sound_ = LoadSoundOutput();
        audioAvailable_ = sound_ != nullptr && sound_->DeviceAvailable();
    }
    return audioAvailable_;
}

bool RealPlatform::Playable(const QString& path) {
    // Read once per file: a beat must not wait for the disk.
    const auto known = playable_.constFind(path);
    if (known != playable_.constEnd()) {
        return *known;
    }
    return playable_[path] = IsPlayableWav(path);
}

bool RealPlatform::PlaySound(const QString& path) {
    if (!Playable(path)) {
        return false;
    }
    if (AudioAvailable()) { // otherwise the file is fine, there is just nothing to play it on
        sound_->Play(QFileInfo(path).absoluteFilePath());
    }
    return true;
}

bool RealPlatform::PreloadSound(const QString& path) {
    if (!Playable(path)) {
        return false;
    }
    if (AudioAvailable()) {
        sound_->Preload(QFileInfo(path).absoluteFilePath());
    }
    return true;
}

void RealPlatform::Beep() {
    QApplication::beep();
}

void RealPlatform::ShowCursor(bool visible) {
    if (visible) {
        while (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::restoreOverrideCursor();
        }
    } else if (QGuiApplication::overrideCursor() == nullptr) {
        QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    }
}

static QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The boxes belong to the window under them, which a timer may unload while
// the box waits (a practice time running out): so they live on the heap,
// where their owner may delete them, and a box gone that way is answered
// with its cautious choice.
int RealPlatform::MsgBox(const QString& prompt, int style, const QString& title) {
    QPointer<QMessageBox> box = new QMessageBox(iconOf(style), title, prompt, QMessageBox::NoButton,
                                                QApplication::activeWindow());
    switch (style & 0x7) {
    case vbOKCancel:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case vbYesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box->setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box->exec();
    if (box == nullptr) {
        return (style & 0x7) == vbOKCancel ? vbCancel : (style & 0x7) == vbYesNo ? vbNo : vbOK;
    }
    delete box;
    switch (pressed) {
    case QMessageBox::Cancel:
        return vbCancel;
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return vbOK;
    }
}

bool RealPlatform::PrintDialog(QPrinter& printer, QWidget* parent) {
    QString why;
    const auto runDialog = reinterpret_cast<RunPrintDialogFunction>(
        ModuleFunction(KOVA_PRINT_MODULE, KOVA_RUN_PRINT_DIALOG, &why));
    if (runDialog == nullptr) {
        MsgBox("KOVA cannot print: " + why, vbExclamation, "KOVA");
        return false;
    }
    return runDialog(printer, parent);
}

QString RealPlatform::SaveFileName(QWidget* parent, const QString& title,
                                   const QString& proposedPath, const QString& filter) {
    QPointer<QFileDialog> dialog = new QFileDialog(parent, title, QString(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->selectFile(proposedPath);
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog != nullptr;
    const QString chosen = accepted && !dialog->selectedFiles().isEmpty()
                               ? dialog->selectedFiles().first()
                               : QString();
    delete dialog;
    return chosen;
}

QString RealPlatform::OpenFileName(QWidget* parent, const QString& title, const QString& filter) {
    QPointer<QFileDialog> dialog = new QFileDialog(parent, title, QString(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog != nullptr;
    const QString chosen = accepted && !dialog->selectedFiles().isEmpty()
                               ? dialog->selectedFiles().first()
                               : QString();
    delete dialog;
    return chosen;
}

QString RealPlatform::InputBox(const QString& prompt, const QString& title,
                               const QString& defaultText, int leftTwips, int topTwips) {
    QPointer<QInputDialog> dialog = new QInputDialog(QApplication::activeWindow());
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    dialog->move(Twips(leftTwips), Twips(topTwips));
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog != nullptr;
    const QString text = accepted ? dialog->textValue() : QString();
    delete dialog;
    return text;
}

int RealPlatform::WinHelp(const QString& helpFile) {
    return HelpWindow::Open(helpFile) ? 1 : 0;
}

QSize RealPlatform::DisplaySize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize(800, 600);
}

QRect RealPlatform::WorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

void RealPlatform::FillWorkArea(QWidget& window) {
    window.setGeometry(WorkArea());
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

QString RealPlatform::Setting(const QString& key) {
    return QSettings("KOVA", "KOVA").value(key).toString();
}

void RealPlatform::SetSetting(const QString& key, const QString& value) {
    QSettings("KOVA", "KOVA").setValue(key, value);
}
