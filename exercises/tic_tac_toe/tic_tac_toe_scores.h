// The score values of Tic Tac Toe Rotations, zeroed by ResetScores.
#pragma once

#include "shell/mod_dodi.h"
#include "shell/vb_runtime.h"

struct TicTacToeScoreValues {
    Counter16 TicTacToeGridCorrect;     // X's found in the grid being checked
    Counter16 TicTacToeGridWrong;       // X's missed or extra in that grid
    Counter16 TicTacToeTotalCorrect;    // X's found, all grids
    Counter16 TicTacToeTotalWrong;      // X's missed or extra, all grids
    Counter16 TicTacToeTotalXs;         // X's shown, all grids
    Counter16 TicTacToeGrids;           // patterns shown
    Counter16 TicTacToeGridsAllCorrect; // grids whose every X was found
};

inline TicTacToeScoreValues& TicTacToeScores() {
    return Scores<TicTacToeScoreValues>();
}
