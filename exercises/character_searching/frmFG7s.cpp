#include "exercises/character_searching/frmFG7s.h"

#include "exercises/character_searching/character_searching_scores.h"
#include "exercises/character_searching/character_searching_triad.h"
#include "exercises/character_searching/frmFG7o.h"

frmFG7s::frmFG7s()
    : ScoresScreen(Name, CharacterSearchingTriad(), "Character Searching Scores",
                   {{"Label1", "Total  Grids Correct", "lblCorrect"},
                    {"Label3", "Total  Grids Wrong", "lblWrong"},
                    {"Label6", "Percent Correct", "lblPerCor"},
                    {"Label2", "Total New Grids Displayed", "lblTotalDis"},
                    {"Label7", "Ave Response Time", "lblAveSpd"},
                    {"lblAuto3", "Number Of Rows", "lblAuto4", LineKind::Setting},
                    {"lblAuto5", "Char. Per Row", "lblAuto6", LineKind::Setting},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmFG7s::FillLines() {
    const CharacterSearchingScoreValues& scores = CharacterSearchingScores();
    SetValue("lblCorrect", scores.CharSearchCorrect);
    SetValue("lblWrong", scores.CharSearchWrong);
    SetValue("lblPerCor", PercentText(scores.CharSearchCorrect, scores.CharSearchAnswered));
    SetValue("lblTotalDis", scores.CharSearchAnswered);
    SetValue("lblAveSpd", Format2(scores.CharSearchAveTime) + " Secs");
    const frmFG7o& options = Forms::Get<frmFG7o>();
    SetValue("lblAuto4", options.cboRows->Text());
    SetValue("lblAuto6", options.cboPerRow->Text());
}
