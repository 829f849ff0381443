#include "shell/held_events.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace {

struct HeldStep {
    QPointer<QObject> context;
    std::function<void()> step;
};

int waitDepth = 0;
QList<HeldStep> heldSteps;

// A close that the window system asked for during a wait, sent to the
// window when the wait is over.
void CloseLater(QWindow* window) {
    HeldEvents::AfterCurrentEvent(window, [window] {
        QCloseEvent close;
        QCoreApplication::sendEvent(window, &close);
    });
}

} // namespace

HeldEvents::HeldEvents() {
    ++waitDepth;
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
    }
}

HeldEvents::~HeldEvents() {
    if (--waitDepth == 0) {
        GiveBack();
    }
}

bool HeldEvents::Active() {
    return waitDepth > 0;
}

void HeldEvents::AfterCurrentEvent(QObject* context, std::function<void()> step) {
    QPointer<QObject> guard(context);
    QTimer::singleShot(0, context, [guard, step = std::move(step)] {
        if (Active()) {
            heldSteps.append({guard, step});
        } else {
            step();
        }
    });
}

void HeldEvents::GiveBack() {
    const QList<HeldStep> steps = std::exchange(heldSteps, {});
    for (const HeldStep& held : steps) {
        if (held.context != nullptr) {
            AfterCurrentEvent(held.context, held.step);
        }
    }
}

bool HeldEvents::eventFilter(QObject* watched, QEvent* event) {
    // Only the window system's closes (the title bar's close button): the
    // program's own closes are not events that come in during a wait.
    if (event->type() == QEvent::Close && event->spontaneous() && watched->isWindowType()) {
        CloseLater(static_cast<QWindow*>(watched));
        event->ignore();
        return true;
    }
    return false;
}
