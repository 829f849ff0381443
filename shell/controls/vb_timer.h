// A form timer: ticks every Interval milliseconds while Enabled. The real
// platform runs it on the event loop; a test platform fires it on its clock.
#pragma once

#include <QObject>
#include <QTimer>

class VbTimer : public QObject {
    Q_OBJECT
public:
    VbTimer(const QString& name, QObject* parent);
    ~VbTimer() override;

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

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};
