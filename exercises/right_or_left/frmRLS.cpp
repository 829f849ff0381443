#include "exercises/right_or_left/frmRLS.h"

#include "exercises/right_or_left/right_or_left_scores.h"
#include "exercises/right_or_left/right_or_left_triad.h"

frmRLS::frmRLS()
    : ScoresScreen(Name, RightOrLeftTriad(), "Right Or Left Scores",
                   {{"Label1", "Total Correct", "lblCorrect"},
                    {"Label3", "Total Incorrect", "lblWrong"},
                    {"Label2", "Total  Tried", "lblTotalDis"},
                    {"Label6", "Percent Correct", "lblPerCor"},
                    {"Label7", "Ave Response Time", "lblAveTime"},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmRLS::FillLines() {
    const RightOrLeftScores& scores = RLScores();
    SetValue("lblCorrect", scores.RLCorrect);
    SetValue("lblWrong", scores.RLWrong);
    SetValue("lblTotalDis", scores.RLTried);
    SetValue("lblPerCor", PercentText(scores.RLCorrect, scores.RLTried));
    SetValue("lblAveTime", AverageText(scores.RLTotalTime, scores.RLTried));
}
