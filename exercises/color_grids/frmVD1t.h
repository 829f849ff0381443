// Discriminating Color Grids therapy: four grids of coloured squares show
// the same pattern, except that some squares of one of them (the odd grid)
// have another colour; the patient presses the odd grid's number.
#pragma once

#include "exercises/color_grids/color_grids_rules.h"
#include "shell/controls/cell_grid.h"
#include "shell/controls/drawing_surface.h"
#include "shell/framework/therapy_screen.h"

#include <QGroupBox>
#include <array>

class frmVD1o;

class frmVD1t : public TherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVD1t";
    frmVD1t();

    void Form_Load() override;
    void cmdStart_Click() { startStop_.Toggle(); }
    void cmdNextSet_Click();
    // The answer button of grid Index + 1.
    void cmdAns_Click(int Index);
    // The digit keys 1 to 4 press the answers of grids 1 to 4.
    QList<QAbstractButton*> NumberedAnswers() const override {
        return {cmdAns[0], cmdAns[1], cmdAns[2], cmdAns[3]};
    }

    bool Running() const { return startStop_.Running(); }
    int GridSizeCode() const { return gridSizeCode_; }
    // The set on show; its odd grid is 1 to 4.
    const ColorGrids::ColorSet& CurrentSet() const { return set_; }
    // A set is on show and not yet answered.
    bool AwaitingAnswer() const { return awaitingAnswer_; }

    // The white sheet the grids lie on, in the screen's scale of 11099 ×
    // 8100 units (one a twip); the frames around the grids are drawn on it.
    DrawingSurface* board;
    std::array<CellGrid*, ColorGrids::GridCount> lblGrids; // lbl1 to lbl4
    QGroupBox* Frame1;                                     // the answer buttons
    std::array<VbButton*, ColorGrids::GridCount> cmdAns;
    QGroupBox* Frame3; // the counters
    VbLabel* lblCor;
    VbLabel* lblWrng;
    VbLabel* lblAveTime;
    VbLabel* lblInfo;
    VbButton* cmdStart;
    VbButton* cmdScores;
    VbButton* cmdOptions;
    VbButton* cmdNextSet;

private:
    frmVD1o& options() const;
    void buildBoard();
    void buildAnswerFrame();
    void buildCounters();
    void buildButtons();
    void ReadGridSize();
    void GenerateGrids();
    void DrawGridFrames();
    void showSetNow(bool firstSet);
    // Puts back the grid size the practice started with, for the scores screen.
    void restoreGridSize();
    void judge(int grid);
    void recordResponseTime();

    StartStopToggle startStop_;
    int gridSizeCode_ = 9; // "3x3"
    ColorGrids::ColorSet set_;
    bool awaitingAnswer_ = false;
    bool framesDrawn_ = false;
};
