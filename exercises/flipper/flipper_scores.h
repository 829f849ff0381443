// Scores of a Flipper practice period.
#pragma once

#include "shell/vb_runtime.h"

struct FlipperScores {
    Counter16 FlipperCorrect;
    Counter16 FlipperWrong;
    Counter16 FlipperAnswered;
    Single FlipperTotalTime = 0;
};
