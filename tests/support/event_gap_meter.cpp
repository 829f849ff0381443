#include "tests/support/event_gap_meter.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <chrono>

namespace {
const auto PingType = static_cast<QEvent::Type>(QEvent::registerEventType());
constexpr auto PingEvery = std::chrono::milliseconds(2);
} // namespace

EventGapMeter::EventGapMeter() {
    clock_.start();
    poster_ = std::thread([this] {
        while (!stopping_) {
            QCoreApplication::postEvent(this, new QEvent(PingType));
            std::this_thread::sleep_for(PingEvery);
        }
    });
}

EventGapMeter::~EventGapMeter() {
    stopping_ = true;
    poster_.join();
    QCoreApplication::removePostedEvents(this);
}

void EventGapMeter::customEvent(QEvent* event) {
    if (event->type() != PingType) {
        return;
    }
    const double nowMs = clock_.nsecsElapsed() / 1e6;
    longestMs_ = std::max(longestMs_, nowMs - lastMs_);
    lastMs_ = nowMs;
    ++deliveries_;
}
