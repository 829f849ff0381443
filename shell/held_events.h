// What a blocking wait holds back while the event loop keeps answering the
// desktop during it.
#pragma once

#include <QObject>
#include <functional>

// While a wait runs, painting, the window manager's pings and the
// accessibility bus are served at once, but nothing that acts on the program
// may run: the user's clicks and keys stay queued for the window system (the
// wait runs the event loop without user input), and the closes of windows,
// the ticks of form timers and deferred steps are held here and given back
// when the outermost wait ends, to run at the next event step. So a press
// takes effect where it did when the wait handled no event at all, and no
// nested loop starts inside a wait.
class HeldEvents : public QObject {
public:
    // Holds from construction to destruction; waits may nest.
    HeldEvents();
    ~HeldEvents() override;
    HeldEvents(const HeldEvents&) = delete;
    HeldEvents& operator=(const HeldEvents&) = delete;

    // Whether a wait runs now.
    static bool Active();
    // Runs step from the event loop after the current event, and never
    // inside a wait: a step that would come during one waits for its end.
    static void AfterCurrentEvent(QObject* context, std::function<void()> step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void GiveBack();
};
