// Tic Tac Toe Rotations therapy: a pattern of X's flashes on the board; the
// patient rebuilds it, as shown or turned a quarter turn, and Check Answer
// shows the expected answer and counts the X's found, missed and extra.
#pragma once

#include "exercises/tic_tac_toe/tic_tac_toe_rules.h"
#include "shell/controls/lined_board.h"
#include "shell/controls/vb_timer.h"
#include "shell/framework/counters.h"
#include "shell/framework/therapy_screen.h"

#include <QGroupBox>

class frmVSS1o;

class frmVSS1t : public TherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVSS1t";
    frmVSS1t();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void cmdStart_Click() { startStop_.Toggle(); }
    void cmdNextPat_Click();
    void Timer1_Timer();
    void cmdX_Click(int Index);
    void cmdChkAnswer_Click();

    // The pattern as flashed (cell k in reading order).
    TicTacToe::XPattern Pattern{};
    int PatternXCount = 0;
    // False from Next Pattern until the display time ends: the board takes no clicks.
    bool AnswerEnabled = false;

    LinedBoard* Frame2; // the board
    CellGrid* cmdX;
    QGroupBox* Frame1; // "Correct Answer:  "
    CellGrid* cmdAnsX;
    QGroupBox* Frame3; // "Unrotated Pattern:"
    CellGrid* cmdOrigGrid;
    QGroupBox* frame4; // the counters
    VbLabel* lblCor;
    VbLabel* lblWrng;
    VbLabel* lblCT;
    VbLabel* lblWT;
    VbLabel* lblInfo;
    VbButton* cmdStart;
    VbButton* cmdScores;
    VbButton* cmdOptions;
    VbButton* cmdChkAnswer;
    VbButton* cmdNextPat;
    VbTimer* Timer1;

private:
    frmVSS1o& options() const;
    void buildBoard();
    QGroupBox* buildSmallGrid(const QString& frameName, const QString& caption,
                              const QString& gridName, double cellSize, CellGrid*& grid);
    void buildCounters();
    void buildButtons();
    void startRun();
    void stopRun();
    void blankAllGrids();
    void drawNewPattern();
    void PlayPreDisplayBeep();
    void showPattern(CellGrid* grid, const TicTacToe::XPattern& pattern);
    TicTacToe::XPattern answerOnBoard() const;
    void showGridCounters();
    void showGridTotals();

    StartStopToggle startStop_;
    CountersHiddenByClick counters_;
    // A pattern was drawn and not yet checked.
    bool checkPending_ = false;
};
