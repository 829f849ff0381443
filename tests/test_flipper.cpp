#include "exercises/flipper/arrangement.h"
#include "exercises/flipper/flipper_forms.h"
#include "exercises/flipper/flipper_scores.h"
#include "shell/controls/colors.h"
#include "shell/mod_dodi.h"
#include "tests/picture_files.h"
#include "tests/support/kova_test.h"

#include <QScrollBar>

using namespace ModDODI;

namespace {

// Which orientation a box shows, read from the colours of its quadrants.
Orientation orientationShown(QWidget* box) {
    const int shown = PictureFolder::OrientationIn(box);
    if (shown == 0) {
        throw std::runtime_error("box shows no recognisable orientation");
    }
    return Orientation(shown);
}

bool isBlank(QWidget* box) {
    const QImage shot = box->grab().toImage();
    return shot.pixelColor(shot.width() / 4, shot.height() / 4) ==
           shot.pixelColor(3 * shot.width() / 4, 3 * shot.height() / 4);
}

} // namespace

class FlipperTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterFlipper();
        Forms::Show("frmFlipperO");
    }
    frmFlipperO& options() { return Loaded<frmFlipperO>(); }
    frmFlipperT& therapy() { return Loaded<frmFlipperT>(); }

    frmFlipperT& startTherapy() {
        Click(&options(), "cmdStart");
        Click(therapy().cmdStart);
        return therapy();
    }
    // Next Set with the answer under button `answer` (0-3) and arrangement a.
    void nextSet(int answer, int a) {
        static const double arrangementRnd[3] = {0.1, 0.5, 0.9};
        fake().ScriptRnd({(answer + 0.5) / 4.0, arrangementRnd[a]});
        Click(therapy().cmdNextSet);
    }
    void answer(int index, double afterSeconds) {
        fake().Now += afterSeconds;
        Click(therapy().cmdAnswer[index]);
    }

    PictureFolder pictures_;
};

TEST(FlipperArrangement, EveryRowPutsTheAskedVariantUnderTheCorrectButton) {
    for (int a = 0; a < 3; ++a) {
        for (int answer = 0; answer < 4; ++answer) {
            const Arrangement row = ArrangementFor(a, answer);
            EXPECT_EQ(row.boxes[answer], row.asked) << a << "," << answer;
            QSet<int> distinct;
            for (Orientation o : row.boxes) {
                distinct.insert(int(o));
            }
            EXPECT_EQ(distinct.size(), 4) << "each variant appears once";
        }
    }
}

TEST_F(FlipperTest, EachArrangementDrawsItsVariantsAndAsksItsQuestion) {
    struct Row {
        int a, answer;
        const char* question;
        Orientation boxes[4];
    };
    using O = Orientation;
    const Row rows[] = {
        {0, 0, "Which Pattern Matches?", {O::Unchanged, O::RightToLeft, O::UpsideDown, O::Both}},
        {0,
         1,
         "Which Pattern Is Flipped Upside Down?",
         {O::Unchanged, O::UpsideDown, O::RightToLeft, O::Both}},
        {0,
         2,
         "Which Pattern Is Flipped Right To Left?",
         {O::Both, O::Unchanged, O::RightToLeft, O::UpsideDown}},
        {0,
         3,
         "Which Pattern Is Flipped Upside Down AND Also Flipped Right To Left?",
         {O::UpsideDown, O::Unchanged, O::RightToLeft, O::Both}},
        {1,
         0,
         "Which Pattern Is Flipped Upside Down?",
         {O::UpsideDown, O::Both, O::Unchanged, O::RightToLeft}},
        {1, 1, "Which Pattern Matches?", {O::UpsideDown, O::Unchanged, O::Both, O::RightToLeft}},
        {1,
         2,
         "Which Pattern Is Flipped Upside Down AND Also Flipped Right To Left?",
         {O::RightToLeft, O::Unchanged, O::Both, O::UpsideDown}},
        {1,
         3,
         "Which Pattern Is Flipped Right To Left?",
         {O::UpsideDown, O::Both, O::Unchanged, O::RightToLeft}},
        {2,
         0,
         "Which Pattern Is Flipped Right To Left?",
         {O::RightToLeft, O::Unchanged, O::Both, O::UpsideDown}},
        {2,
         1,
         "Which Pattern Is Flipped Upside Down AND Also Flipped Right To Left?",
         {O::UpsideDown, O::Both, O::Unchanged, O::RightToLeft}},
        {2, 2, "Which Pattern Matches?", {O::RightToLeft, O::Both, O::Unchanged, O::UpsideDown}},
        {2,
         3,
         "Which Pattern Is Flipped Upside Down?",
         {O::RightToLeft, O::Both, O::Unchanged, O::UpsideDown}},
    };
    frmFlipperT& screen = startTherapy();
    for (const Row& row : rows) {
        nextSet(row.answer, row.a);
        EXPECT_EQ(screen.lblQuestion->text(), row.question) << row.a << "," << row.answer;
        for (int box = 0; box < 4; ++box) {
            EXPECT_EQ(orientationShown(screen.Variants[box]), row.boxes[box])
                << "row " << row.a << "," << row.answer << " box " << box + 1;
        }
        EXPECT_EQ(orientationShown(screen.Picture0), Orientation::Unchanged);
        answer(row.answer, 1.0);
    }
    EXPECT_EQ(int(Scores<FlipperScores>().FlipperCorrect), 12);
}

TEST_F(FlipperTest, RightAndWrongAnswersAreColouredAndCounted) {
    frmFlipperT& screen = startTherapy();
    const QColor yellow = VbColor(VbColors::LightYellow);
    nextSet(2, 0);
    EXPECT_FALSE(screen.cmdStart->isEnabled());
    for (VbButton* b : screen.cmdAnswer) {
        EXPECT_TRUE(b->isEnabled());
    }
    answer(2, 2.43);
    EXPECT_EQ(screen.cmdAnswer[2]->BackColor(), VbColor(VbColors::Green));
    EXPECT_EQ(screen.cmdAnswer[0]->BackColor(), yellow);
    EXPECT_EQ(screen.lblCor->text(), "C=1");
    EXPECT_EQ(screen.lblWrng->text(), "W=0");
    EXPECT_EQ(screen.lblTotalPics->text(), "T=1");
    EXPECT_EQ(screen.lblAveTime->text(), "2.4 Secs");
    for (VbButton* b : screen.cmdAnswer) {
        EXPECT_FALSE(b->isEnabled());
    }
    EXPECT_TRUE(screen.cmdStart->isEnabled());
    EXPECT_TRUE(screen.cmdNextSet->isEnabled());

    nextSet(1, 2);
    EXPECT_EQ(screen.cmdAnswer[2]->BackColor(), yellow) << "Next Set clears the colours";
    answer(3, 1.0);
    EXPECT_EQ(screen.cmdAnswer[1]->BackColor(), VbColor(VbColors::Green));
    EXPECT_EQ(screen.cmdAnswer[3]->BackColor(), VbColor(VbColors::Red));
    EXPECT_EQ(screen.cmdAnswer[0]->BackColor(), yellow);
    EXPECT_EQ(screen.lblWrng->text(), "W=1");
    EXPECT_EQ(screen.lblTotalPics->text(), "T=2");
    const FlipperScores& s = Scores<FlipperScores>();
    EXPECT_EQ(int(s.FlipperCorrect), 1);
    EXPECT_EQ(int(s.FlipperWrong), 1);
    EXPECT_EQ(int(s.FlipperAnswered), 2);
}

TEST_F(FlipperTest, NextSetWaitsOneSecondAndShowsThePracticeTime) {
    frmFlipperT& screen = startTherapy();
    fake().Now += 187.2;
    nextSet(0, 0);
    EXPECT_EQ(fake().Sleeps, QList<int>{1000});
    EXPECT_EQ(screen.windowTitle(), "KOVA.....Practice Time = 3 Mins  7 Secs");
}

TEST_F(FlipperTest, InOrderSequenceStepsByTwentyAndStartsAgainAfterTheLastPicture) {
    frmFlipperT& screen = startTherapy();
    QList<int> shown;
    for (int i = 0; i < 12; ++i) {
        nextSet(0, 0);
        shown << PictureFolder::NumberOf(screen.Picture0->Picture());
        answer(0, 1.0);
    }
    EXPECT_EQ(shown, (QList<int>{20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 1, 21}));
    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_EQ(fake().Messages[0].prompt,
              "Congratulations You have reached the last image! We will start over with "
              "Picture 1.");
}

TEST_F(FlipperTest, PickedPictureStartsTheSequence) {
    options().HScroll1->setValue(37);
    EXPECT_EQ(options().lblPicNumb->text(), "Picture Number = 37");
    EXPECT_EQ(PictureFolder::NumberOf(options().imgShowPic->Picture()), 37);
    frmFlipperT& screen = startTherapy();
    nextSet(0, 0);
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 56);
}

TEST_F(FlipperTest, RandomPresentationRoundsHalvesToEven) {
    Click(options().optRandom);
    frmFlipperT& screen = startTherapy();
    // Rnd × 203 + 1 = 101.5 rounds to 102; 0.999 × 203 + 1 = 203.8 gives 204.
    fake().ScriptRnd({100.5 / 203, 0.1, 0.1});
    Click(screen.cmdNextSet);
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 102);
    answer(0, 1);
    fake().ScriptRnd({0.999, 0.1, 0.1});
    Click(screen.cmdNextSet);
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 204);
}

TEST_F(FlipperTest, StopClearsThePicturesAndQuestionAndKeepsTheCounters) {
    frmFlipperT& screen = startTherapy();
    nextSet(0, 0);
    answer(1, 1.0);
    Click(screen.cmdStart);
    EXPECT_EQ(screen.cmdStart->text(), "Start");
    EXPECT_TRUE(screen.lblQuestion->text().isEmpty());
    EXPECT_TRUE(screen.Picture0->Picture().isNull());
    for (PictureBox* box : screen.Variants) {
        EXPECT_TRUE(isBlank(box));
    }
    EXPECT_EQ(screen.cmdAnswer[1]->BackColor(), VbColor(VbColors::LightYellow));
    EXPECT_EQ(screen.lblWrng->text(), "W=1");
    EXPECT_FALSE(screen.cmdNextSet->isEnabled());
    EXPECT_TRUE(screen.cmdScores->isEnabled());
    EXPECT_TRUE(screen.cmdOptions->isEnabled());
}

TEST_F(FlipperTest, MissingPictureLeavesTheBoxesEmptyAndTheExerciseGoesOn) {
    pictures_.Remove("Image20.jpg");
    frmFlipperT& screen = startTherapy();
    nextSet(1, 1);
    EXPECT_TRUE(screen.Picture0->Picture().isNull());
    EXPECT_TRUE(isBlank(screen.Variants[0]));
    answer(1, 1.0);
    EXPECT_EQ(screen.lblCor->text(), "C=1");
    nextSet(0, 0);
    EXPECT_EQ(PictureFolder::NumberOf(screen.Picture0->Picture()), 40);
}

TEST_F(FlipperTest, ScoresScreenShowsTheResultsOfThePracticePeriod) {
    frmFlipperT& screen = startTherapy();
    nextSet(0, 0);
    answer(0, 2.0);
    nextSet(1, 0);
    answer(1, 2.5);
    nextSet(2, 0);
    answer(0, 3.0);
    Click(screen.cmdStart);
    Click(screen.cmdScores);

    auto& scores = Loaded<frmFlipperS>();
    EXPECT_TRUE(scores.isVisible());
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(scores.Title()->text(), "Flipper Scores");
    EXPECT_EQ(scores.Value("lblCorrect")->text(), "2");
    EXPECT_EQ(scores.Value("lblWrong")->text(), "1");
    EXPECT_EQ(scores.Value("lblTotalDis")->text(), "3");
    EXPECT_EQ(scores.Value("lblPerCor")->text(), "66%");
    EXPECT_EQ(scores.Value("lblAveTime")->text(), "2.5 Secs");
    EXPECT_EQ(scores.Value("lblPracTime")->text(), "0 Mins  10 Secs");
}

TEST_F(FlipperTest, ScoresBeforeAnyAnswerLeavePercentAndAverageEmpty) {
    Click(&options(), "cmdStart");
    Click(therapy().cmdScores);
    auto& scores = Loaded<frmFlipperS>();
    EXPECT_EQ(scores.Value("lblCorrect")->text(), "0");
    EXPECT_TRUE(scores.Value("lblPerCor")->text().isEmpty());
    EXPECT_TRUE(scores.Value("lblAveTime")->text().isEmpty());
    EXPECT_EQ(scores.Value("lblPracTime")->text(), "0 Mins  0 Secs");
}

TEST_F(FlipperTest, EveryWayOutZeroesTheScoresAndKeepsTheOptions) {
    options().HScroll1->setValue(37);
    auto playOneRound = [this] {
        startTherapy();
        nextSet(0, 0);
        answer(0, 1.0);
        ASSERT_EQ(int(Scores<FlipperScores>().FlipperAnswered), 1);
        Click(therapy().cmdStart);
    };

    playOneRound(); // therapy screen's Options
    Click(therapy().cmdOptions);
    ProcessEvents();
    EXPECT_EQ(int(Scores<FlipperScores>().FlipperAnswered), 0);
    EXPECT_FALSE(IsLoaded("frmFlipperT"));
    EXPECT_TRUE(options().isVisible());
    EXPECT_EQ(options().HScroll1->value(), 37);

    playOneRound(); // scores screen's Options
    Click(therapy().cmdScores);
    Click(&Loaded<frmFlipperS>(), "cmdOptions");
    ProcessEvents();
    EXPECT_EQ(int(Scores<FlipperScores>().FlipperAnswered), 0);
    EXPECT_FALSE(IsLoaded("frmFlipperT"));
    EXPECT_FALSE(IsLoaded("frmFlipperS"));
    EXPECT_TRUE(options().isVisible());
    EXPECT_EQ(options().HScroll1->value(), 37);

    playOneRound(); // closing the therapy window
    therapy().close();
    ProcessEvents();
    EXPECT_EQ(int(Scores<FlipperScores>().FlipperAnswered), 0);
    EXPECT_TRUE(options().isVisible());

    playOneRound(); // scores screen's Main Menu
    Click(therapy().cmdScores);
    Click(&Loaded<frmFlipperS>(), "cmdMainMenu");
    ProcessEvents();
    EXPECT_EQ(int(Scores<FlipperScores>().FlipperAnswered), 0);
    EXPECT_FALSE(IsLoaded("frmFlipperO"));
    EXPECT_FALSE(IsLoaded("frmFlipperT"));
    EXPECT_FALSE(IsLoaded("frmFlipperS"));
}

TEST_F(FlipperTest, ReturningToTherapyStartsANewPracticeClock) {
    startTherapy();
    fake().Now += 100;
    Click(therapy().cmdStart);
    Click(therapy().cmdOptions);
    fake().Now += 50;
    const Single before = Single(fake().Now);
    startTherapy();
    EXPECT_EQ(PracticeStart, before);
    EXPECT_EQ(therapy().PicturePosition, 0);
}

TEST_F(FlipperTest, OptionsScreenShowsTheExampleFlipsAndOpensHelp) {
    frmFlipperO& screen = options();
    EXPECT_TRUE(isBlank(screen.ExampleBoxes[1]));
    Click(screen.ExampleBoxes[1]);
    Click(screen.ExampleBoxes[2]);
    Click(screen.ExampleBoxes[3]);
    // The example boxes are smaller than the picture: compare the corner
    // quadrant each flip brings into view.
    auto cornerColour = [](QWidget* box) {
        const QImage shot = box->grab().toImage();
        return shot.pixelColor(shot.width() / 4, shot.height() / 4);
    };
    EXPECT_EQ(cornerColour(screen.ExampleBoxes[0]), PictureFolder::TopLeft());
    EXPECT_EQ(cornerColour(screen.ExampleBoxes[1]), PictureFolder::TopRight());
    EXPECT_EQ(cornerColour(screen.ExampleBoxes[2]), PictureFolder::BottomLeft());
    EXPECT_EQ(cornerColour(screen.ExampleBoxes[3]), PictureFolder::BottomRight());

    Click(&screen, "cmdHelp");
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_TRUE(fake().HelpFiles[0].endsWith("\\Flipper.hlp"));
    EXPECT_TRUE(fake().HelpFiles[0].startsWith(QDir::currentPath()));
}

TEST_F(FlipperTest, OptionsScreenShowsPictureOneAgainOnReturnAndKeepsTheScrollBar) {
    options().HScroll1->setValue(120);
    startTherapy();
    Click(therapy().cmdStart);
    Click(therapy().cmdOptions);
    EXPECT_EQ(PictureFolder::NumberOf(options().imgShowPic->Picture()), 1);
    EXPECT_EQ(options().HScroll1->value(), 120);
    EXPECT_EQ(options().HScroll1->maximum(), 204);
}
