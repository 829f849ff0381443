#include "exercises/tic_tac_toe/frmVSS1s.h"

#include "exercises/tic_tac_toe/frmVSS1o.h"
#include "exercises/tic_tac_toe/tic_tac_toe_scores.h"
#include "exercises/tic_tac_toe/tic_tac_toe_triad.h"

frmVSS1s::frmVSS1s()
    : ScoresScreen(Name, TicTacToeTriad(), "Tic Tac Toe Scores",
                   {{"Label1", "Total Correct X's All Grids", "lblCorrect"},
                    {"Label6", "Percent Correct", "lblPerCor"},
                    {"Label2", "Wrong Responses All Grids", "lblTotalWrong"},
                    {"Label3", "Total X's Displayed All Grids", "lblTotalXs"},
                    {"Label4", "Total Number Of Grids", "lblTotalGrids"},
                    {"Label7", "Grids 100% Correct", "lblAllCorrect"},
                    {"lblAuto3", "Display Speed", "lblAuto4", LineKind::Setting},
                    {"lblAuto5", "Font Size", "lblAuto6", LineKind::Setting},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

QString frmVSS1s::PercentCorrectText(int correctXs, int displayedXs) {
    if (correctXs <= 0) {
        return {};
    }
    return PercentText(correctXs, displayedXs);
}

void frmVSS1s::FillLines() {
    const TicTacToeScoreValues& scores = TicTacToeScores();
    SetValue("lblCorrect", scores.TicTacToeTotalCorrect);
    SetValue("lblPerCor",
             PercentCorrectText(scores.TicTacToeTotalCorrect, scores.TicTacToeTotalXs));
    SetValue("lblTotalWrong", scores.TicTacToeTotalWrong);
    SetValue("lblTotalXs", scores.TicTacToeTotalXs);
    SetValue("lblTotalGrids", scores.TicTacToeGrids);
    SetValue("lblAllCorrect", scores.TicTacToeGridsAllCorrect);
    const frmVSS1o& options = Forms::Get<frmVSS1o>();
    SetValue("lblAuto4", options.cboSpeed->Text() + " Secs");
    SetValue("lblAuto6", options.cboFont->Text());
}
