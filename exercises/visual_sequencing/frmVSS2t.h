// Visual Sequencing therapy: squares of the board light up one after another,
// each in its own colour; the patient clicks them in the same order. A wrong
// click ends the answer and offers the same sequence again.
#pragma once

#include "exercises/visual_sequencing/visual_sequencing_rules.h"
#include "shell/controls/lined_board.h"
#include "shell/framework/therapy_screen.h"

#include <QGroupBox>

class frmVSS2o;

class frmVSS2t : public TherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVSS2t";
    frmVSS2t();

    void Form_Load() override;
    void cmdStart_Click() { startStop_.Toggle(); }
    void cmdNextPat_Click();
    void cmdRepeat_Click();
    void cmdX_Click(int Index);

    // The sequence shown: board positions from index 1 on.
    VisualSequencing::Targets Sequence{};
    // True while a display was started by Next Sequence, false by Repeat:
    // only Next Sequence draws squares and changes the length.
    bool NewSequence = false;
    // Squares clicked so far in the answer.
    int AnswerIndex = 0;
    // The last click was wrong (set by every click).
    bool LastSequenceWrong = false;
    // Squares in the sequence last shown.
    int ShownLength() const { return shownLength_; }

    LinedBoard* Frame2; // the board
    CellGrid* cmdX;
    QGroupBox* Frame1; // the counters
    VbLabel* lblCorrect;
    VbLabel* lblRepeat;
    VbLabel* lblSeqCor;
    VbLabel* lblMaxL;
    VbLabel* lblLength;
    VbLabel* lblInfo;
    VbButton* cmdNextPat;
    VbButton* cmdRepeat;
    VbButton* cmdStart;
    VbButton* cmdScores;
    VbButton* cmdOptions;

private:
    frmVSS2o& options() const;
    void buildBoard();
    void buildCounters();
    void buildButtons();
    void startRun();
    void stopRun();
    void PlayPreDisplayBeep();
    void ShowFixedSequence();
    void ShowIncreasingSequence();
    void showTarget(int i);
    void flash(int Index);
    void judgeRight();
    void judgeWrong();
    // The board takes clicks from the end of a display until the answer ends.
    void setAnswerOpen(bool open);
    void showCorrectCount();

    StartStopToggle startStop_;
    int increasingLength_ = 0;
    int shownLength_ = 0;
    bool answerOpen_ = false;
};
