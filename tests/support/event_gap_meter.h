// How long the event loop goes without delivering an event.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <atomic>
#include <thread>

// A thread of its own posts an event to the main thread every two
// milliseconds, as a window manager's ping or a screen reader would; the
// longest time between two deliveries is the longest the window was frozen.
class EventGapMeter : public QObject {
public:
    EventGapMeter(); // measures from now on
    ~EventGapMeter() override;
    EventGapMeter(const EventGapMeter&) = delete;
    EventGapMeter& operator=(const EventGapMeter&) = delete;

    double LongestGapMs() const { return longestMs_; }
    int Deliveries() const { return deliveries_; }

protected:
    void customEvent(QEvent* event) override;

private:
    QElapsedTimer clock_;
    double lastMs_ = 0;
    double longestMs_ = 0;
    int deliveries_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread poster_;
};
