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

TEST(FlipFormBox, FirstClickShowsTwoOrThreeThenTurnsOnByOne) {
    for (double rnd : {0.0, 0.25, 0.4999}) {
        FlipFormBox box;
        EXPECT_EQ(box.Click([rnd] { return rnd; }), O::RightToLeft) << rnd;
    }
    for (double rnd : {0.5, 0.75, 0.9999}) {
        FlipFormBox box;
        EXPECT_EQ(box.Click([rnd] { return rnd; }), O::UpsideDown) << rnd;
        EXPECT_FALSE(box.Untouched());
        // Further clicks draw nothing: 4, 1, 2, then back at 3.
        EXPECT_EQ(box.Click(noDraw), O::Both);
        EXPECT_EQ(box.Click(noDraw), O::Unchanged);
        EXPECT_EQ(box.Click(noDraw), O::RightToLeft);
        EXPECT_EQ(box.Click(noDraw), O::UpsideDown);
    }
}

TEST(FlipFormBox, AnUntouchedBoxStartsAfreshFromWhereverItWas) {
    FlipFormBox box;
    box.Click([] { return 0.9; });
    box.Click(noDraw); // 4
    box.MakeUntouched();
    EXPECT_TRUE(box.Untouched());
    EXPECT_EQ(box.Click([] { return 0.1; }), O::RightToLeft);
}

TEST(FlipFormBox, FirstClicksFromUniformDrawsAreTwoOrThreeAboutEvenly) {
    std::mt19937_64 generator(7);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    int counts[5] = {};
    for (int i = 0; i < 4000; ++i) {
        FlipFormBox box;
        counts[int(box.Click([&] { return uniform(generator); }))]++;
    }
    EXPECT_EQ(counts[1] + counts[4], 0);
    EXPECT_NEAR(counts[2], 2000, 150);
    EXPECT_NEAR(counts[3], 2000, 150);
}

TEST(FlipFormSet, TargetsFollowTheThreeSteps) {
    EXPECT_EQ(BoxTarget(1), O::RightToLeft);
    EXPECT_EQ(BoxTarget(2), O::Both);
    EXPECT_EQ(BoxTarget(3), O::UpsideDown);
}

TEST(FlipFormSet, ChecksEachBoxAndCountsByRepeatMode) {
    // Turns box n to the orientation wanted: 2 or 3 on the first click, then on by one.
    auto setTo = [](FlipFormSet& set, int n, O wanted) {
        set.Box(n).Click([] { return 0.1; });
        while (set.Box(n).Shown() != wanted) {
            set.Box(n).Click(noDraw);
        }
    };
    FlipFormScores scores;
    FlipFormSet set;
    set.StartNewPicture();
    setTo(set, 1, O::RightToLeft);
    setTo(set, 2, O::Both);
    setTo(set, 3, O::UpsideDown);
    FlipFormCheck check = set.Check();
    EXPECT_TRUE(check.allCorrect);
    EXPECT_EQ(check.boxCorrect, (std::array<bool, 3>{true, true, true}));
    set.Count(check, scores);
    EXPECT_EQ(int(scores.FlipFormCorrect), 1);

    set.StartNewPicture();
    setTo(set, 1, O::RightToLeft);
    setTo(set, 2, O::UpsideDown); // box 1 was only flipped one way
    setTo(set, 3, O::UpsideDown);
    check = set.Check();
    EXPECT_FALSE(check.allCorrect);
    EXPECT_EQ(check.boxCorrect, (std::array<bool, 3>{true, false, true}));
    set.Count(check, scores);
    EXPECT_EQ(int(scores.FlipFormWrong), 1);

    set.StartRepeat();
    EXPECT_TRUE(set.RepeatMode());
    EXPECT_TRUE(set.Box(1).Untouched() && set.Box(2).Untouched() && set.Box(3).Untouched());
    setTo(set, 1, O::Unchanged);
    setTo(set, 2, O::Both);
    setTo(set, 3, O::UpsideDown);
    set.Count(set.Check(), scores); // a wrong repeat counts nothing
    setTo(set, 1, O::RightToLeft);
    set.Count(set.Check(), scores); // a correct repeat counts only as one
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
    bool frameShown(int box) { return therapy().shpGrnBox[box - 1]->isVisible(); }

    PictureFolder pictures_;
};

TEST_F(FlipFormsTest, NextSetWaitsThenShowsTheFirstStep) {
    frmFlipFormT& screen = startTherapy();
    EXPECT_FALSE(screen.lblInfo4->isHidden());
    fake().Now += 187.2;
    Click(screen.cmdNextSet);
    EXPECT_EQ(fake().Sleeps, QList<int>{400});
    EXPECT_EQ(screen.windowTitle(), "KOVA.....Practice Time = 3 Mins  7 Secs");
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 15);
    EXPECT_EQ(PictureFolder::OrientationIn(screen.Picture0), int(O::Unchanged));
    EXPECT_EQ(int(scores().FlipFormTried), 1);
    EXPECT_EQ(QuestionShownAt, Single(fake().Now));

    EXPECT_EQ(screen.lblInfo4->text(), Step1);
    EXPECT_TRUE(screen.lblInfo4->isVisible());
    EXPECT_TRUE(frameShown(1));
    EXPECT_FALSE(frameShown(2) || frameShown(3));
    EXPECT_TRUE(screen.Boxes[0]->isEnabled() && screen.cmdOK[0]->isEnabled());
    for (int i : {1, 2}) {
        EXPECT_FALSE(screen.Boxes[i]->isEnabled() || screen.cmdOK[i]->isEnabled());
    }
    EXPECT_FALSE(screen.cmdStart->isEnabled());
    EXPECT_FALSE(screen.cmdNextSet->isEnabled());
    EXPECT_TRUE(isBlank(screen.Boxes[0]));
}

TEST_F(FlipFormsTest, BoxClickedOnceShowsAFlipAndCyclesBackAfterThreeMore) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    fake().ScriptRnd({0.7});
    Click(screen.Boxes[0]);
    EXPECT_EQ(PictureFolder::OrientationIn(screen.Boxes[0]), int(O::UpsideDown));
    QList<int> shown;
    for (int i = 0; i < 3; ++i) {
        Click(screen.Boxes[0]);
        shown << PictureFolder::OrientationIn(screen.Boxes[0]);
    }
    EXPECT_EQ(shown, (QList<int>{4, 1, 2}));
    Click(screen.Boxes[0]);
    EXPECT_EQ(PictureFolder::OrientationIn(screen.Boxes[0]), int(O::UpsideDown));
}

TEST_F(FlipFormsTest, OkIsIgnoredUntilItsBoxWasClicked) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    Click(screen.cmdOK[0]);
    EXPECT_EQ(screen.lblInfo4->text(), Step1);
    EXPECT_TRUE(screen.cmdOK[0]->isEnabled());
    EXPECT_FALSE(screen.cmdOK[1]->isEnabled());

    flipBoxTo(1, O::RightToLeft);
    Click(screen.cmdOK[0]);
    Click(screen.cmdOK[1]);
    EXPECT_EQ(screen.lblInfo4->text(), Step2);
    flipBoxTo(2, O::Both);
    Click(screen.cmdOK[1]);
    Click(screen.cmdOK[2]);
    EXPECT_EQ(screen.lblInfo4->text(), Step3);
    EXPECT_TRUE(screen.lblInfo4->isVisible());
    EXPECT_FALSE(screen.lblInfo[0]->isVisible());
    EXPECT_EQ(int(scores().FlipFormCorrect) + int(scores().FlipFormWrong), 0);
}

TEST_F(FlipFormsTest, TheStepsMoveTheInstructionFrameAndActiveBox) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    flipBoxTo(1, O::RightToLeft);
    Click(screen.cmdOK[0]);
    EXPECT_EQ(screen.lblInfo4->text(), Step2);
    EXPECT_TRUE(frameShown(2));
    EXPECT_FALSE(frameShown(1));
    EXPECT_FALSE(screen.Boxes[0]->isEnabled() || screen.cmdOK[0]->isEnabled());
    EXPECT_TRUE(screen.Boxes[1]->isEnabled() && screen.cmdOK[1]->isEnabled());

    flipBoxTo(2, O::Both);
    Click(screen.cmdOK[1]);
    EXPECT_EQ(screen.lblInfo4->text(), Step3);
    EXPECT_TRUE(frameShown(3));
    EXPECT_FALSE(frameShown(2));
    EXPECT_FALSE(screen.Boxes[1]->isEnabled() || screen.cmdOK[1]->isEnabled());
    EXPECT_TRUE(screen.Boxes[2]->isEnabled() && screen.cmdOK[2]->isEnabled());
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
    EXPECT_FALSE(screen.cmdRepeat->isVisible());
    EXPECT_FALSE(screen.lblRepeat->isVisible());
    EXPECT_FALSE(screen.lblInfo4->isVisible());
    EXPECT_FALSE(frameShown(1) || frameShown(2) || frameShown(3));
    EXPECT_FALSE(screen.Boxes[2]->isEnabled() || screen.cmdOK[2]->isEnabled());
    EXPECT_TRUE(screen.cmdStart->isEnabled());
    EXPECT_TRUE(screen.cmdNextSet->isEnabled());
    EXPECT_EQ(screen.lblCor->text(), "C=1");
    EXPECT_EQ(screen.lblWrng->text(), "W=0");
    EXPECT_EQ(screen.lblTotalPics->text(), "T=1");
    EXPECT_EQ(screen.lblAveTime->text(), "2.4 Secs");
    EXPECT_EQ(int(scores().FlipFormCorrect), 1);
    EXPECT_EQ(int(scores().FlipFormWrong), 0);
    EXPECT_EQ(AnswerGivenAt, Single(fake().Now));
}

TEST_F(FlipFormsTest, OneWrongBoxCountsOneWrongAndOffersRepeat) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerSet(O::RightToLeft, O::UpsideDown, O::UpsideDown, 3.0);
    EXPECT_EQ(screen.lblInfo[0]->text(), "Correct");
    EXPECT_EQ(screen.lblInfo[1]->text(), "Incorrect");
    EXPECT_EQ(screen.lblInfo[1]->BackColor(), VbColor(VbColors::Red));
    EXPECT_EQ(screen.lblInfo[2]->text(), "Correct");
    EXPECT_TRUE(screen.cmdRepeat->isVisible());
    EXPECT_EQ(screen.lblRepeat->text(), "Using REPEAT will not change Correct and Incorrect "
                                        "scores. Repeat helps you to learn from your errors!");
    EXPECT_TRUE(screen.lblRepeat->isVisible());
    EXPECT_EQ(screen.lblWrng->text(), "W=1");
    EXPECT_EQ(screen.lblCor->text(), "C=0");
    EXPECT_EQ(int(scores().FlipFormWrong), 1);
}

TEST_F(FlipFormsTest, RepeatWorksThroughTheSamePictureAndCountsOnlyRepeats) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerSet(O::Unchanged, O::Both, O::UpsideDown, 2.0);
    fake().Sleeps.clear();
    QList<bool> repeatShownDuringWait;
    fake().OnSleep = [&](int) { repeatShownDuringWait << screen.cmdRepeat->isVisible(); };
    Click(screen.cmdRepeat);
    fake().OnSleep = nullptr;
    EXPECT_EQ(fake().Sleeps, QList<int>{500});
    EXPECT_EQ(repeatShownDuringWait, QList<bool>{true});
    EXPECT_FALSE(screen.cmdRepeat->isVisible());
    EXPECT_FALSE(screen.lblRepeat->isVisible());
    EXPECT_EQ(int(scores().FlipFormRepeats), 1);
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 15) << "the sample stays";
    for (PictureBox* box : screen.Boxes) {
        EXPECT_TRUE(isBlank(box));
    }
    for (VbLabel* label : screen.lblInfo) {
        EXPECT_FALSE(label->isVisible());
    }
    EXPECT_TRUE(screen.Boxes[0]->isEnabled() && screen.cmdOK[0]->isEnabled());
    EXPECT_FALSE(screen.Boxes[1]->isEnabled() || screen.Boxes[2]->isEnabled());
    EXPECT_TRUE(screen.cmdStart->isEnabled());
    EXPECT_TRUE(screen.cmdNextSet->isEnabled());

    // A wrong repeat counts nothing and offers Repeat again; the frames and
    // instruction stay hidden throughout.
    flipBoxTo(1, O::UpsideDown);
    Click(screen.cmdOK[0]);
    EXPECT_FALSE(screen.lblInfo4->isVisible());
    EXPECT_FALSE(frameShown(2));
    EXPECT_TRUE(screen.Boxes[1]->isEnabled());
    flipBoxTo(2, O::Both);
    Click(screen.cmdOK[1]);
    EXPECT_FALSE(frameShown(3));
    fake().Now += 9.0;
    flipBoxTo(3, O::UpsideDown);
    Click(screen.cmdOK[2]);
    EXPECT_EQ(screen.lblInfo[0]->text(), "Incorrect");
    EXPECT_TRUE(screen.cmdRepeat->isVisible());
    EXPECT_EQ(int(scores().FlipFormCorrectRepeats), 0);

    // A correct repeat adds to the correct repeats only, and leaves the
    // counters and the time sum alone.
    Click(screen.cmdRepeat);
    answerAllCorrect(5.0);
    EXPECT_FALSE(screen.cmdRepeat->isVisible());
    EXPECT_EQ(int(scores().FlipFormRepeats), 2);
    EXPECT_EQ(int(scores().FlipFormCorrectRepeats), 1);
    EXPECT_EQ(int(scores().FlipFormCorrect), 0);
    EXPECT_EQ(int(scores().FlipFormWrong), 1);
    EXPECT_EQ(int(scores().FlipFormTried), 1);
    EXPECT_NEAR(scores().FlipFormTotalTime, 2.0, 0.01);
    EXPECT_EQ(screen.lblCor->text(), "C=0");
    EXPECT_EQ(screen.lblWrng->text(), "W=1");
    EXPECT_EQ(screen.lblAveTime->text(), "2.0 Secs");

    // The next picture is a new one again.
    Click(screen.cmdNextSet);
    EXPECT_FALSE(screen.Set().RepeatMode());
    EXPECT_TRUE(screen.lblInfo4->isVisible());
    EXPECT_TRUE(frameShown(1));
    for (VbLabel* label : screen.lblInfo) {
        EXPECT_FALSE(label->isVisible());
    }
    answerAllCorrect(1.0);
    EXPECT_EQ(int(scores().FlipFormCorrect), 1);
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
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 51);
}

TEST_F(FlipFormsTest, RandomPresentationRoundsHalvesToEven) {
    Click(options().optRandom);
    frmFlipFormT& screen = startTherapy();
    // Rnd × 203 + 1 = 101.5 rounds to 102.
    fake().ScriptRnd({100.5 / 203});
    Click(screen.cmdNextSet);
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 102);
    EXPECT_TRUE(fake().Messages.isEmpty());
}

TEST_F(FlipFormsTest, StopClearsThePicturesAndEndsTheOpenSet) {
    frmFlipFormT& screen = startTherapy();
    Click(screen.cmdNextSet);
    answerSet(O::RightToLeft, O::Both, O::Both, 1.0);
    Click(screen.cmdRepeat);
    flipBoxTo(1, O::RightToLeft);
    Click(screen.cmdStart);
    EXPECT_EQ(screen.cmdStart->text(), "Start");
    EXPECT_TRUE(screen.Picture0->Picture().isNull());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(isBlank(screen.Boxes[i]));
        EXPECT_FALSE(screen.Boxes[i]->isEnabled() || screen.cmdOK[i]->isEnabled());
    }
    EXPECT_FALSE(screen.cmdRepeat->isVisible());
    EXPECT_FALSE(screen.cmdNextSet->isEnabled());
    EXPECT_TRUE(screen.cmdScores->isEnabled());
    EXPECT_EQ(screen.lblWrng->text(), "W=1");
}

TEST_F(FlipFormsTest, ScoresScreenCountsRepeatsAndAveragesOverNewPicturesOnly) {
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
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(s.Title()->text(), "Flip Form Scores");
    const QStringList captions = {"Total Correct",     "Total Incorrect", "Total New Images Tried",
                                  "Percent Correct",   "Total Repeats",   "Correct Repeats",
                                  "Ave Response Time", "Practice Time"};
    const QStringList captionNames = {"Label1", "Label3", "Label2", "Label6",
                                      "Label8", "Label4", "Label7", "Label5"};
    const QStringList valueNames = {"lblCorrect", "lblWrong",     "lblTotalDis", "lblPerCor",
                                    "lblRepeats", "lblC_Repeats", "lblAveTime",  "lblPracTime"};
    const QStringList values = {"1", "1", "2", "50%", "1", "1", "2.5 Secs", "0 Mins  26 Secs"};
    int previousTop = -1;
    for (int i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(s.Caption(captionNames[i])->text(), captions[i]);
        EXPECT_EQ(s.Value(valueNames[i])->text(), values[i]) << valueNames[i].toStdString();
        EXPECT_GT(s.Value(valueNames[i])->y(), previousTop) << "lines run top to bottom";
        previousTop = s.Value(valueNames[i])->y();
    }
}

TEST_F(FlipFormsTest, ScoresBeforeAnyPictureLeavePercentAndAverageEmpty) {
    Click(&options(), "cmdStart");
    Click(therapy().cmdScores);
    auto& s = Loaded<frmFlipFormS>();
    EXPECT_EQ(s.Value("lblTotalDis")->text(), "0");
    EXPECT_EQ(s.Value("lblRepeats")->text(), "0");
    EXPECT_TRUE(s.Value("lblPerCor")->text().isEmpty());
    EXPECT_TRUE(s.Value("lblAveTime")->text().isEmpty());
}

TEST_F(FlipFormsTest, EveryWayOutZeroesTheScores) {
    auto playOneRound = [this] {
        startTherapy();
        Click(therapy().cmdNextSet);
        answerSet(O::UpsideDown, O::Both, O::UpsideDown, 1.0);
        Click(therapy().cmdRepeat);
        ASSERT_EQ(int(scores().FlipFormRepeats), 1);
        Click(therapy().cmdStart);
    };
    playOneRound();
    Click(therapy().cmdOptions);
    ProcessEvents();
    EXPECT_EQ(int(scores().FlipFormRepeats), 0);
    EXPECT_FALSE(IsLoaded("frmFlipFormT"));
    EXPECT_TRUE(options().isVisible());

    playOneRound();
    Click(therapy().cmdScores);
    Click(&Loaded<frmFlipFormS>(), "cmdOptions");
    ProcessEvents();
    EXPECT_EQ(int(scores().FlipFormRepeats), 0);
    EXPECT_FALSE(IsLoaded("frmFlipFormS"));
    EXPECT_TRUE(options().isVisible());

    playOneRound();
    Click(therapy().cmdScores);
    Click(&Loaded<frmFlipFormS>(), "cmdMainMenu");
    ProcessEvents();
    EXPECT_EQ(int(scores().FlipFormRepeats), 0);
    EXPECT_FALSE(IsLoaded("frmFlipFormO"));
    EXPECT_FALSE(IsLoaded("frmFlipFormT"));
}

TEST_F(FlipFormsTest, OptionsExampleGridFollowsTheStepsAndHelpOpensFlipForms) {
    frmFlipFormO& screen = options();
    EXPECT_EQ(Find<VbLabel>(&screen, "Label1")->text(), "Flip Form");
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
    EXPECT_EQ(cornerColour(screen.ExampleBoxes[0]), PictureFolder::TopLeft());
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
