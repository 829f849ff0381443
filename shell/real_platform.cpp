#include "shell/real_platform.h"

#include "shell/help_window.h"
#include "shell/twips.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMediaDevices>
#include <QMessageBox>
#include <QScreen>
#include <QSoundEffect>
#include <QTime>
#include <QWidget>
#include <cerrno>
#include <chrono>
#include <ctime>

RealPlatform::RealPlatform() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::uint64_t>(now));
}

RealPlatform::~RealPlatform() {
    qDeleteAll(sounds_);
}

Single RealPlatform::Timer() {
    const QTime now = QTime::currentTime();
    return static_cast<Single>(now.msecsSinceStartOfDay() / 1000.0);
}

void RealPlatform::Sleep(int ms) {
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += ms / 1000;
    deadline.tv_nsec += long(ms % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    // Show what was drawn before the wait; no event is handled during it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->repaint();
        }
    }
    // Sleep the time that remains, to an absolute deadline.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

void RealPlatform::DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

double RealPlatform::Rnd() {
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53; // 53 random bits in [0, 1)
}

void RealPlatform::Randomize() {
    // Mix the clock into the running state: reseeding twice within one clock
    // tick still moves on instead of repeating the last draws.
    const std::uint64_t clock = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq mix{generator_(), clock, static_cast<std::uint64_t>(Timer() * 1000.0f)};
    generator_.seed(mix);
}

bool RealPlatform::PlaySound(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return false;
    }
    if (!audioChecked_) {
        audioChecked_ = true;
        audioAvailable_ = !QMediaDevices::defaultAudioOutput().isNull();
    }
    if (!audioAvailable_) {
        return true; // the file is fine; there is just nothing to play it on
    }
    QSoundEffect*& effect = sounds_[path];
    if (effect == nullptr) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    }
    effect->play();
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

int RealPlatform::MsgBox(const QString& prompt, int style, const QString& title) {
    QMessageBox box(iconOf(style), title, prompt, QMessageBox::NoButton,
                    QApplication::activeWindow());
    switch (style & 0x7) {
    case vbOKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case vbYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
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

QString RealPlatform::InputBox(const QString& prompt, const QString& title,
                               const QString& defaultText, int leftTwips, int topTwips) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.move(Twips(leftTwips), Twips(topTwips));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

int RealPlatform::WinHelp(const QString& helpFile) {
    return HelpWindow::Open(helpFile) ? 1 : 0;
}

QSize RealPlatform::DisplaySize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize(800, 600);
}
