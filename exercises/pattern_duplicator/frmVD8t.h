// Pattern Duplicator therapy: a pattern of black squares appears in the left
// grid; the patient blackens the same squares in the right grid and checks.
// A pattern allows three checks; the third failed one marks the wrong squares.
#pragma once

#include "exercises/pattern_duplicator/pattern_duplicator_rules.h"
#include "shell/controls/cell_grid.h"
#include "shell/framework/counters.h"
#include "shell/framework/therapy_screen.h"

#include <QGroupBox>

class frmVD8o;

class frmVD8t : public TherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVD8t";
    frmVD8t();

    void Form_Load() override;
    void cmdStart_Click() { startStop_.Toggle(); }
    void cmdNextSet_Click();
    void cmdChkAnsw_Click();
    // A click on an answer square of the grid in use.
    void AnswerSquare_Click(int Index);

    bool Running() const { return startStop_.Running(); }
    // The grids of the size in use (25 or 100 squares).
    CellGrid* PatternGrid() const { return patternGrid_; }
    CellGrid* AnswerGrid() const { return answerGrid_; }
    // Checks made on the pattern shown.
    int Tries() const { return tries_; }

    QGroupBox* Frame3; // 25-square pattern
    CellGrid* lbl1L;
    QGroupBox* Frame4; // 25-square answer
    CellGrid* lbl2R;
    QGroupBox* Frame2; // 100-square pattern
    CellGrid* lblLgrid;
    QGroupBox* Frame1; // 100-square answer
    CellGrid* lblRGrid;
    QGroupBox* Frame5; // the counters
    VbLabel* lblCor;
    VbLabel* lblWrng;
    VbLabel* lblAveTime;
    VbLabel* lblMaxTarg;
    VbLabel* lblInfo;
    VbButton* cmdStart;
    VbButton* cmdScores;
    VbButton* cmdOptions;
    VbButton* cmdChkAnsw;
    VbButton* cmdNextSet;

private:
    frmVD8o& options() const;
    QGroupBox* buildGrid(const QString& frameName, const QString& gridName, int side,
                         double cellSize, double pitch, CellGrid*& grid);
    void buildCounters();
    void buildButtons();
    void takeGridSettings();
    void stopRun();
    void ClearGrids();
    int maxSquares() const;
    void showPattern();
    PatternDuplicator::Squares blackSquares(const CellGrid* grid) const;
    void judgeRight();
    void judgeWrong(const QList<int>& wrongSquares);
    void markWrongSquares(const QList<int>& wrongSquares);
    void offerNextSet();
    void RecordPatternTime();

    StartStopToggle startStop_;
    CountersHiddenByClick counters_;
    CellGrid* patternGrid_ = nullptr;
    CellGrid* answerGrid_ = nullptr;
    int lastIndex_ = PatternDuplicator::SmallGridCells - 1;
    int tries_ = 0;
};
