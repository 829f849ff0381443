#include "exercises/flipper/frmFlipperS.h"

#include "exercises/flipper/flipper_scores.h"
#include "exercises/flipper/flipper_triad.h"
#include "shell/mod_dodi.h"

frmFlipperS::frmFlipperS()
    : ScoresScreen(Name, FlipperTriad(), "Flipper Scores",
                   {{"Label1", "Total Correct", "lblCorrect"},
                    {"Label3", "Total Incorrect", "lblWrong"},
                    {"Label2", "Total New Images Tried", "lblTotalDis"},
                    {"Label6", "Percent Correct", "lblPerCor"},
                    {"Label7", "Ave Response Time", "lblAveTime"},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmFlipperS::FillLines() {
    const FlipperScores& s = Scores<FlipperScores>();
    SetValue("lblCorrect", s.FlipperCorrect);
    SetValue("lblWrong", s.FlipperWrong);
    SetValue("lblTotalDis", s.FlipperAnswered);
    if (s.FlipperAnswered > 0) {
        SetValue("lblPerCor", PercentText(s.FlipperCorrect, s.FlipperAnswered));
        SetValue("lblAveTime", AverageText(s.FlipperTotalTime, s.FlipperAnswered));
    }
}
