#include "shell/controls/vb_timer.h"

#include "shell/platform.h"

VbTimer::VbTimer(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &VbTimer::Fire);
}

VbTimer::~VbTimer() {
    if (!platform().RunsTimers()) {
        platform().TimerStopped(this);
    }
}

void VbTimer::SetInterval(int ms) {
    interval_ = ms;
    restart();
}

void VbTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void VbTimer::restart() {
    // Setting either property starts the count afresh.
    timer_.stop();
    if (platform().RunsTimers()) {
        if (Running()) {
            timer_.start(interval_);
        }
    } else if (Running()) {
        platform().TimerStarted(this);
    } else {
        platform().TimerStopped(this);
    }
}

void VbTimer::Fire() {
    Q_EMIT Timer();
}
