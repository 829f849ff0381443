// The Flipper exercise: find which of four copies of a picture is unchanged,
// mirrored, upside down or both.
#pragma once

#include "shell/controls/picture_box.h"
#include "shell/framework/therapy_screen.h"

#include <array>

// Therapy screen: the sample, its four variants and the question.
class frmFlipperT : public PictureTherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFlipperT";
    frmFlipperT();

    void cmdNextSet_Click() override;
    void cmdAnswer_Click(int Index);
    // The digit keys 1 to 4 press the four answers.
    QList<QAbstractButton*> NumberedAnswers() const override {
        return {cmdAnswer[0], cmdAnswer[1], cmdAnswer[2], cmdAnswer[3]};
    }

    PictureBox* Picture0;
    std::array<PictureBox*, 4> Variants; // Picture1 to Picture4
    std::array<VbButton*, 4> cmdAnswer;
    VbLabel* lblQuestion;

    int PicturePosition = 0;
    int CorrectAnswer = 0;
    QString QuestionText;

protected:
    void TakeStartingSettings() override;
    void ClearStimulus() override;

private:
    void ClearQuestion();
    void ChooseAnswerPosition();
    void DrawVariants();
    void UpdateFlipperCounters(Single responseTime);
    void SetAnswersEnabled(bool enabled);
};
