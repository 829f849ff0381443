// Shape Counting scores: counts right and wrong, sets drawn, the percent
// right, the mean response time per set and the maximum targets of the run.
#pragma once

#include "shell/framework/scores_screen.h"

class frmFG1s : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFG1s";
    frmFG1s();

protected:
    void FillLines() override;
};
