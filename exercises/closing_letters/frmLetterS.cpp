#include "exercises/closing_letters/frmLetterS.h"

#include "exercises/closing_letters/closing_letters_rules.h"
#include "exercises/closing_letters/closing_letters_scores.h"
#include "exercises/closing_letters/closing_letters_triad.h"
#include "shell/mod_dodi.h"

frmLetterS::frmLetterS()
    : ScoresScreen(Name, ClosingLettersTriad(), "Closing Letters Scores",
                   {{"Label1", "Total Correct", "lblCorrect"},
                    {"Label2", "Total Incorrect Guesses", "lblWrong"},
                    {"Label3", "Total Letters Tried", "lblTotalDis"},
                    {"Label4", "Guesses/Correct", "lblRatio"},
                    {"Label6", "Average % Completed", "lblPerComp"},
                    {"Label7", "Percent Correct", "lblPerCor"},
                    {"Label8", "Ave Response Time", "lblAveTime"},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmLetterS::FillLines() {
    const LetterScores& s = Scores<LetterScores>();
    SetValue("lblCorrect", s.LettersCorrect);
    SetValue("lblWrong", s.LettersWrong);
    SetValue("lblTotalDis", s.LettersTried);
    // Wrong guesses per letter named, as a percentage of the letters named.
    SetValue("lblRatio", PercentText(s.LettersWrong, s.LettersCorrect));
    SetValue("lblPerComp",
             ClosingLetters::AverageCompletedText(s.PercentRevealedSum, s.LettersTried));
    SetValue("lblPerCor", PercentText(s.LettersCorrect, s.LettersTried));
    SetValue("lblAveTime", AverageText(s.ResponseTimeSum, s.LettersTried));
}
