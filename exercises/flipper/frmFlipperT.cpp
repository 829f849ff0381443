#include "exercises/flipper/frmFlipperT.h"

#include "exercises/flipper/flipper_rules.h"
#include "exercises/flipper/flipper_scores.h"
#include "exercises/flipper/flipper_triad.h"
#include "exercises/flipper/picture_sequence.h"
#include "shell/controls/colors.h"
#include "shell/framework/layout.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"

#include <QPointer>
#include <QScrollBar>

using namespace ModDODI;

frmFlipperT::frmFlipperT() : PictureTherapyScreen(Name, FlipperTriad()) {
    SetDesignSize(11900, 8500);
    Picture0 = new PictureBox("Picture0", this);
    Picture0->setAccessibleName("Sample picture");
    Place(Picture0, 4320, 120, 2820, 2820);
    lblQuestion = new VbLabel("lblQuestion", "", this);
    lblQuestion->SetBackColor(VbColor(VbColors::LightYellow));
    lblQuestion->setAlignment(Qt::AlignCenter);
    lblQuestion->SetBorder(true);
    SetFontSize(lblQuestion, 11, true);
    Place(lblQuestion, 3600, 3120, 3975, 615);
    // Every question in one size, fitted to the longest.
    lblQuestion->SetTextVariants(
        {QuestionFor(Orientation::Unchanged), QuestionFor(Orientation::RightToLeft),
         QuestionFor(Orientation::UpsideDown), QuestionFor(Orientation::Both)});

    const int boxLefts[4] = {240, 3120, 6000, 8880};
    const int buttonLefts[4] = {960, 3840, 6720, 9840};
    for (int i = 0; i < 4; ++i) {
        const QString number = QString::number(i + 1);
        Variants[i] = new PictureBox("Picture" + number, this);
        Variants[i]->setAccessibleName("Picture " + number);
        Place(Variants[i], boxLefts[i], 4080, 2820, 2820);
        cmdAnswer[i] = new VbButton("cmdAnswer" + QString::number(i), number, this);
        cmdAnswer[i]->SetBackColor(VbColor(VbColors::LightYellow));
        SetFontSize(cmdAnswer[i], 12, true);
        Place(cmdAnswer[i], buttonLefts[i], 7080, 1215, 495);
        cmdAnswer[i]->setEnabled(false);
        connect(cmdAnswer[i], &QPushButton::clicked, this, [this, i] { cmdAnswer_Click(i); });
    }

    PlaceButtonRow(7800, 5033);
    PlaceCounters(8640, 7800, 3015, 495);
}

void frmFlipperT::TakeStartingSettings() {
    PicturePosition = OptionControl<QScrollBar>("HScroll1")->value() - 1;
}

void frmFlipperT::ClearStimulus() {
    lblQuestion->setText("");
    ClearQuestion();
    SetAnswersEnabled(false);
}

void frmFlipperT::SetAnswersEnabled(bool enabled) {
    for (VbButton* button : cmdAnswer) {
        button->setEnabled(enabled);
    }
}

void frmFlipperT::ClearQuestion() {
    for (VbButton* button : cmdAnswer) {
        button->SetBackColor(VbColor(VbColors::LightYellow));
    }
    Picture0->ClearPicture();
    for (PictureBox* box : Variants) {
        box->ClearPicture();
    }
}

void frmFlipperT::ChooseAnswerPosition() {
    platform().Randomize();
    CorrectAnswer = static_cast<int>(Int(platform().Rnd() * 4));
}

void frmFlipperT::DrawVariants() {
    platform().Randomize();
    const int a = static_cast<int>(RoundHalfEven(2 * platform().Rnd()));
    const Arrangement arrangement = ArrangementFor(a, CorrectAnswer);
    QuestionText = QuestionFor(arrangement.asked);
    for (int i = 0; i < 4; ++i) {
        DrawOrientation(*Variants[i], Picture0->Picture(), Picture0->ScaleWidth(),
                        Picture0->ScaleHeight(), arrangement.boxes[i]);
    }
    lblQuestion->setText(QuestionText);
    lblQuestion->repaint();
}

void frmFlipperT::cmdNextSet_Click() {
    cmdStart->setEnabled(false);
    ShowPracticeTime();
    lblQuestion->setText("");
    lblQuestion->repaint();
    ClearQuestion();
    cmdNextSet->setEnabled(false);
    platform().Sleep(1000);

    const auto* options = OptionControl<QRadioButton>("optInOrder");
    if (options->isChecked()) {
        const QPointer<frmFlipperT> self(this);
        const int next = NextPictureInOrder(PicturePosition, 20); // may tell of the last picture
        if (self == nullptr) {
            return; // closed, or KOVA ended, while the notice was open
        }
        PicturePosition = next;
        Picture0->LoadPicture(PictureFileName(PicturePosition));
    } else {
        Picture0->LoadPicture(PictureFileName(RandomPictureNumber()));
    }
    ChooseAnswerPosition();
    DrawVariants();
    SetAnswersEnabled(true);
    QuestionShownAt = platform().Timer();
}

void frmFlipperT::cmdAnswer_Click(int Index) {
    SetAnswersEnabled(false);
    FlipperScores& s = Scores<FlipperScores>();
    s.FlipperAnswered++;
    const Single responseTime = TakeResponseTime();
    if (Index == CorrectAnswer) {
        s.FlipperCorrect++;
        cmdAnswer[Index]->SetAnswerColor(VbColor(VbColors::Green), AnswerMark::Right);
    } else {
        s.FlipperWrong++;
        cmdAnswer[CorrectAnswer]->SetAnswerColor(VbColor(VbColors::Green), AnswerMark::Right);
        cmdAnswer[Index]->SetAnswerColor(VbColor(VbColors::Red), AnswerMark::Wrong);
    }
    UpdateFlipperCounters(responseTime);
    cmdStart->setEnabled(true);
    cmdNextSet->setEnabled(true);
}

void frmFlipperT::UpdateFlipperCounters(Single responseTime) {
    FlipperScores& s = Scores<FlipperScores>();
    s.FlipperTotalTime += responseTime;
    ShowCounters(s.FlipperCorrect, s.FlipperWrong, s.FlipperAnswered, responseTime);
}
