// Closing Lines and Boxes therapy: two converging lines with their meeting
// point hidden, or three corners of a box, flash on a white sheet, perhaps
// followed by distracting figures; the patient presses Clk To Answer and
// clicks where the lines would meet or the fourth corner lies, and sees how
// far off the click was and the whole figure.
#pragma once

#include "exercises/closing_lines/closing_lines_rules.h"
#include "shell/controls/drawing_surface.h"
#include "shell/framework/therapy_screen.h"

#include <QGroupBox>

class frmVC2o;

class frmVC2t : public TherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVC2t";
    frmVC2t();

    void Form_Activate() override;
    void cmdStart_Click() { startStop_.Toggle(); }
    void cmdNextSet_Click();
    void cmdAnswer_Click();
    // A press on the drawing at (X, Y) in drawing units.
    void Form_MouseDown(double X, double Y);

    // The figure asked for last.
    const ClosingLines::Figure& Target() const { return target_; }
    // Between Clk To Answer and the press that answers.
    bool AnswerArmed() const { return armed_; }
    // While a figure (the target or a distractor) is drawn, until it is cleared.
    bool FigureOnScreen() const { return figureOnScreen_; }

    DrawingSurface* surface;
    VbButton* cmdStart;
    VbButton* cmdNextSet;
    VbButton* cmdAnswer;
    VbButton* cmdScores;
    VbButton* cmdOptions;
    QGroupBox* Frame1;
    VbLabel* lblSpd;
    VbLabel* lblInfo;
    VbLabel* lblAveTime;
    VbLabel* lblConfuse;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    frmVC2o& options() const;
    void buildStrip();
    void placeControls();
    void stopRun();
    void DrawTarget();
    void VisualConfusion();
    void ShowSolution();
    // Draws a figure as it is asked: the lines' meeting point under a white disc.
    void drawFigure(const ClosingLines::Figure& figure);
    // Paints what was drawn and keeps it on screen for ms, counted from
    // just before the paint.
    void holdOnScreen(int ms);
    void clearDrawing();
    void disarm();
    void showAverageTime();

    StartStopToggle startStop_;
    ClosingLines::Figure target_;
    bool armed_ = false;
    bool figureOnScreen_ = false;
};
