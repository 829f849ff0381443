// The score values of Shape Counting, zeroed by ResetScores.
#pragma once

#include "shell/mod_dodi.h"
#include "shell/vb_runtime.h"

struct ShapeCountingScoreValues {
    Counter16 Correct;            // sets counted right
    Counter16 Wrong;              // wrong counts typed, up to three a set
    Counter16 SetsDisplayed;      // sets drawn
    Single TotalResponseTime{};   // seconds, one time per count typed
    Single AverageResponseTime{}; // total ÷ sets drawn
};

inline ShapeCountingScoreValues& ShapeCountingScores() {
    return Scores<ShapeCountingScoreValues>();
}
