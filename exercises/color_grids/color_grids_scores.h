// The score values of Discriminating Color Grids, zeroed by ResetScores.
#pragma once

#include "shell/mod_dodi.h"
#include "shell/vb_runtime.h"

struct ColorGridsScoreValues {
    Counter16 Correct;            // sets answered with the odd grid
    Counter16 Wrong;              // sets answered with another grid
    Single TotalResponseTime{};   // seconds
    Single AverageResponseTime{}; // total ÷ sets answered
};

inline ColorGridsScoreValues& ColorGridsScores() {
    return Scores<ColorGridsScoreValues>();
}
