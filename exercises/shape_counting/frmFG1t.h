// Shape Counting therapy: a busy background of dots, circles and rectangles
// with target boxes or circles in a grey close to it; the patient counts the
// targets and types the number. A right count or the third wrong one shows
// the targets in green.
#pragma once

#include "exercises/shape_counting/shape_counting_rules.h"
#include "shell/controls/answer_box.h"
#include "shell/controls/drawing_surface.h"
#include "shell/framework/counters.h"
#include "shell/framework/therapy_screen.h"

#include <QGroupBox>

class frmFG1o;

class frmFG1t : public TherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFG1t";
    frmFG1t();

    void Form_Activate() override;
    void cmdStart_Click() { startStop_.Toggle(); }
    void cmdNextSet_Click();
    void txtAns_KeyPress(int KeyAscii);
    void txtAns_Click();

    bool Running() const { return startStop_.Running(); }
    // The set on screen: its kind, edge width and targets.
    const ShapeCounting::TargetSet& CurrentSet() const { return set_; }
    // Wrong counts typed for the set on screen.
    int Attempts() const { return attempts_; }
    DrawingSurface* Surface; // the form's drawing
    QGroupBox* Frame1;
    VbLabel* lblInfo;
    VbLabel* lblAveTime;
    VbLabel* lblCorrect;
    VbLabel* lblWrong;
    AnswerBox* txtAns;
    VbButton* cmdStart;
    VbButton* cmdScores;
    VbButton* cmdOptions;
    VbButton* cmdNextSet;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    frmFG1o& options() const;
    void buildCounters();
    void buildButtons();
    void placeControls();
    void startRun();
    void stopRun();
    void DrawBackground();
    void DrawTargets();
    void JudgeCount(const QString& entry);
    void closeSet();
    void ShowTargets();
    void showCounters();
    // Draws the set again after a resize, green targets included once shown.
    void redrawSet();
    void paint(const ShapeCounting::Strokes& strokes);

    StartStopToggle startStop_;
    CountersHiddenByClick counters_;
    ShapeCounting::Strokes background_;
    ShapeCounting::TargetSet set_;
    bool targetsShown_ = false;
    int attempts_ = 0;
};
