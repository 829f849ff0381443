// Closing Lines and Boxes scores: figures shown, the average error, the
// average response time and the settings of the run.
#pragma once

#include "shell/framework/scores_screen.h"

class frmVC2s : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVC2s";
    frmVC2s();

protected:
    void FillLines() override;
};
