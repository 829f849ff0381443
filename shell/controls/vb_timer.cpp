#include "shell/controls/vb_timer.h"

#include "shell/platform.h"

#include <QPointer>

VbTimer::VbTimer(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
}

VbTimer::~VbTimer() {
    platform().TimerStopped(this);
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
    cancel();
    if (!Running()) {
        return;
    }
    // Inside a tick the grid goes on from that tick's deadline; otherwise a
    // new grid starts now.
    scheduleAfter(inTick_ ? deadlineMs_ : platform().MonotonicMs());
}

void VbTimer::scheduleAfter(double previousDeadlineMs) {
    const double now = platform().MonotonicMs();
    double next = previousDeadlineMs + interval_;
    if (now - next >= interval_) {
        // More than a whole interval behind (after a long blocking wait): a
        // new grid from now rather than a burst of late ticks.
        next = now;
    }
    deadlineMs_ = next;
    armed_ = true;
    platform().TimerScheduled(this, next, [this] { Fire(); });
}

void VbTimer::cancel() {
    armed_ = false;
    platform().TimerStopped(this);
}

void VbTimer::Fire() {
    QPointer<VbTimer> self(this);
    const double deadline = deadlineMs_;
    inTick_ = true;
    cancel(); // a test may fire a tick by hand; the next one is armed below
    Q_EMIT Timer();
    if (self == nullptr) {
        return; // the handler unloaded the form that owns this timer
    }
    inTick_ = false;
    if (Running() && !armed_) {
        scheduleAfter(deadline);
    }
}
