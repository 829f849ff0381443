#include "exercises/flip_forms/frmFlipFormS.h"

#include "exercises/flip_forms/flip_forms_scores.h"
#include "exercises/flip_forms/flip_forms_triad.h"
#include "shell/mod_dodi.h"

frmFlipFormS::frmFlipFormS()
    : ScoresScreen(Name, FlipFormTriad(), "Flip Form Scores",
                   {{"Label1", "Total Correct", "lblCorrect"},
                    {"Label3", "Total Incorrect", "lblWrong"},
                    {"Label2", "Total New Images Tried", "lblTotalDis"},
                    {"Label6", "Percent Correct", "lblPerCor"},
                    {"Label8", "Total Repeats", "lblRepeats"},
                    {"Label4", "Correct Repeats", "lblC_Repeats"},
                    {"Label7", "Ave Response Time", "lblAveTime"},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmFlipFormS::FillLines() {
    const FlipFormScores& s = Scores<FlipFormScores>();
    SetValue("lblCorrect", s.FlipFormCorrect);
    SetValue("lblWrong", s.FlipFormWrong);
    SetValue("lblTotalDis", s.FlipFormTried);
    SetValue("lblRepeats", s.FlipFormRepeats);
    SetValue("lblC_Repeats", s.FlipFormCorrectRepeats);
    if (s.FlipFormTried > 0) {
        SetValue("lblPerCor", PercentText(s.FlipFormCorrect, s.FlipFormTried));
        SetValue("lblAveTime", AverageText(s.FlipFormTotalTime, s.FlipFormTried));
    }
}
