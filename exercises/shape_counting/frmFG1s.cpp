#include "exercises/shape_counting/frmFG1s.h"

#include "exercises/shape_counting/frmFG1o.h"
#include "exercises/shape_counting/shape_counting_rules.h"
#include "exercises/shape_counting/shape_counting_scores.h"
#include "exercises/shape_counting/shape_counting_triad.h"

frmFG1s::frmFG1s()
    : ScoresScreen(Name, ShapeCountingTriad(), "Shape Counting",
                   {{"Label1", "Total  Correct", "lblCorrect"},
                    {"Label3", "Total  Wrong", "lblWrong"},
                    {"Label2", "Total Grids Displayed", "lblTotalDis"},
                    {"Label6", "Percent Correct", "lblPerCor"},
                    {"Label7", "Ave Response Time", "lblAveSpd"},
                    {"lblAuto3", "Max Targets", "lblAuto4", LineKind::Setting},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmFG1s::FillLines() {
    const ShapeCountingScoreValues& scores = ShapeCountingScores();
    SetValue("lblCorrect", scores.Correct);
    SetValue("lblWrong", scores.Wrong);
    SetValue("lblTotalDis", scores.SetsDisplayed);
    // Shown only once a count was right.
    SetValue("lblPerCor", scores.Correct > 0
                              ? PercentText(scores.Correct, scores.Correct + scores.Wrong)
                              : QString());
    SetValue("lblAveSpd", ShapeCounting::SecondsText(scores.AverageResponseTime));
    SetValue("lblAuto4", Forms::Get<frmFG1o>().cboMaxTarg->Text());
}
