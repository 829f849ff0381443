// Visual Sequencing scores: sequences correct, shown and repeated, squares
// right and lit, with their percentages, and the settings of the run.
#pragma once

#include "shell/framework/scores_screen.h"

class frmVSS2s : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVSS2s";
    frmVSS2s();

protected:
    void FillLines() override;
};
