#include "exercises/flipper/flipper_scores.h"
#include "exercises/flipper/frmFlipperO.h"
#include "exercises/flipper/frmFlipperS.h"
#include "exercises/flipper/frmFlipperT.h"
#include "shell/controls/colors.h"
#include "shell/mod_dodi.h"
#include "tests/picture_files.h"
#include "tests/support/exercise_checks.h"

#include <QMap>
#include <algorithm>
#include <tuple>

using namespace ModDODI;

void RegisterFlipper();

class FlipperTest : public PictureExerciseTest<frmFlipperO, frmFlipperT, RegisterFlipper> {
protected:
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
    QList<QColor> answerColours() {
        QList<QColor> colours;
        for (VbButton* button : therapy().cmdAnswer) {
            colours << button->BackColor();
        }
        return colours;
    }
    int answersEnabled() {
        return static_cast<int>(std::count_if(therapy().cmdAnswer.begin(),
                                              therapy().cmdAnswer.end(),
                                              [](VbButton* b) { return b->isEnabled(); }));
    }
    // What boxes 1 to 4 show: U unchanged, R flipped right to left, D upside down, B both.
    QString shownVariants() {
        QString shown;
        for (PictureBox* box : therapy().Variants) {
            shown += QString("?URDB")[PictureFolder::OrientationIn(box)];
        }
        return shown;
    }

    const QColor yellow = VbColor(VbColors::LightYellow);
    const QColor green = VbColor(VbColors::Green);
    const QColor red = VbColor(VbColors::Red);
};

TEST_F(FlipperTest, EachArrangementDrawsItsVariantsAndAsksItsQuestion) {
    // What the boxes show, by arrangement and by the button of the right answer.
    const char* const rows[3][4] = {{"URDB", "UDRB", "BURD", "DURB"},
                                    {"DBUR", "DUBR", "RUBD", "DBUR"},
                                    {"RUBD", "DBUR", "RBUD", "RBUD"}};
    const QMap<QChar, QString> questions{
        {'U', "Which Pattern Matches?"},
        {'R', "Which Pattern Is Flipped Right To Left?"},
        {'D', "Which Pattern Is Flipped Upside Down?"},
        {'B', "Which Pattern Is Flipped Upside Down AND Also Flipped Right To Left?"}};
    frmFlipperT& screen = startTherapy();
    for (int a = 0; a < 3; ++a) {
        for (int right = 0; right < 4; ++right) {
            nextSet(right, a);
            EXPECT_EQ(shownVariants(), rows[a][right]) << "row " << a << "," << right;
            EXPECT_EQ(screen.lblQuestion->text(), questions[QChar(rows[a][right][right])]);
            EXPECT_EQ(PictureFolder::OrientationIn(screen.Picture0), 1); // the sample unchanged
            answer(right, 1.0);
        }
    }
    EXPECT_EQ(int(Scores<FlipperScores>().FlipperCorrect), 12);
}

TEST_F(FlipperTest, ArrangementNumberRoundsTwiceRndHalvesToEven) {
    // Arrangement A = 2 × Rnd rounded half to even: 0.5 gives 0 and 1.5 gives 2,
    // so arrangement 1 is drawn about half the time and the others a quarter each.
    const std::pair<double, const char*> draws[] = {
        {0.0, "URDB"},    {0.2499, "URDB"}, {0.25, "URDB"},   {0.2501, "DBUR"},
        {0.7499, "DBUR"}, {0.75, "RUBD"},   {0.9999, "RUBD"},
    };
    frmFlipperT& screen = startTherapy();
    for (const auto& [rnd, boxes] : draws) {
        fake().ScriptRnd({0.1, rnd}); // the right answer under button 1
        Click(screen.cmdNextSet);
        EXPECT_EQ(shownVariants(), boxes) << rnd;
        answer(0, 1.0);
    }
}

TEST_F(FlipperTest, NextSetWaitsOneSecondAndAnswersAreColouredAndCounted) {
    frmFlipperT& screen = startTherapy();
    nextSet(2, 0);
    EXPECT_EQ(fake().Sleeps, QList<int>{1000});
    EXPECT_FALSE(screen.cmdStart->isEnabled());
    EXPECT_EQ(answersEnabled(), 4);

    answer(2, 2.43);
    EXPECT_EQ(answerColours(), (QList<QColor>{yellow, yellow, green, yellow}));
    EXPECT_EQ(screen.lblCor->text(), "C=1");
    EXPECT_EQ(screen.lblWrng->text(), "W=0");
    EXPECT_EQ(screen.lblTotalPics->text(), "T=1");
    EXPECT_EQ(answersEnabled(), 0);
    EXPECT_TRUE(screen.cmdStart->isEnabled() && screen.cmdNextSet->isEnabled());

    nextSet(1, 2);
    EXPECT_EQ(answerColours(), QList<QColor>(4, yellow)) << "Next Set clears the colours";
    answer(3, 1.0);
    EXPECT_EQ(answerColours(), (QList<QColor>{yellow, green, yellow, red}));
    EXPECT_EQ(screen.lblCor->text(), "C=1");
    EXPECT_EQ(screen.lblWrng->text(), "W=1");
    EXPECT_EQ(screen.lblTotalPics->text(), "T=2");
}

TEST_F(FlipperTest, InOrderSequenceStepsByTwentyAndStartsAgainAfterTheLastPicture) {
    startTherapy();
    QList<int> shown;
    for (int i = 0; i < 12; ++i) {
        nextSet(0, 0);
        shown << samplePicture();
        answer(0, 1.0);
    }
    EXPECT_EQ(shown, (QList<int>{20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 1, 21}));
    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_EQ(fake().Messages[0].prompt, LastPictureMessage);
}

TEST_F(FlipperTest, PickedPictureStartsTheSequence) {
    options().HScroll1->setValue(37);
    EXPECT_EQ(PictureFolder::NumberOf(options().imgShowPic->Picture()), 37);
    startTherapy();
    nextSet(0, 0);
    EXPECT_EQ(samplePicture(), 56);
}

TEST_F(FlipperTest, RandomPresentationRoundsHalvesToEven) {
    Click(options().optRandom);
    frmFlipperT& screen = startTherapy();
    // Rnd × 203 + 1 = 101.5 rounds to 102; 0.999 × 203 + 1 = 203.8 gives 204.
    fake().ScriptRnd({100.5 / 203, 0.1, 0.1});
    Click(screen.cmdNextSet);
    EXPECT_EQ(samplePicture(), 102);
    answer(0, 1);
    fake().ScriptRnd({0.999, 0.1, 0.1});
    Click(screen.cmdNextSet);
    EXPECT_EQ(samplePicture(), 204);
}

TEST_F(FlipperTest, StopClearsThePicturesAndQuestionAndKeepsTheCounters) {
    frmFlipperT& screen = startTherapy();
    nextSet(0, 0);
    answer(1, 1.0);
    Click(screen.cmdStart);
    EXPECT_TRUE(screen.lblQuestion->text().isEmpty());
    EXPECT_TRUE(screen.Picture0->Picture().isNull());
    for (PictureBox* box : screen.Variants) {
        EXPECT_TRUE(PictureFolder::IsBlank(box));
    }
    EXPECT_EQ(answerColours(), QList<QColor>(4, yellow));
    EXPECT_EQ(screen.lblWrng->text(), "W=1");
}

TEST_F(FlipperTest, MissingPictureLeavesTheBoxesEmptyAndTheExerciseGoesOn) {
    pictures_.Remove("Image20.jpg");
    frmFlipperT& screen = startTherapy();
    nextSet(1, 1);
    EXPECT_TRUE(screen.Picture0->Picture().isNull());
    EXPECT_TRUE(PictureFolder::IsBlank(screen.Variants[0]));
    answer(1, 1.0);
    EXPECT_EQ(screen.lblCor->text(), "C=1");
    nextSet(0, 0);
    EXPECT_EQ(samplePicture(), 40);
}

TEST_F(FlipperTest, ScoresScreenShowsTheResultsOfThePracticePeriod) {
    startTherapy();
    for (const auto& [right, given, seconds] :
         {std::tuple{0, 0, 2.0}, std::tuple{1, 1, 2.5}, std::tuple{2, 0, 3.0}}) {
        nextSet(right, 0);
        answer(given, seconds);
    }
    EXPECT_EQ(scoreLines({"lblCorrect", "lblWrong", "lblTotalDis", "lblPerCor", "lblAveTime"}),
              (QStringList{"2", "1", "3", "66%", "2.5 Secs"}));
}

TEST_F(FlipperTest, BackToTheOptionsTheyKeepThePickedPictureAndShowTheExamples) {
    options().HScroll1->setValue(37);
    startTherapy();
    nextSet(0, 0);
    answer(0, 1.0);
    EXPECT_TRUE(backToOptions().isVisible());
    EXPECT_EQ(options().HScroll1->value(), 37);
    EXPECT_EQ(PictureFolder::NumberOf(options().imgShowPic->Picture()), 1);
    EXPECT_EQ(exampleCorners(),
              (QList<QColor>{PictureFolder::TopLeft(), PictureFolder::TopRight(),
                             PictureFolder::BottomLeft(), PictureFolder::BottomRight()}));
}
