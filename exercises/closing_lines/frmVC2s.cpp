#include "exercises/closing_lines/frmVC2s.h"

#include "exercises/closing_lines/closing_lines_rules.h"
#include "exercises/closing_lines/closing_lines_scores.h"
#include "exercises/closing_lines/closing_lines_triad.h"
#include "exercises/closing_lines/frmVC2o.h"

using namespace ClosingLines;

frmVC2s::frmVC2s()
    : ScoresScreen(Name, ClosingLinesTriad(), "Closing Lines & Boxes Scores",
                   {{"Label2", "Total Targets Displayed", "lblTotalDis"},
                    {"Label3", "Average Error", "lblWrong"},
                    {"Label7", "Ave Response Time", "lblAveSpd"},
                    {"lblAuto3", "Display Speed", "lblAuto4", LineKind::Setting},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmVC2s::FillLines() {
    const ClosingLinesScoreValues& scores = ClosingLinesScores();
    SetValue("lblTotalDis", scores.SetsDisplayed);
    SetValue("lblWrong", AverageErrorText(scores.TotalError, scores.SetsDisplayed));
    SetValue("lblAveSpd", SecondsText(scores.AverageResponseTime));
    SetValue("lblAuto4", Forms::Get<frmVC2o>().cboSpeed->Text() + " Secs");
}
