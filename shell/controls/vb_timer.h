// A form timer: ticks every Interval milliseconds while Enabled. Ticks fall
// on a fixed grid of deadlines (start + k x interval) on the monotonic clock,
// so the time a tick handler spends drawing does not add up into drift. The
// platform fires each tick: the real one on the event loop, a test platform
// on its virtual clock.
#pragma once

#include <QObject>

class VbTimer : public QObject {
    Q_OBJECT
public:
    VbTimer(const QString& name, QObject* parent);
    ~VbTimer() override;

    // Setting either property starts the count afresh from now, except from
    // inside a tick: switching the timer off and on again there (or setting
    // its interval) keeps the grid, counting from that tick's deadline.
    void SetInterval(int ms);
    int Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    bool Running() const { return enabled_ && interval_ > 0; }

    // One tick, as when the interval has passed.
    void Fire();

Q_SIGNALS:
    void Timer();

private:
    void restart();
    // Arms the next tick for the deadline that follows previous.
    void scheduleAfter(double previousDeadlineMs);
    void cancel();

    int interval_ = 0;
    bool enabled_ = false;
    double deadlineMs_ = 0; // of the next tick, or of the tick being handled
    bool armed_ = false;    // the next tick is scheduled
    bool inTick_ = false;
};
