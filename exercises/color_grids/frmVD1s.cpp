#include "exercises/color_grids/frmVD1s.h"

#include "exercises/color_grids/color_grids_scores.h"
#include "exercises/color_grids/color_grids_triad.h"
#include "exercises/color_grids/frmVD1o.h"

frmVD1s::frmVD1s()
    : ScoresScreen(Name, ColorGridsTriad(), "Discriminating Color Grids",
                   {{"Label1", "Correct Responses ", "lblCorrect"},
                    {"Label2", "Wrong Responses ", "lblTotalWrong"},
                    {"Label4", "Total Displayed", "lblTotalGrids"},
                    {"Label3", "Ave Response Time", "lblAveRTime"},
                    {"Label6", "Percent Correct", "lblPerCor"},
                    {"lblAuto3", "Grid Size", "lblAuto4", LineKind::Setting},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmVD1s::FillLines() {
    const ColorGridsScoreValues& scores = ColorGridsScores();
    const int answered = scores.Correct + scores.Wrong;
    SetValue("lblCorrect", scores.Correct);
    SetValue("lblTotalWrong", scores.Wrong);
    SetValue("lblTotalGrids", answered);
    SetValue("lblAveRTime", Format2(scores.AverageResponseTime) + " Secs");
    SetValue("lblPerCor", PercentText(scores.Correct, answered));
    SetValue("lblAuto4", Forms::Get<frmVD1o>().cboGridSize->Text());
}
