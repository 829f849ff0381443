#include "exercises/flip_forms/flip_form_rules.h"
#include "exercises/flip_forms/flip_form_scores.h"
#include "exercises/flip_forms/flip_forms_forms.h"
#include "shell/controls/colors.h"
#include "shell/mod_dodi.h"
#include "tests/picture_files.h"
#include "tests/support/kova_test.h"

#include <QScrollBar>
#include <random>

using namespace ModDODI;
using O = Orientation;

namespace {

const QString Step1 =
    "Click on Picture Box 1 until the image appears flipped right to left. Then click OK.";
const QString Step2 = "Now click on Picture Box 2 until the image in Box 1 appears flipped "
                      "upside down. Then click OK.";
const QString Step3 = "Now click on Picture Box 3 until the image in Box 2 appears flipped "
                      "right to left. Then click OK.";

// A random source that fails the test when a value is asked for.
double noDraw() {
    ADD_FAILURE() << "a random value was drawn";
    return 0;
}

bool isBlank(QWidget* box) {
    const QImage shot = box->grab().toImage();
    return shot.pixelColor(shot.width() / 4, shot.height() / 4) ==
           shot.pixelColor(3 * shot.width() / 4, 3 * shot.height() / 4);
}

} // namespace

TEST(FlipFormBox, FirstClickShowsTwoOrThreeThenCyclesWithoutDrawing) {
    for (double rnd : {0.0, 0.4999}) {
        FlipFormBox box;
        EXPECT_EQ(box.Click([rnd] { return rnd; }), O::RightToLeft) << rnd;
    }
    FlipFormBox box;
    EXPECT_EQ(box.Click([] { return 0.9999; }), O::UpsideDown);
    QList<O> next;
    for (int i = 0; i < 4; ++i) {
        next << box.Click(noDraw);
    }
    EXPECT_EQ(next, (QList<O>{O::Both, O::Unchanged, O::RightToLeft, O::UpsideDown}));
    box.MakeUntouched();
    EXPECT_EQ(box.Click([] { return 0.5; }), O::UpsideDown) << "untouched again: drawn afresh";
}

TEST(FlipFormBox, UniformDrawsGiveTwoOrThreeAboutEvenly) {
    std::mt19937_64 generator(7);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    int counts[5] = {};
    for (int i = 0; i < 4000; ++i) {
        FlipFormBox box;
        counts[int(box.Click([&] { return uniform(generator); }))]++;
    }
    EXPECT_EQ(counts[1] + counts[4], 0);
    EXPECT_NEAR(counts[2], 2000, 150);
}

TEST(FlipFormSet, JudgesEachBoxAndCountsByRepeatMode) {
    auto setTo = [](FlipFormSet& set, O box1, O box2, O box3) {
        const O wanted[3] = {box1, box2, box3};
        for (int n = 1; n <= 3; ++n) {
            set.Box(n).Click([] { return 0.1; });
            while (set.Box(n).Shown() != wanted[n - 1]) {
                set.Box(n).Click(noDraw);
            }
        }
    };
    FlipFormScores scores;
    FlipFormSet set;
    set.StartNewPicture();
    setTo(set, O::RightToLeft, O::Both, O::UpsideDown);
    EXPECT_EQ(set.Check().boxCorrect, (std::array<bool, 3>{true, true, true}));
    set.Count(set.Check(), scores);

    set.StartNewPicture();
    setTo(set, O::RightToLeft, O::UpsideDown, O::UpsideDown);
    const FlipFormCheck wrong = set.Check();
    EXPECT_FALSE(wrong.allCorrect);
    EXPECT_EQ(wrong.boxCorrect, (std::array<bool, 3>{true, false, true}));
    set.Count(wrong, scores);

    set.StartRepeat();
    EXPECT_TRUE(set.Box(1).Untouched() && set.Box(2).Untouched() && set.Box(3).Untouched());
    setTo(set, O::Unchanged, O::Both, O::UpsideDown);
    set.Count(set.Check(), scores); // a wrong repeat counts nothing
    set.StartRepeat();
    setTo(set, O::RightToLeft, O::Both, O::UpsideDown);
    set.Count(set.Check(), scores);
    EXPECT_EQ(int(scores.FlipFormCorrect), 1);
    EXPECT_EQ(int(scores.FlipFormWrong), 1);
    EXPECT_EQ(int(scores.FlipFormCorrectRepeats), 1);
    set.StartNewPicture();
    EXPECT_FALSE(set.RepeatMode());
}

class FlipFormsTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterFlipForms();
        Forms::Show("frmFlipFormO");
    }
    frmFlipFormO& options() { return Loaded<frmFlipFormO>(); }
    frmFlipFormT& therapy() { return Loaded<frmFlipFormT>(); }
    const FlipFormScores& scores() { return Scores<FlipFormScores>(); }

    frmFlipFormT& startTherapy() {
        Click(&options(), "cmdStart");
        Click(therapy().cmdStart);
        return therapy();
    }
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
        frmFlipFormT& screen = therapy();
        fake().Now += afterSeconds;
        flipBoxTo(1, box1);
        Click(screen.cmdOK[0]);
        flipBoxTo(2, box2);
        Click(screen.cmdOK[1]);
        flipBoxTo(3, box3);
        Click(screen.cmdOK[2]);
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

    PictureFolder pictures_;
};

TEST_F(FlipFormsTest, NextSetWaitsThenShowsTheFirstStep) {
    frmFlipFormT& screen = startTherapy();
    fake().Now += 187.2;
    Click(screen.cmdNextSet);
    EXPECT_EQ(fake().Sleeps, QList<int>{400});
    EXPECT_EQ(screen.windowTitle(), "KOVA.....Practice Time = 3 Mins  7 Secs");
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 15);
    EXPECT_EQ(int(scores().FlipFormTried), 1);
    EXPECT_EQ(QuestionShownAt, Single(fake().Now));
    EXPECT_EQ(screen.lblInfo4->text(), Step1);
    EXPECT_TRUE(screen.lblInfo4->isVisible());
    EXPECT_EQ(framesShown(), QList<bool>({true, false, false}));
    EXPECT_EQ(boxesEnabled(), QList<bool>({true, false, false}));
    EXPECT_FALSE(screen.cmdStart->isEnabled() || screen.cmdNextSet->isEnabled());
}

TEST_F(FlipFormsTest, BoxClicksDrawTheSampleAndOkWaitsForItsBox) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    Click(screen.cmdOK[0]);
    EXPECT_EQ(screen.lblInfo4->text(), Step1) << "OK before its box was clicked";
    EXPECT_EQ(boxesEnabled(), QList<bool>({true, false, false}));

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
    EXPECT_TRUE(screen.lblInfo4->isVisible());
    EXPECT_FALSE(screen.lblInfo[0]->isVisible()) << "no check before box 3 was clicked";
    EXPECT_FALSE(screen.cmdStart->isEnabled());
}

TEST_F(FlipFormsTest, AllThreeBoxesRightCountsOneCorrectAndOffersNoRepeat) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerAllCorrect(2.43);
    for (VbLabel* label : screen.lblInfo) {
        EXPECT_TRUE(label->isVisible());
        EXPECT_EQ(label->text(), "Correct");
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
    EXPECT_EQ(screen.lblAveTime->text(), "2.4 Secs");
}

TEST_F(FlipFormsTest, WrongBoxOffersRepeatWhichCountsOnlyRepeats) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerSet(O::RightToLeft, O::UpsideDown, O::UpsideDown, 2.0);
    EXPECT_EQ(screen.lblInfo[1]->text(), "Incorrect");
    EXPECT_EQ(screen.lblInfo[1]->BackColor(), VbColor(VbColors::Red));
    EXPECT_EQ(screen.lblInfo[2]->text(), "Correct");
    EXPECT_TRUE(screen.cmdRepeat->isVisible());
    EXPECT_EQ(screen.lblRepeat->text(), "Using REPEAT will not change Correct and Incorrect "
                                        "scores. Repeat helps you to learn from your errors!");
    EXPECT_TRUE(screen.lblRepeat->isVisible());
    EXPECT_EQ(screen.lblWrng->text(), "W=1");

    fake().Sleeps.clear();
    QList<bool> repeatShownDuringWait;
    fake().OnSleep = [&](int) { repeatShownDuringWait << screen.cmdRepeat->isVisible(); };
    Click(screen.cmdRepeat);
    fake().OnSleep = nullptr;
    EXPECT_EQ(fake().Sleeps, QList<int>{500});
    EXPECT_EQ(repeatShownDuringWait, QList<bool>{true});
    EXPECT_FALSE(screen.cmdRepeat->isVisible() || screen.lblRepeat->isVisible());
    EXPECT_EQ(int(scores().FlipFormRepeats), 1);
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 15) << "the sample stays";
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(isBlank(screen.Boxes[i]));
        EXPECT_FALSE(screen.lblInfo[i]->isVisible());
    }
    EXPECT_EQ(boxesEnabled(), QList<bool>({true, false, false}));
    EXPECT_TRUE(screen.cmdStart->isEnabled() && screen.cmdNextSet->isEnabled());

    // A wrong repeat counts nothing and offers Repeat again; no frame or
    // instruction is shown during a repeat.
    flipBoxTo(1, O::UpsideDown);
    Click(screen.cmdOK[0]);
    EXPECT_FALSE(screen.lblInfo4->isVisible());
    EXPECT_EQ(framesShown(), QList<bool>({false, false, false}));
    flipBoxTo(2, O::Both);
    Click(screen.cmdOK[1]);
    EXPECT_EQ(framesShown(), QList<bool>({false, false, false}));
    fake().Now += 9.0;
    flipBoxTo(3, O::UpsideDown);
    Click(screen.cmdOK[2]);
    EXPECT_EQ(screen.lblInfo[0]->text(), "Incorrect");
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
    EXPECT_FALSE(screen.lblInfo[0]->isVisible());
    answerAllCorrect(1.0);
    EXPECT_EQ(int(scores().FlipFormCorrect), 1) << "the next picture is new again";
}

TEST_F(FlipFormsTest, StopDuringARepeatClearsThePicturesAndEndsTheSet) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerSet(O::RightToLeft, O::Both, O::Both, 1.0);
    Click(screen.cmdRepeat);
    flipBoxTo(1, O::RightToLeft);
    Click(screen.cmdStart);
    EXPECT_EQ(screen.cmdStart->text(), "Start");
    EXPECT_TRUE(screen.Picture0->Picture().isNull());
    EXPECT_TRUE(isBlank(screen.Boxes[0]));
    EXPECT_EQ(boxesEnabled(), QList<bool>({false, false, false}));
    EXPECT_FALSE(screen.cmdRepeat->isVisible());
    EXPECT_FALSE(screen.cmdNextSet->isEnabled());
    EXPECT_EQ(screen.lblWrng->text(), "W=1");
}

TEST_F(FlipFormsTest, InOrderSequenceStepsByFifteenAndStartsAgainAfterTheLastPicture) {
    frmFlipFormT& screen = startTherapy();
    QList<int> shown;
    for (int i = 0; i < 15; ++i) {
        Click(screen.cmdNextSet);
        shown << PictureFolder::NumberOf(screen.Picture0->Picture());
        answerAllCorrect(1.0);
    }
    EXPECT_EQ(shown,
              (QList<int>{15, 30, 45, 60, 75, 90, 105, 120, 135, 150, 165, 180, 195, 1, 16}));
    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_EQ(fake().Messages[0].prompt,
              "Congratulations You have reached the last image! We will start over with "
              "Picture 1.");
}

TEST_F(FlipFormsTest, PickedPictureStartsTheSequence) {
    options().HScroll1->setValue(37);
    Click(startTherapy().cmdNextSet);
    EXPECT_EQ(PictureFolder::NumberOf(therapy().Picture0->Picture()), 51);
}

TEST_F(FlipFormsTest, RandomPresentationRoundsHalvesToEven) {
    Click(options().optRandom);
    frmFlipFormT& screen = startTherapy();
    fake().ScriptRnd({100.5 / 203}); // 101.5 rounds to 102
    Click(screen.cmdNextSet);
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 102);
}

TEST_F(FlipFormsTest, ScoresScreenShowsRepeatsAndAveragesOverNewPicturesOnly) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerAllCorrect(2.0);
    Click(screen.cmdNextSet);
    answerSet(O::UpsideDown, O::Both, O::UpsideDown, 3.0);
    Click(screen.cmdRepeat);
    answerAllCorrect(20.0);
    Click(screen.cmdStart);
    Click(screen.cmdScores);

    auto& s = Loaded<frmFlipFormS>();
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(screen.isVisible() || options().isVisible());
    EXPECT_EQ(s.Title()->text(), "Flip Form Scores");
    struct Line {
        const char *captionName, *caption, *valueName, *value;
    };
    const Line lines[] = {{"Label1", "Total Correct", "lblCorrect", "1"},
                          {"Label3", "Total Incorrect", "lblWrong", "1"},
                          {"Label2", "Total New Images Tried", "lblTotalDis", "2"},
                          {"Label6", "Percent Correct", "lblPerCor", "50%"},
                          {"Label8", "Total Repeats", "lblRepeats", "1"},
                          {"Label4", "Correct Repeats", "lblC_Repeats", "1"},
                          {"Label7", "Ave Response Time", "lblAveTime", "2.5 Secs"},
                          {"Label5", "Practice Time", "lblPracTime", "0 Mins  26 Secs"}};
    int previousTop = -1;
    for (const Line& line : lines) {
        EXPECT_EQ(s.Caption(line.captionName)->text(), line.caption);
        EXPECT_EQ(s.Value(line.valueName)->text(), line.value) << line.valueName;
        EXPECT_GT(s.Value(line.valueName)->y(), previousTop) << "lines run top to bottom";
        previousTop = s.Value(line.valueName)->y();
    }
    Click(&s, "cmdOptions");
    EXPECT_EQ(int(scores().FlipFormRepeats), 0);
    EXPECT_FALSE(IsLoaded("frmFlipFormT"));
    EXPECT_TRUE(options().isVisible());
}

TEST_F(FlipFormsTest, OptionsExampleGridFollowsTheStepsAndHelpOpensFlipForms) {
    frmFlipFormO& screen = options();
    EXPECT_TRUE(isBlank(screen.ExampleBoxes[1]));
    for (int i : {1, 2, 3}) {
        Click(screen.ExampleBoxes[i]);
    }
    // The example boxes are smaller than the picture: compare the corner
    // quadrant each flip brings into view.
    auto cornerColour = [](QWidget* box) {
        const QImage shot = box->grab().toImage();
        return shot.pixelColor(shot.width() / 4, shot.height() / 4);
    };
    EXPECT_EQ(cornerColour(screen.ExampleBoxes[1]), PictureFolder::TopRight())
        << "top right: flipped right to left";
    EXPECT_EQ(cornerColour(screen.ExampleBoxes[2]), PictureFolder::BottomRight())
        << "bottom right: flipped both ways";
    EXPECT_EQ(cornerColour(screen.ExampleBoxes[3]), PictureFolder::BottomLeft())
        << "bottom left: flipped upside down";
    EXPECT_EQ(Find<VbLabel>(&screen, "Label4")->text(), "Above ImageFlipped Upside Down");
    EXPECT_EQ(Find<VbLabel>(&screen, "Label5")->text(), "Right Image Flipped  Rigtht To Left");

    Click(&screen, "cmdHelp");
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_TRUE(fake().HelpFiles[0].endsWith("\\FlipForms.hlp"));
}
