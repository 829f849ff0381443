// Scores of a Closing Letters practice period: letters named, wrong guesses,
// letters tried, how much of each letter was uncovered and response times.
#pragma once

#include "shell/framework/scores_screen.h"

class frmLetterS : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmLetterS";
    frmLetterS();

protected:
    void FillLines() override;
};
