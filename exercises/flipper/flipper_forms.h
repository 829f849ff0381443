// The Flipper exercise: find which of four copies of a picture is unchanged,
// mirrored, upside down or both.
#pragma once

#include "exercises/flipper/picture_options.h"
#include "shell/framework/scores_screen.h"
#include "shell/framework/therapy_screen.h"

#include <array>

extern const Triad FlipperTriad;

// Options screen: presentation order, starting picture and the flip example.
class frmFlipperO : public PictureOptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFlipperO";
    frmFlipperO();
};

// Therapy screen: the sample, its four variants and the question.
class frmFlipperT : public PictureTherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFlipperT";
    frmFlipperT();

    void cmdNextSet_Click() override;
    void cmdAnswer_Click(int Index);

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

// Scores screen of a Flipper practice period.
class frmFlipperS : public ScoresScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFlipperS";
    frmFlipperS();

protected:
    void FillLines() override;
};

void RegisterFlipper();
