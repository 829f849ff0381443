// Right Or Left therapy: a stick figure seen from the front or the back,
// and the question which hand holds the balloon or which foot kicks the ball.
#pragma once

#include "exercises/right_or_left/right_or_left_rules.h"
#include "shell/controls/picture_box.h"
#include "shell/framework/therapy_screen.h"

#include <array>

class frmRLT : public PictureTherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmRLT";
    frmRLT();

    void cmdNextSet_Click() override;
    void cmdHand_Click(int Index);

    ImageBox* imgStkMan;
    VbLabel* lblInfo;
    VbLabel* Label1;                  // the question
    std::array<VbButton*, 2> cmdHand; // 0: "Right …", 1: "Left …"

    RLQuestion Question;
    int CorrectHand = 0;
    // Monotonic time at which the current picture began to be painted.
    double PictureShownAtMs = 0;

protected:
    void ClearStimulus() override;

private:
    void ChooseQuestion();
    // Captions, question, right answer and picture of the current question.
    void ShowQuestion();
    void RemovePicture();
    // The display time set on the options screen; nothing for "Off".
    std::optional<int> DisplayTime() const;
    void SetHandsEnabled(bool enabled);
    void UpdateRLCounters(Single responseTime);
};
