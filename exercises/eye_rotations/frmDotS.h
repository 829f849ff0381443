// Eye Rotations scores: targets counted, missed and shown, rotations, and
// the settings of the run.
#pragma once

#include "shell/framework/scores_screen.h"

class frmDotS : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmDotS";
    frmDotS();

protected:
    void FillLines() override;
};
