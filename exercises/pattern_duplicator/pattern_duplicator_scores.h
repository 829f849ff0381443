// The score values of Pattern Duplicator, zeroed by ResetScores.
#pragma once

#include "shell/mod_dodi.h"
#include "shell/vb_runtime.h"

struct PatternDuplicatorScoreValues {
    Counter16 Correct;            // checks that found the pattern copied
    Counter16 Wrong;              // checks that found wrong squares
    Counter16 NewPatterns;        // patterns shown
    Single TotalResponseTime{};   // seconds, one time per pattern
    Single AverageResponseTime{}; // total ÷ patterns shown
};

inline PatternDuplicatorScoreValues& PatternDuplicatorScores() {
    return Scores<PatternDuplicatorScoreValues>();
}
