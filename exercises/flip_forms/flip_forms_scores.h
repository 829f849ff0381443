// Scores of a Flip Forms practice period.
#pragma once

#include "shell/vb_runtime.h"

struct FlipFormScores {
    Counter16 FlipFormCorrect;        // new pictures with all three boxes right
    Counter16 FlipFormWrong;          // new pictures with a box wrong
    Counter16 FlipFormTried;          // new pictures presented
    Counter16 FlipFormRepeats;        // repeats of a picture
    Counter16 FlipFormCorrectRepeats; // repeats with all three boxes right
    Single FlipFormTotalTime = 0;     // response times of the new pictures
};
