// Pattern Duplicator scores: checks right and wrong, patterns shown, checks
// per pattern, the mean time per pattern and the maximum squares of the run.
#pragma once

#include "shell/framework/scores_screen.h"

class frmVD8s : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVD8s";
    frmVD8s();

protected:
    void FillLines() override;
};
