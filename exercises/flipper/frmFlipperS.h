// Scores screen of a Flipper practice period.
#pragma once

#include "shell/framework/scores_screen.h"

class frmFlipperS : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFlipperS";
    frmFlipperS();

protected:
    void FillLines() override;
};
