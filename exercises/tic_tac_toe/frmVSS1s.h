// Tic Tac Toe Rotations scores: X's found and wrong, X's and grids shown,
// grids all correct, and the settings of the run.
#pragma once

#include "shell/framework/scores_screen.h"

class frmVSS1s : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVSS1s";
    frmVSS1s();

    // Correct X's against X's displayed, rounded down; empty while no X was found.
    static QString PercentCorrectText(int correctXs, int displayedXs);

protected:
    void FillLines() override;
};
