// Pieces shared by the exercises in which the patient watches items go by
// and responds to a target: the start message with its OK button, the
// three-beat ready signal, the counters that a click hides, and the
// percent / over-counted line of the scores screen.
#pragma once

#include "shell/controls/basic.h"
#include "shell/controls/covering_frame.h"
#include "shell/framework/counters.h"
#include "shell/framework/start_cues.h"

class TherapyScreen;

// The frame "frmStartMess" with its message "Label3" and button "cmdOK2".
class StartMessage : public CoveringFrame {
    Q_OBJECT
public:
    explicit StartMessage(QWidget* parent);
    // "You Are Looking For The <what>:  <target>" + line break +
    // "Click OK When Ready To Start."
    static QString Text(const QString& what, const QString& target);
    // Shows the message and lets events run until OK is pressed. Returns
    // false when the screen was unloaded or closed meanwhile: the caller must
    // return at once without touching the screen.
    bool ShowAndWait(TherapyScreen& screen, const QString& text);

    VbLabel* Label3;
    VbButton* cmdOK2;

private:
    bool readyClicked_ = false;
};

// The counters "lblCor", "lblWrng", "lblMissed": a click on any hides all three.
struct TargetCounters {
    explicit TargetCounters(QWidget* parent);
    void SetVisible(bool visible) { hiddenByClick_.SetVisible(visible); }
    VbLabel* lblCor;
    VbLabel* lblWrng;
    VbLabel* lblMissed;

private:
    CountersHiddenByClick hiddenByClick_;
};

// The scores line that compares responses counted with targets shown.
struct CountedTargetsLine {
    QString caption; // "Percent Correct:" or "Over Counted Targets By:"
    QString value;   // WholePercent(counted, targets) & "%"
};
// Empty caption and value when no target was shown (the line keeps its design).
CountedTargetsLine CompareCountedTargets(int counted, int targets);

// True when the practice time set in minutes has been reached; recomputes
// the elapsed time first.
bool PracticeTimeReached(double practiceMinutes);
