#include "shell/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Watches a widget's paints; after the first, lets the event loop run then,
// once, and goes.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& widget, std::function<void()> then)
        : QObject(&widget), then_(std::move(then)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(then_));
            then_ = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

void RunAfterFirstPaint(QWidget& widget, std::function<void()> then) {
    new FirstPaintWatch(widget, std::move(then));
}
