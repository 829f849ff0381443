// The cues that tell the patient a stimulus is coming: the pre-display beep
// and the three-beat ready signal. Both block the screen while they run.
#pragma once

#include <QString>
#include <concepts>
#include <functional>

class QAbstractButton;
class QLabel;

// Where a cue shows its mark: a label, a button, or anything else with a
// caption (a grid cell, through a function that sets its caption).
class CaptionTarget {
public:
    CaptionTarget(QLabel* label);
    CaptionTarget(QAbstractButton* button);
    template <class SetCaption>
    requires std::invocable<SetCaption, const QString&> CaptionTarget(SetCaption setCaption)
        : setCaption_(std::move(setCaption)) {}

    void Show(const QString& caption) const { setCaption_(caption); }

private:
    std::function<void(const QString&)> setCaption_;
};

// Three beats, each: the Ding sound, the mark for 250 ms, a blank for 250 ms.
void ReadySignal(const CaptionTarget& target, const QString& mark);

// Three times the Ding sound, each followed by a wait to the next quarter
// second from the start: 750 ms in all, whatever starting a sound costs.
void PreDisplayBeep();
