#include "exercises/pattern_duplicator/frmVD8s.h"

#include "exercises/pattern_duplicator/frmVD8o.h"
#include "exercises/pattern_duplicator/pattern_duplicator_rules.h"
#include "exercises/pattern_duplicator/pattern_duplicator_scores.h"
#include "exercises/pattern_duplicator/pattern_duplicator_triad.h"

using namespace PatternDuplicator;

frmVD8s::frmVD8s()
    : ScoresScreen(Name, PatternDuplicatorTriad(), "Pattern Duplicator Scores",
                   {{"Label1", "Total  Correct", "lblCorrect"},
                    {"Label3", "Total  Wrong", "lblWrong"},
                    {"Label2", "Total New Patterns Displayed", "lblTotalDis"},
                    {"Label4", "Tries Per Pattern", "lblTrysPer"},
                    {"Label6", "Percent Correct", "lblPerCor"},
                    {"Label7", "Ave Response Time", "lblAveSpd"},
                    {"lblAuto3", "Max Squares", "lblAuto4", LineKind::Setting},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmVD8s::FillLines() {
    const PatternDuplicatorScoreValues& scores = PatternDuplicatorScores();
    SetValue("lblCorrect", scores.Correct);
    SetValue("lblWrong", scores.Wrong);
    SetValue("lblTotalDis", scores.NewPatterns);
    SetValue("lblTrysPer", TriesPerPatternText(scores.Correct, scores.Wrong, scores.NewPatterns));
    SetValue("lblPerCor", PercentText(scores.Correct, scores.Correct + scores.Wrong));
    SetValue("lblAveSpd", SecondsText(scores.AverageResponseTime));
    SetValue("lblAuto4", Forms::Get<frmVD8o>().cboMaxSq->Text());
}
