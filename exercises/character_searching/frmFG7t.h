// Character Searching therapy: a grid of characters in irregular rows; the
// patient counts one target character, types the count and presses Enter,
// and the grid comes back with every target in magenta.
#pragma once

#include "exercises/character_searching/character_searching_rules.h"
#include "shell/controls/answer_box.h"
#include "shell/controls/drawing_surface.h"
#include "shell/framework/counters.h"
#include "shell/framework/therapy_screen.h"

#include <QGroupBox>
#include <vector>

class frmFG7o;

class frmFG7t : public TherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFG7t";
    frmFG7t();

    void Form_Load() override;
    void Form_Activate() override;
    void cmdStart_Click() { startStop_.Toggle(); }
    // Next Set: the practice time checked, then a new grid.
    void cmdBegin_Click();
    void txtAns_KeyPress(int KeyAscii);

    bool Running() const { return startStop_.Running(); }
    const CharacterSearching::Grid& CurrentGrid() const { return grid_; }
    // Where each character of the grid was printed, and where the answer
    // grid prints it again.
    const std::vector<CharacterSearching::PrintPoint>& PrintPlaces() const { return places_; }
    const std::vector<CharacterSearching::PrintPoint>& AnswerPlaces() const {
        return answerPlaces_;
    }

    // The grid's frame on the drawing scale, and its colour.
    static constexpr double FrameLeft = 1, FrameTop = 2, FrameRight = 99, FrameBottom = 78;
    static const QColor FrameColor;
    static const QColor TargetColor;

    DrawingSurface* surface;
    QGroupBox* Frame1;
    VbLabel* lblRows;
    VbLabel* lblAveTime;
    VbLabel* lblCor;
    VbLabel* lblWrng;
    VbLabel* lblInfo;
    AnswerBox* txtAns;
    VbButton* cmdBegin;
    VbButton* cmdStart;
    VbButton* cmdScores;
    VbButton* cmdOptions;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    frmFG7o& options() const;
    // "Rows= " and the rows of the grids to come.
    void showRows();
    void buildCounters();
    void buildAnswerRow();
    void placeControls();
    void startRun();
    void stopRun();
    void DrawFrame();
    void MakeGrid();
    void RecordResponseTime();
    void CheckAnswer();
    void ShowAnswerGrid();
    void printGrid();
    void printAnswerGrid();
    // Draws the frame and the grid shown now again (the surface changed size).
    void redrawSurface();

    StartStopToggle startStop_;
    CountersHiddenByClick counters_;
    CharacterSearching::Grid grid_;
    std::vector<CharacterSearching::PrintPoint> places_;
    std::vector<CharacterSearching::PrintPoint> answerPlaces_;
    bool awaitingAnswer_ = false;
    // What the surface shows besides its frame.
    enum class Shown { FrameOnly, Grid, AnswerGrid };
    Shown shown_ = Shown::FrameOnly;
};
