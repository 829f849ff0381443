#include "shell/framework/start_cues.h"

#include "shell/mod_dodi.h"
#include "shell/platform.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

constexpr int BeatCount = 3;
constexpr int HalfBeatMs = 250;

void playDing() {
    ModDODI::ApiResult = ModDODI::PlaySoundFile(ModDODI::AppPath() + "\\Ding.wav");
}

} // namespace

// The blocking wait shows what was drawn before it; the explicit repaint
// makes sure the new caption is part of it.
CaptionTarget::CaptionTarget(QLabel* label)
    : setCaption_([label](const QString& caption) {
          label->setText(caption);
          label->repaint();
      }) {}

CaptionTarget::CaptionTarget(QAbstractButton* button)
    : setCaption_([button](const QString& caption) {
          button->setText(caption);
          button->repaint();
      }) {}

void ReadySignal(const CaptionTarget& target, const QString& mark) {
    for (int beat = 0; beat < BeatCount; ++beat) {
        playDing();
        target.Show(mark);
        platform().Sleep(HalfBeatMs);
        target.Show(" ");
        platform().Sleep(HalfBeatMs);
    }
}

void PreDisplayBeep() {
    // Each wait runs to a deadline from the start, so the time a sound takes
    // to start does not add up: the beep ends exactly three quarters of a
    // second after it began.
    const double start = platform().MonotonicMs();
    for (int beat = 1; beat <= BeatCount; ++beat) {
        playDing();
        platform().SleepUntil(start + beat * HalfBeatMs);
    }
}
