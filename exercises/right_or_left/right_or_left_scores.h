// The score values of Right Or Left, zeroed by ResetScores.
#pragma once

#include "shell/mod_dodi.h"
#include "shell/vb_runtime.h"

struct RightOrLeftScores {
    Counter16 RLCorrect;
    Counter16 RLWrong;
    Counter16 RLTried; // pictures presented
    Single RLTotalTime = 0;
};

inline RightOrLeftScores& RLScores() {
    return Scores<RightOrLeftScores>();
}
