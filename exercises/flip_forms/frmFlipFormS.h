// Scores screen of a Flip Forms practice period, repeats included.
#pragma once

#include "shell/framework/scores_screen.h"

class frmFlipFormS : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFlipFormS";
    frmFlipFormS();

protected:
    void FillLines() override;
};
