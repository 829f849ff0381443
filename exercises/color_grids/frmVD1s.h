// Discriminating Color Grids scores: sets answered right and wrong, the
// average response time, the percentage correct and the grid size of the run.
#pragma once

#include "shell/framework/scores_screen.h"

class frmVD1s : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVD1s";
    frmVD1s();

protected:
    void FillLines() override;
};
