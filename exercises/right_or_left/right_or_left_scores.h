// The score values of Right Or Left, zeroed by ResetScores, and the names
// that tie its three screens together.
#pragma once

#include "shell/framework/triad.h"
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

inline Triad RightOrLeftTriad() {
    return {"frmRLO", "frmRLT", "frmRLS", "RightLeft.hlp"};
}
