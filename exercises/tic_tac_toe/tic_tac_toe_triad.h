// The names that tie the Tic Tac Toe Rotations screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad TicTacToeTriad() {
    return {"frmVSS1o", "frmVSS1t", "frmVSS1s", "TicTacToe.hlp"};
}
