// The score values of Closing Lines and Boxes, zeroed by ResetScores.
#pragma once

#include "shell/mod_dodi.h"
#include "shell/vb_runtime.h"

#include <cstdint>

struct ClosingLinesScoreValues {
    // Sum of all errors. One wild press adds up to 707 units, so 16 bits
    // would overflow after some fifty of them: it is held in 32.
    std::int32_t TotalError = 0;
    Counter16 SetsDisplayed;      // figures shown
    Single TotalResponseTime{};   // seconds
    Single AverageResponseTime{}; // total ÷ figures shown, at the last answer
};

inline ClosingLinesScoreValues& ClosingLinesScores() {
    return Scores<ClosingLinesScoreValues>();
}
