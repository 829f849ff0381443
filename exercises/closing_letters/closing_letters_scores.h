// Scores of a Closing Letters practice period.
#pragma once

#include "shell/vb_runtime.h"

#include <cstdint>

struct LetterScores {
    Counter16 LettersCorrect; // letters named (C)
    Counter16 LettersWrong;   // wrong keys and letters uncovered unnamed (W)
    Counter16 LettersTried;   // letters presented (T)
    // Up to 100 a letter with no time limit on the practice: 32 bits, so a
    // long practice cannot wrap it.
    std::int32_t PercentRevealedSum = 0;
    Single ResponseTimeSum = 0;
};
