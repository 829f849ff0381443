#include "exercises/flip_forms/flip_forms_rules.h"

#include "shell/vb_runtime.h"

#include <stdexcept>

Orientation BoxTarget(int box) {
    switch (box) {
    case 1:
        return Orientation::RightToLeft;
    case 2:
        return Orientation::Both;
    case 3:
        return Orientation::UpsideDown;
    }
    throw std::out_of_range("Flip Forms has boxes 1 to 3");
}

Orientation FlipFormBox::Click(const std::function<double()>& rnd) {
    if (untouched_) {
        orientation_ = static_cast<int>(Int(2 * rnd() + 1));
        untouched_ = false;
    }
    orientation_ = orientation_ % 4 + 1;
    return Shown();
}

void FlipFormSet::makeAllUntouched() {
    for (FlipFormBox& box : boxes_) {
        box.MakeUntouched();
    }
}

void FlipFormSet::StartNewPicture() {
    makeAllUntouched();
    repeatMode_ = false;
}

void FlipFormSet::StartRepeat() {
    makeAllUntouched();
    repeatMode_ = true;
}

FlipFormCheck FlipFormSet::Check() const {
    FlipFormCheck check;
    check.allCorrect = true;
    for (int n = 1; n <= FlipFormBoxCount; ++n) {
        const bool correct = !Box(n).Untouched() && Box(n).Shown() == BoxTarget(n);
        check.boxCorrect[n - 1] = correct;
        check.allCorrect = check.allCorrect && correct;
    }
    return check;
}

void FlipFormSet::Count(const FlipFormCheck& check, FlipFormScores& scores) const {
    if (repeatMode_) {
        if (check.allCorrect) {
            scores.FlipFormCorrectRepeats++;
        }
    } else if (check.allCorrect) {
        scores.FlipFormCorrect++;
    } else {
        scores.FlipFormWrong++;
    }
}
