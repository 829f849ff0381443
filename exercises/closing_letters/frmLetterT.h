// Therapy screen of Closing Letters: a letter under 144 grey tiles that the
// patient removes a few at a time, typing the letter once it is recognised.
#pragma once

#include "exercises/closing_letters/closing_letters_rules.h"
#include "shell/controls/answer_box.h"
#include "shell/controls/picture_box.h"
#include "shell/framework/therapy_screen.h"

#include <array>

class frmLetterT : public PictureTherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmLetterT";
    frmLetterT();

    void Form_Activate() override;
    void cmdNextSet_Click() override;
    void cmdEraseTiles_Click();
    void cmdEraseAllTiles_Click();
    void txtAnswer_KeyPress(int KeyAscii);

    PictureBox* Picture0;
    std::array<VbLabel*, ClosingLetters::TileCount> lblHide;
    AnswerBox* txtAnswer;
    VbLabel* lblAnswer;
    VbButton* cmdEraseTiles;
    VbButton* cmdEraseAllTiles;
    VbLabel* lblPerFinished;

    int LetterCode = 0;

protected:
    void ClearStimulus() override;

private:
    void buildTiles();
    void ShowLetterCounters();
    void CoverLetter();
    void ChooseLetter();
    // Removes up to count tiles, letting events run after each; stops early
    // when the letter ends. Returns false when the screen went away.
    bool EraseTiles(int count, int covering);
    void RemoveTile(int index);
    // Erase Tiles and the answer box off: no letter in play.
    void DisableLetterControls();
    void CountMiss();
    // The letter named or missed: Next Set and Start again, the response
    // time and the part uncovered counted.
    void FinishLetter();

    ClosingLetters::TileCover tiles_;
    bool letterInPlay_ = false;
    int coverings_ = 0; // counts CoverLetter calls, so a click notices a new letter
    bool erasing_ = false;
};
