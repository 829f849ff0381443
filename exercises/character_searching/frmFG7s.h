// Character Searching scores: grids right and wrong, the percent right,
// grids answered, the mean response time and the grid size of the run.
#pragma once

#include "shell/framework/scores_screen.h"

class frmFG7s : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFG7s";
    frmFG7s();

protected:
    void FillLines() override;
};
