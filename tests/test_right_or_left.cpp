#include "exercises/right_or_left/frmRLO.h"
#include "exercises/right_or_left/frmRLS.h"
#include "exercises/right_or_left/frmRLT.h"
#include "exercises/right_or_left/right_or_left_scores.h"
#include "shell/assets.h"
#include "shell/controls/colors.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/exercise_test.h"

#include <QTemporaryDir>

using namespace ModDODI;

void RegisterRightOrLeft();

class RightOrLeft : public ExerciseTest<frmRLO, frmRLT, RegisterRightOrLeft> {
protected:
    // Next One with picture 1 to 4 and the hand (0) or foot (1) question.
    void nextOne(int picture, int kind) {
        fake().ScriptRnd({(picture - 0.5) / 4, (kind + 0.5) / 2});
        Click(therapy().cmdNextSet);
    }
    void answer(int index, double afterSeconds = 1.0) {
        fake().Now += afterSeconds;
        Click(therapy().cmdHand[index]);
    }
    bool shows(const QString& file) {
        const QImage& shown = therapy().imgStkMan->Picture();
        return !shown.isNull() && shown == LoadPictureFile(file);
    }
    QString counters() {
        frmRLT& t = therapy();
        return QStringList{t.lblCor->text(), t.lblWrng->text(), t.lblTotalPics->text(),
                           t.lblAveTime->text()}
            .join(' ');
    }
};

TEST_F(RightOrLeft, EachPictureAndQuestionHasItsCaptionsAndRightButton) {
    struct Case {
        int picture, kind;
        const char* file;
        int right; // 0: the "Right" button, 1: the "Left" button
    } const cases[] = {
        {1, 0, "StkManFL.jpg", 1},      {2, 0, "StkManFR.jpg", 0},
        {3, 0, "StkManBL.jpg", 1},      {4, 0, "StkManBR.jpg", 0},
        {1, 1, "StkManFL_Ball.jpg", 1}, {2, 1, "StkManFR_Ball.jpg", 0},
        {3, 1, "StkManBL_Ball.jpg", 1}, {4, 1, "StkManBR_Ball.jpg", 0},
    };
    frmRLT& t = startTherapy();
    for (const Case& c : cases) {
        const int randomizedBefore = fake().RandomizeCalls;
        nextOne(c.picture, c.kind);
        EXPECT_EQ(fake().RandomizeCalls, randomizedBefore + 1) << "reseeded before the draws";
        EXPECT_TRUE(shows(c.file)) << c.file;
        EXPECT_EQ(t.Label1->text(), c.kind == 0 ? "Which Hand Is Holding The Ballon?"
                                                : "Which Foot Is Kicking The Ball?");
        EXPECT_EQ(t.cmdHand[0]->text(), c.kind == 0 ? "Right Hand" : "Right Foot");
        EXPECT_EQ(t.cmdHand[1]->text(), c.kind == 0 ? "Left Hand" : "Left Foot");
        answer(c.right);
        EXPECT_EQ(t.lblInfo->text(), "Correct") << c.file;
    }
    EXPECT_EQ(counters(), "C=8 W=0 T=8 1.0 Secs");
}

TEST_F(RightOrLeft, PictureStaysWithOffAndGoesAfterTheDisplaySpeed) {
    // What each blocking wait ends on: the picture shown, the answers enabled.
    QStringList atWaitEnd;
    fake().OnSleep = [&](int ms) {
        frmRLT* t = Forms::Find<frmRLT>();
        atWaitEnd << QString("%1 %2 %3")
                         .arg(ms)
                         .arg(t->imgStkMan->Picture().isNull() ? "blank" : "picture")
                         .arg(t->cmdHand[0]->isEnabled() ? "open" : "closed");
    };
    startTherapy();
    nextOne(1, 0);
    EXPECT_EQ(atWaitEnd, (QStringList{"500 blank closed", "1000 picture open"}));
    EXPECT_EQ(QuestionShownAt, fake().Timer()) << "timed from the end of the last wait";
    answer(1);
    EXPECT_TRUE(shows("StkManFL.jpg"));

    backToOptions().cboSpeed->SetText("0.50");
    startTherapy();
    atWaitEnd.clear();
    nextOne(4, 1);
    EXPECT_EQ(atWaitEnd,
              (QStringList{"500 blank closed", "500 picture closed", "1000 blank open"}));
    answer(0);
    EXPECT_TRUE(shows("StkManBR_Ball.jpg")) << "shown again at the answer";
    EXPECT_EQ(therapy().lblInfo->text(), "Correct");
}

TEST_F(RightOrLeft, AnswersAreJudgedColouredAndTimed) {
    frmRLT& t = startTherapy();
    fake().Now += 125;
    nextOne(2, 0); // front view, balloon in the figure's right hand
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 2 Mins  5 Secs");
    EXPECT_FALSE(t.cmdStart->isEnabled() || t.cmdNextSet->isEnabled());
    EXPECT_EQ(t.lblInfo->BackColor(), VbColor(VbColors::White));
    answer(1, 2.43);
    EXPECT_EQ(t.lblInfo->text(), "Incorrect");
    EXPECT_EQ(t.lblInfo->BackColor(), VbColor(VbColors::Red));
    EXPECT_EQ(counters(), "C=0 W=1 T=1 2.4 Secs");
    EXPECT_FALSE(t.cmdHand[0]->isEnabled() || t.cmdHand[1]->isEnabled());
    EXPECT_TRUE(t.cmdStart->isEnabled() && t.cmdNextSet->isEnabled());
    Click(t.cmdHand[0]);
    EXPECT_EQ(counters(), "C=0 W=1 T=1 2.4 Secs") << "one answer a picture";

    nextOne(2, 0);
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 2 Mins  8 Secs") << "at every Next One";
    EXPECT_TRUE(t.lblInfo->text().isEmpty());
    answer(0, 1.0);
    EXPECT_EQ(t.lblInfo->text(), "Correct");
    EXPECT_EQ(t.lblInfo->BackColor(), VbColor(VbColors::Green));
    EXPECT_EQ(counters(), "C=1 W=1 T=2 1.0 Secs");
    EXPECT_NEAR(RLScores().RLTotalTime, 3.43, 0.01);
}

TEST_F(RightOrLeft, OptionsShowTheExamples) {
    EXPECT_EQ(options().img1->Picture(), LoadPictureFile("StkManFL.jpg"));
    EXPECT_EQ(options().img2->Picture(), LoadPictureFile("StkManBR.jpg"));
}

TEST_F(RightOrLeft, ScoresShowTheRunAndEmptyLinesWhenNothingWasTried) {
    const QStringList lines{"lblCorrect", "lblWrong",   "lblTotalDis",
                            "lblPerCor",  "lblAveTime", "lblPracTime"};
    startTherapy();
    EXPECT_EQ(scoreLines(lines), (QStringList{"0", "0", "0", "", "", "0 Mins  0 Secs"}));
    backToOptions();

    startTherapy();
    for (int answerIndex : {1, 1, 1, 0}) { // picture 1: "Left" is right
        nextOne(1, 0);
        answer(answerIndex, 2.0);
    }
    fake().Now += 60;
    EXPECT_EQ(scoreLines(lines),
              (QStringList{"3", "1", "4", "75%", "2.0 Secs", "1 Mins  14 Secs"}));
}

TEST_F(RightOrLeft, MissingPicturesLeaveEmptyBoxesAndTheRunGoesOn) {
    QTemporaryDir noAssets;
    SetAssetDirectory(noAssets.path());
    Forms::UnloadAll();
    Forms::Show(frmRLO::Name);
    EXPECT_TRUE(options().img1->Picture().isNull());
    frmRLT& t = startTherapy();
    nextOne(3, 1);
    EXPECT_TRUE(t.imgStkMan->Picture().isNull());
    EXPECT_EQ(t.Label1->text(), "Which Foot Is Kicking The Ball?");
    answer(1);
    EXPECT_EQ(counters(), "C=1 W=0 T=1 1.0 Secs");
    SetAssetDirectory({});
}
