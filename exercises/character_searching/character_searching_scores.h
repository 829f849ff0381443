// The score values of Character Searching, zeroed by ResetScores.
#pragma once

#include "shell/mod_dodi.h"
#include "shell/vb_runtime.h"

struct CharacterSearchingScoreValues {
    Counter16 CharSearchCorrect;  // answers equal to the grid's targets
    Counter16 CharSearchWrong;    // other answers
    Counter16 CharSearchAnswered; // answers given (grids answered)
    Single CharSearchTotalTime{}; // seconds, summed over the answers
    Single CharSearchAveTime{};   // total ÷ answers
};

inline CharacterSearchingScoreValues& CharacterSearchingScores() {
    return Scores<CharacterSearchingScoreValues>();
}
