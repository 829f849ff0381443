#include "exercises/flip_forms/flip_forms_rules.h"
#include "exercises/flip_forms/flip_forms_scores.h"
#include "exercises/flip_forms/frmFlipFormO.h"
#include "exercises/flip_forms/frmFlipFormS.h"
#include "exercises/flip_forms/frmFlipFormT.h"
#include "shell/controls/colors.h"
#include "shell/mod_dodi.h"
#include "tests/picture_files.h"
#include "tests/support/exercise_checks.h"

using namespace ModDODI;
using O = Orientation;

void RegisterFlipForms();

namespace {

const QString Step1 =
    "Click on Picture Box 1 until the image appears flipped right to left. Then click OK.";
const QString Step2 = "Now click on Picture Box 2 until the image in Box 1 appears flipped "
                      "upside down. Then click OK.";
const QString Step3 = "Now click on Picture Box 3 until the image in Box 2 appears flipped "
                      "right to left. Then click OK.";

} // namespace

TEST(FlipFormBox, AnUntouchedBoxDrawsTwoOrThreeAtItsFirstClick) {
    FlipFormBox box;
    QList<O> first;
    for (double rnd : {0.0, 0.4999, 0.5, 0.9999}) {
        box.MakeUntouched();
        first << box.Click([rnd] { return rnd; });
    }
    EXPECT_EQ(first, (QList<O>{O::RightToLeft, O::RightToLeft, O::UpsideDown, O::UpsideDown}));
}

TEST(FlipFormSet, AnUntouchedBoxIsNeverRightEvenWhenItStillShowsItsTarget) {
    FlipFormSet set;
    for (int n = 1; n <= FlipFormBoxCount; ++n) {
        while (set.Box(n).Untouched() || set.Box(n).Shown() != BoxTarget(n)) {
            set.Box(n).Click([] { return 0.0; });
        }
    }
    EXPECT_TRUE(set.Check().allCorrect);
    set.StartRepeat(); // the boxes keep what they show until clicked
    EXPECT_EQ(set.Box(2).Shown(), BoxTarget(2));
    const FlipFormCheck untouched = set.Check();
    EXPECT_FALSE(untouched.allCorrect);
    EXPECT_EQ(untouched.boxCorrect, (std::array<bool, FlipFormBoxCount>{}));
}

class FlipFormsTest : public PictureExerciseTest<frmFlipFormO, frmFlipFormT, RegisterFlipForms> {
protected:
    const FlipFormScores& scores() { return Scores<FlipFormScores>(); }

    // Clicks box n (1 to 3) until it shows the orientation wanted.
    void flipBoxTo(int n, O wanted) {
        PictureBox* box = therapy().Boxes[n - 1];
        fake().ScriptRnd({wanted == O::RightToLeft ? 0.1 : 0.9});
        Click(box);
        for (int clicks = 1; clicks < 4 && PictureFolder::OrientationIn(box) != int(wanted);
             ++clicks) {
            Click(box);
        }
        EXPECT_EQ(PictureFolder::OrientationIn(box), int(wanted)) << "box " << n;
    }
    // Works through the three steps; `wanted` is what each box is turned to.
    void answerSet(O box1, O box2, O box3, double afterSeconds) {
        fake().Now += afterSeconds;
        const O wanted[3] = {box1, box2, box3};
        for (int n = 1; n <= 3; ++n) {
            flipBoxTo(n, wanted[n - 1]);
            Click(therapy().cmdOK[n - 1]);
        }
    }
    void answerAllCorrect(double afterSeconds) {
        answerSet(O::RightToLeft, O::Both, O::UpsideDown, afterSeconds);
    }
    QList<bool> framesShown() {
        QList<bool> shown;
        for (ShapeControl* frame : therapy().shpGrnBox) {
            shown << frame->isVisible();
        }
        return shown;
    }
    // Whether each box and its OK button can be used (always both or neither).
    QList<bool> boxesEnabled() {
        QList<bool> enabled;
        for (int i = 0; i < 3; ++i) {
            const bool box = therapy().Boxes[i]->isEnabled();
            EXPECT_EQ(box, therapy().cmdOK[i]->isEnabled()) << "box " << i + 1;
            enabled << box;
        }
        return enabled;
    }
    // The check under each box, "" while it is hidden.
    QStringList results() {
        QStringList texts;
        for (VbLabel* label : therapy().lblInfo) {
            texts << (label->isVisible() ? label->text() : "");
        }
        return texts;
    }
};

TEST_F(FlipFormsTest, NextSetWaitsThenTheStepsLeadFromBoxToBox) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    EXPECT_EQ(fake().Sleeps, QList<int>{400});
    EXPECT_EQ(samplePicture(), 15);
    EXPECT_EQ(int(scores().FlipFormTried), 1);
    EXPECT_FALSE(screen.cmdStart->isEnabled() || screen.cmdNextSet->isEnabled());

    Click(screen.cmdOK[0]); // ignored before its box was clicked
    EXPECT_EQ(screen.lblInfo4->text(), Step1);
    EXPECT_EQ(framesShown(), QList<bool>({true, false, false}));
    EXPECT_EQ(boxesEnabled(), QList<bool>({true, false, false}));

    // Clicked once a box shows 2 or 3, then goes round the four orientations.
    fake().ScriptRnd({0.7});
    QList<int> shown;
    for (int i = 0; i < 5; ++i) {
        Click(screen.Boxes[0]);
        shown << PictureFolder::OrientationIn(screen.Boxes[0]);
    }
    EXPECT_EQ(shown, (QList<int>{3, 4, 1, 2, 3}));
    Click(screen.cmdOK[0]);
    EXPECT_EQ(screen.lblInfo4->text(), Step2);
    EXPECT_EQ(framesShown(), QList<bool>({false, true, false}));
    EXPECT_EQ(boxesEnabled(), QList<bool>({false, true, false}));

    Click(screen.cmdOK[1]);
    EXPECT_EQ(screen.lblInfo4->text(), Step2);
    flipBoxTo(2, O::Both);
    Click(screen.cmdOK[1]);
    EXPECT_EQ(screen.lblInfo4->text(), Step3);
    EXPECT_EQ(framesShown(), QList<bool>({false, false, true}));
    EXPECT_EQ(boxesEnabled(), QList<bool>({false, false, true}));

    Click(screen.cmdOK[2]);
    EXPECT_EQ(results(), QStringList(3, "")) << "no check before box 3 was clicked";
    EXPECT_FALSE(screen.cmdStart->isEnabled());
}

TEST_F(FlipFormsTest, AllThreeBoxesRightCountsOneCorrectAndOffersNoRepeat) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerAllCorrect(2.43);
    EXPECT_EQ(results(), QStringList(3, "Correct"));
    for (VbLabel* label : screen.lblInfo) {
        EXPECT_EQ(label->BackColor(), VbColor(VbColors::Green));
    }
    EXPECT_FALSE(screen.cmdRepeat->isVisible() || screen.lblRepeat->isVisible());
    EXPECT_FALSE(screen.lblInfo4->isVisible());
    EXPECT_EQ(framesShown(), QList<bool>({false, false, false}));
    EXPECT_EQ(boxesEnabled(), QList<bool>({false, false, false}));
    EXPECT_TRUE(screen.cmdStart->isEnabled() && screen.cmdNextSet->isEnabled());
    EXPECT_EQ(screen.lblCor->text(), "C=1");
    EXPECT_EQ(screen.lblWrng->text(), "W=0");
    EXPECT_EQ(screen.lblTotalPics->text(), "T=1");
}

TEST_F(FlipFormsTest, WrongBoxOffersRepeatWhichCountsOnlyRepeats) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerSet(O::RightToLeft, O::UpsideDown, O::UpsideDown, 2.0);
    EXPECT_EQ(results(), (QStringList{"Correct", "Incorrect", "Correct"}));
    EXPECT_EQ(screen.lblInfo[1]->BackColor(), VbColor(VbColors::Red));
    EXPECT_TRUE(screen.cmdRepeat->isVisible() && screen.lblRepeat->isVisible());
    EXPECT_EQ(screen.lblWrng->text(), "W=1");

    fake().Sleeps.clear();
    QList<bool> repeatShownDuringWait;
    fake().OnSleep = [&](int) { repeatShownDuringWait << screen.cmdRepeat->isVisible(); };
    Click(screen.cmdRepeat);
    fake().OnSleep = nullptr;
    EXPECT_EQ(fake().Sleeps, QList<int>{500});
    EXPECT_EQ(repeatShownDuringWait, QList<bool>{true});
    EXPECT_FALSE(screen.cmdRepeat->isVisible() || screen.lblRepeat->isVisible());
    EXPECT_EQ(samplePicture(), 15) << "the sample stays";
    for (PictureBox* box : screen.Boxes) {
        EXPECT_TRUE(PictureFolder::IsBlank(box));
    }
    EXPECT_EQ(results(), QStringList(3, ""));
    EXPECT_EQ(boxesEnabled(), QList<bool>({true, false, false}));

    // A wrong repeat counts nothing and offers Repeat again; no frame or
    // instruction is shown during a repeat.
    flipBoxTo(1, O::UpsideDown);
    Click(screen.cmdOK[0]);
    EXPECT_FALSE(screen.lblInfo4->isVisible());
    EXPECT_EQ(framesShown(), QList<bool>({false, false, false}));
    fake().Now += 9.0;
    flipBoxTo(2, O::Both);
    Click(screen.cmdOK[1]);
    flipBoxTo(3, O::UpsideDown);
    Click(screen.cmdOK[2]);
    EXPECT_EQ(results().value(0), "Incorrect");
    EXPECT_TRUE(screen.cmdRepeat->isVisible());

    // A correct repeat adds to the correct repeats only: counters and time sum stay.
    Click(screen.cmdRepeat);
    answerAllCorrect(5.0);
    EXPECT_FALSE(screen.cmdRepeat->isVisible());
    const FlipFormScores& s = scores();
    EXPECT_EQ((QList<int>{s.FlipFormCorrect, s.FlipFormWrong, s.FlipFormTried, s.FlipFormRepeats,
                          s.FlipFormCorrectRepeats}),
              (QList<int>{0, 1, 1, 2, 1}));
    EXPECT_NEAR(s.FlipFormTotalTime, 2.0, 0.01);
    EXPECT_EQ(screen.lblCor->text(), "C=0");
    EXPECT_EQ(screen.lblAveTime->text(), "2.0 Secs");

    Click(screen.cmdNextSet);
    EXPECT_TRUE(screen.lblInfo4->isVisible());
    answerAllCorrect(1.0);
    EXPECT_EQ(int(scores().FlipFormCorrect), 1) << "the next picture is new again";
}

TEST_F(FlipFormsTest, StopClearsThePicturesAndEndsTheSetOrItsRepeat) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerSet(O::RightToLeft, O::Both, O::Both, 1.0);
    Click(screen.cmdStart); // Stop while Repeat is offered
    EXPECT_TRUE(screen.Picture0->Picture().isNull());
    EXPECT_FALSE(screen.cmdRepeat->isVisible());
    EXPECT_EQ(results(), QStringList(3, "")); // no verdict beside an emptied box

    Click(screen.cmdStart);
    Click(screen.cmdNextSet);
    answerSet(O::RightToLeft, O::Both, O::Both, 1.0);
    Click(screen.cmdRepeat);
    flipBoxTo(1, O::RightToLeft);
    Click(screen.cmdStart); // Stop during the repeat
    EXPECT_TRUE(PictureFolder::IsBlank(screen.Boxes[0]));
    EXPECT_EQ(boxesEnabled(), QList<bool>({false, false, false}));
    EXPECT_EQ(screen.lblWrng->text(), "W=2");
}

TEST_F(FlipFormsTest, InOrderSequenceStepsByFifteenAndStartsAgainAfterTheLastPicture) {
    frmFlipFormT& screen = startTherapy();
    QList<int> shown;
    for (int i = 0; i < 15; ++i) {
        Click(screen.cmdNextSet);
        shown << samplePicture();
        answerAllCorrect(1.0);
    }
    EXPECT_EQ(shown,
              (QList<int>{15, 30, 45, 60, 75, 90, 105, 120, 135, 150, 165, 180, 195, 1, 16}));
    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_EQ(fake().Messages[0].prompt, LastPictureMessage);
}

TEST_F(FlipFormsTest, PickedPictureStartsTheSequence) {
    options().HScroll1->setValue(37);
    Click(startTherapy().cmdNextSet);
    EXPECT_EQ(samplePicture(), 51);
}

TEST_F(FlipFormsTest, ScoresScreenShowsRepeatsAndAveragesOverNewPicturesOnly) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerAllCorrect(2.0);
    Click(screen.cmdNextSet);
    answerSet(O::UpsideDown, O::Both, O::UpsideDown, 3.0);
    Click(screen.cmdRepeat);
    answerAllCorrect(20.0);
    EXPECT_EQ(scoreLines({"lblCorrect", "lblWrong", "lblTotalDis", "lblPerCor", "lblRepeats",
                          "lblC_Repeats", "lblAveTime"}),
              (QStringList{"1", "1", "2", "50%", "1", "1", "2.5 Secs"}));
}

TEST_F(FlipFormsTest, OptionsExampleGridFollowsTheSteps) {
    // Clockwise from the original: flipped right to left, both ways, upside down.
    EXPECT_EQ(exampleCorners(),
              (QList<QColor>{PictureFolder::TopLeft(), PictureFolder::TopRight(),
                             PictureFolder::BottomRight(), PictureFolder::BottomLeft()}));
}
