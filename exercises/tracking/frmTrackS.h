// Scores of the two tracking exercises: targets presented and counted,
// incorrect responses, misses and the pages done since the scores were zeroed.
#pragma once

#include "shell/framework/scores_screen.h"

class frmTrackS : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmTrackS";
    frmTrackS();

protected:
    void FillLines() override;
};
