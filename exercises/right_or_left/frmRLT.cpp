#include "exercises/right_or_left/frmRLT.h"

#include "exercises/right_or_left/right_or_left_scores.h"
#include "exercises/right_or_left/right_or_left_triad.h"
#include "shell/controls/colors.h"
#include "shell/controls/combo_box.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/layout.h"
#include "shell/framework/options_screen.h"
#include "shell/platform.h"

#include <algorithm>

using namespace ModDODI;

namespace {
const QColor LightCyan(192, 255, 255);
} // namespace

frmRLT::frmRLT() : PictureTherapyScreen(Name, RightOrLeftTriad()) {
    SetDesignSize(11900, 8550);
    imgStkMan = new ImageBox("imgStkMan", this);
    imgStkMan->setAccessibleName("Stick figure");
    Place(imgStkMan, 4730, 2040, 2415, 3255);

    lblInfo = new VbLabel("lblInfo", "", this);
    lblInfo->setAlignment(Qt::AlignCenter);
    SetFontSize(lblInfo, 14, true);
    Place(lblInfo, 4800, 1440, 2295, 375);

    Label1 = new VbLabel("Label1", "", this);
    Label1->setAlignment(Qt::AlignCenter);
    SetFontSize(Label1, 10, true);
    Place(Label1, 4320, 6000, 3615, 495);

    const int handTops[2] = {6720, 7320};
    for (int i = 0; i < 2; ++i) {
        cmdHand[i] = new VbButton("cmdHand" + QString::number(i), "", this);
        cmdHand[i]->SetBackColor(LightCyan);
        SetFontSize(cmdHand[i], 10, true);
        Place(cmdHand[i], 5280, handTops[i], 1575, 495);
        cmdHand[i]->setEnabled(false);
        connect(cmdHand[i], &QPushButton::clicked, this, [this, i] { cmdHand_Click(i); });
    }

    cmdNextSet->setText("Next One");
    Place(cmdStart, 120, 7920, 1215, 495);
    Place(cmdScores, 1560, 7920, 1215, 495);
    Place(cmdOptions, 2880, 7920, 1335, 495);
    Place(cmdNextSet, 5160, 7920, 1815, 495);
    PlaceCounters(8640, 7920, 3015, 495);
}

void frmRLT::ClearStimulus() {
    SetHandsEnabled(false);
}

void frmRLT::SetHandsEnabled(bool enabled) {
    for (VbButton* button : cmdHand) {
        button->setEnabled(enabled);
    }
}

std::optional<int> frmRLT::DisplayTime() const {
    return DisplaySpeedMs(OptionControl<ValidatingComboBox>("cboSpeed")->Text());
}

void frmRLT::RemovePicture() {
    imgStkMan->SetPicture({});
    imgStkMan->repaint();
}

void frmRLT::ShowQuestion() {
    cmdHand[0]->setText(RightCaption(Question.Kind));
    cmdHand[1]->setText(LeftCaption(Question.Kind));
    Label1->setText(QuestionText(Question.Kind));
    CorrectHand = CorrectHandFor(Question.PictureChoice);
    imgStkMan->LoadPicture(PictureFile(Question));
    const double beforePaintMs = platform().MonotonicMs();
    imgStkMan->repaint();
    // The picture is up from the start of its paint (a box that painted
    // nothing, being hidden, counts from now).
    PictureShownAtMs = std::max(beforePaintMs, imgStkMan->PaintStartedMs());
}

void frmRLT::ChooseQuestion() {
    RemovePicture();
    platform().Sleep(500);
    platform().Randomize();
    const double first = platform().Rnd();
    const double second = platform().Rnd();
    Question = DrawQuestion(first, second);
    ShowQuestion();
}

void frmRLT::cmdNextSet_Click() {
    const RightOrLeftScores& totals = RLScores();
    AdaptBetweenSets(*this, {totals.RLCorrect, totals.RLWrong});
    RLScores().RLTried++;
    ShowPracticeTime();
    cmdNextSet->setEnabled(false);
    cmdStart->setEnabled(false);
    lblInfo->setText("");
    lblInfo->SetBackColor(VbColor(VbColors::White));
    lblInfo->repaint();
    ChooseQuestion();
    if (const std::optional<int> shownFor = DisplayTime()) {
        platform().SleepUntil(PictureShownAtMs + *shownFor);
        RemovePicture();
    }
    SetHandsEnabled(true);
    platform().Sleep(1000);
    QuestionShownAt = platform().Timer();
}

void frmRLT::cmdHand_Click(int Index) {
    const Single responseTime = TakeResponseTime();
    if (DisplayTime()) {
        ShowQuestion();
    }
    SetHandsEnabled(false);
    RightOrLeftScores& scores = RLScores();
    if (Index != CorrectHand) {
        scores.RLWrong++;
        lblInfo->SetAnswerColor(VbColor(VbColors::Red), AnswerMark::Wrong);
        lblInfo->setText("Incorrect");
    } else {
        scores.RLCorrect++;
        lblInfo->SetAnswerColor(VbColor(VbColors::Green), AnswerMark::Right);
        lblInfo->setText("Correct");
    }
    UpdateRLCounters(responseTime);
    cmdStart->setEnabled(true);
    cmdNextSet->setEnabled(true);
    cmdNextSet->setFocus(); // the keyboard goes on from the next picture
}

void frmRLT::UpdateRLCounters(Single responseTime) {
    RightOrLeftScores& scores = RLScores();
    scores.RLTotalTime += responseTime;
    ShowCounters(scores.RLCorrect, scores.RLWrong, scores.RLTried, responseTime);
}
