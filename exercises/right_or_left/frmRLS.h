// Right Or Left scores: right and wrong answers, pictures tried, percent
// correct, average response time and practice time.
#pragma once

#include "shell/framework/scores_screen.h"

class frmRLS : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmRLS";
    frmRLS();

protected:
    void FillLines() override;
};
