// Pattern Duplicator driven as a user does: options and their checks, a
// pattern copied right or wrong up to the third check, Stop, the practice
// clock, and the scores.
#include "exercises/pattern_duplicator/frmVD8o.h"
#include "exercises/pattern_duplicator/frmVD8s.h"
#include "exercises/pattern_duplicator/frmVD8t.h"
#include "exercises/pattern_duplicator/pattern_duplicator_scores.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/exercise_test.h"

using namespace ModDODI;

void RegisterPatternDuplicator();

namespace {
QList<int> BlackCells(const CellGrid* grid) {
    return CellsColoured(grid, Qt::black);
}
} // namespace

class PatternDuplicatorScreens : public ExerciseTest<frmVD8o, frmVD8t, RegisterPatternDuplicator> {
protected:
    // Next Set drawing exactly the given cells (maximum 10, mode 1).
    void nextPattern(const QList<int>& cells) {
        const int lastIndex = therapy().PatternGrid()->Count() - 1;
        QList<double> draws{0.2, (cells.size() - 1) / 10.0};
        for (int cell : cells) {
            draws << (cell + 0.5) / lastIndex;
        }
        fake().ScriptRnd(draws);
        Click(therapy().cmdNextSet);
    }
    void answer(const QList<int>& cells) {
        for (int cell : cells) {
            Click(therapy().AnswerGrid()->Cell(cell));
        }
        Click(therapy().cmdChkAnsw);
    }
};

TEST_F(PatternDuplicatorScreens, TheGridSizeRefillsTheMaximumWhichIsCheckedAgainstIt) {
    frmVD8o& o = options();
    EXPECT_EQ(o.cboMaxSq->Text(), "10");
    EXPECT_EQ(o.cboMaxSq->count(), 5);
    o.cboMaxSq->SetText("20");
    Click(o.chkGridSize);
    EXPECT_EQ(o.chkGridSize->text(), "100 Square Grid");
    EXPECT_EQ(o.cboMaxSq->Text(), "10");
    EXPECT_EQ(o.cboMaxSq->count(), 20);
    EXPECT_EQ(o.cboMaxSq->itemText(19), "100");
    const QString upTo100 = "Maximum Squares must be between 1 and 100";
    ExpectComboChecks(fake(), {{o.cboMaxSq, "30", ""}, {o.cboMaxSq, "101", upTo100}});
    o.cboMaxSq->SetText("95");
    Click(o.chkGridSize);
    EXPECT_EQ(o.cboMaxSq->Text(), "10");
    EXPECT_EQ(o.cboMaxSq->count(), 5);

    const QString upTo25 = "Maximum Squares must be between 1 and 25";
    ExpectComboChecks(
        fake(), {{o.cboMaxSq, "30", upTo25}, {o.cboMaxSq, "25", ""}, {o.cboMaxSq, "0", upTo25}});
}

TEST_F(PatternDuplicatorScreens, TherapyOpensWithTheSmallGridsAndNoCheckBeforeAPattern) {
    Click(&options(), "cmdStart");
    frmVD8t& t = therapy();
    EXPECT_TRUE(t.Frame3->isVisible() && t.Frame4->isVisible());
    EXPECT_FALSE(t.Frame1->isVisible() || t.Frame2->isVisible());
    EXPECT_EQ(t.AnswerGrid(), t.lbl2R);
    EXPECT_TRUE(t.lbl2R->Cell(0)->Border());

    Click(t.cmdStart);
    EXPECT_FALSE(t.cmdChkAnsw->isVisible()) << "two blank grids are no answer";
    EXPECT_EQ(PatternDuplicatorScores().NewPatterns, 0);
}

TEST_F(PatternDuplicatorScreens, LargeGridsWithoutBordersAndTheLastCellNeverDrawn) {
    Click(options().chkGridSize);
    Click(options().chkBorders);
    options().cboMaxSq->SetText("2");
    frmVD8t& t = startTherapy();
    EXPECT_TRUE(t.Frame1->isVisible() && t.Frame2->isVisible());
    EXPECT_FALSE(t.Frame3->isVisible() || t.Frame4->isVisible());
    EXPECT_EQ(t.AnswerGrid(), t.lblRGrid);
    EXPECT_FALSE(t.lblRGrid->Cell(0)->Border() || t.lblLgrid->Cell(50)->Border());
    EXPECT_EQ(t.lblMaxTarg->text(), "MaxSq = 2");
    const int reseeds = fake().RandomizeCalls;
    fake().ScriptRnd({0.9, 0.999, 0.0});
    Click(t.cmdNextSet);
    EXPECT_EQ(fake().RandomizeCalls, reseeds + 2);
    EXPECT_EQ(BlackCells(t.lblLgrid), (QList<int>{0, 98}));
    EXPECT_EQ(t.focusWidget(), t.cmdChkAnsw);
    EXPECT_FALSE(t.cmdStart->isEnabled() || t.cmdNextSet->isEnabled());
}

TEST_F(PatternDuplicatorScreens, ACopiedPatternIsRightAtOnce) {
    frmVD8t& t = startTherapy();
    nextPattern({0, 6, 12});
    EXPECT_EQ(BlackCells(t.lbl1L), (QList<int>{0, 6, 12}));
    Click(t.lbl2R->Cell(3));
    Click(t.lbl2R->Cell(3));
    answer({0, 6, 12});
    EXPECT_EQ(t.lblInfo->text(), "Very Good, Correct!");
    EXPECT_EQ(t.lblInfo->BackColor(), QColor(0, 255, 0));
    EXPECT_EQ(t.lblCor->text(), "C=1");
    EXPECT_EQ(t.lblWrng->text(), "W=0");
    EXPECT_EQ(fake().Beeps, 0);
    EXPECT_FALSE(t.cmdChkAnsw->isEnabled());
    EXPECT_TRUE(t.cmdNextSet->isEnabled() && t.cmdStart->isEnabled());
    EXPECT_EQ(t.focusWidget(), t.cmdNextSet);
    Click(t.lbl2R->Cell(1));
    EXPECT_EQ(t.lblInfo->BackColor(), QColor(Qt::white)) << "a square click clears the verdict";
}

TEST_F(PatternDuplicatorScreens, MissingOrExtraSquaresAreWrongAndMayBeTriedAgain) {
    frmVD8t& t = startTherapy();
    nextPattern({0, 6, 12});
    answer({0, 6});
    EXPECT_EQ(t.lblInfo->text(), "1 Squares Are Wrong, Try Again!");
    EXPECT_EQ(t.lblInfo->BackColor(), QColor(255, 0, 0));
    EXPECT_EQ(t.lblWrng->text(), "W=1");
    EXPECT_EQ(fake().Beeps, 1);
    EXPECT_TRUE(t.cmdChkAnsw->isVisible() && t.cmdChkAnsw->isEnabled());
    EXPECT_FALSE(t.cmdNextSet->isEnabled());
    answer({12, 13});
    EXPECT_EQ(t.lblInfo->text(), "1 Squares Are Wrong, Try Again!");
    EXPECT_EQ(t.lblWrng->text(), "W=2");
    EXPECT_TRUE(CellsCaptioned(t.lbl2R, "W").isEmpty());
    EXPECT_EQ(PatternDuplicatorScores().TotalResponseTime, 0);
}

TEST_F(PatternDuplicatorScreens, EachPatternHasThreeChecksOfItsOwnThatReachTheLastSquare) {
    frmVD8t& t = startTherapy();
    nextPattern({0});
    answer({0, 24});
    EXPECT_EQ(t.lblInfo->text(), "1 Squares Are Wrong, Try Again!") << "the last square counts";
    answer({24});
    EXPECT_EQ(t.lblInfo->text(), "Very Good, Correct!");
    nextPattern({1});
    answer({});
    answer({});
    EXPECT_TRUE(t.cmdChkAnsw->isVisible() && t.cmdChkAnsw->isEnabled())
        << "two checks of this pattern, whatever the last one took";
    EXPECT_TRUE(CellsCaptioned(t.lbl2R, "W").isEmpty());
}

TEST_F(PatternDuplicatorScreens, TheThirdFailedCheckMarksTheWrongSquaresAndTakesTheTimeOnce) {
    frmVD8t& t = startTherapy();
    nextPattern({0, 6, 12});
    fake().Now += 4;
    answer({0, 13});
    fake().Now += 4;
    answer({});
    fake().Now += 2;
    answer({5});
    EXPECT_EQ(t.lblWrng->text(), "W=3");
    EXPECT_EQ(t.lblInfo->text(), "4 Squares Are Wrong, Try Again!");
    EXPECT_EQ(CellsCaptioned(t.lbl2R, "W"), (QList<int>{5, 6, 12, 13}));
    EXPECT_EQ(CellsCaptioned(t.lbl2R, "").size(), 21);
    EXPECT_FALSE(t.cmdChkAnsw->isVisible());
    EXPECT_TRUE(t.cmdNextSet->isEnabled() && t.cmdStart->isEnabled());
    EXPECT_EQ(t.focusWidget(), t.cmdNextSet);
    EXPECT_EQ(t.lblAveTime->text(), "AveTime= 10.00 Secs");
    EXPECT_FLOAT_EQ(PatternDuplicatorScores().TotalResponseTime, 10);

    nextPattern({1});
    EXPECT_TRUE(CellsCaptioned(t.lbl2R, "W").isEmpty()) << "Next Set clears both grids";
    EXPECT_TRUE(BlackCells(t.lbl2R).isEmpty());
    EXPECT_TRUE(t.cmdChkAnsw->isVisible() && t.cmdChkAnsw->isEnabled());
    EXPECT_EQ(t.lblInfo->text(), "");
}

TEST_F(PatternDuplicatorScreens, ScoresCountChecksPatternsAndTheTimePerPattern) {
    const QStringList lines{"lblCorrect", "lblWrong",  "lblTotalDis", "lblTrysPer",
                            "lblPerCor",  "lblAveSpd", "lblAuto4",    "lblPracTime"};
    startTherapy();
    EXPECT_EQ(scoreLines(lines),
              (QStringList{"0", "0", "0", "", "", "0.00 Secs", "10", "0 Mins  0 Secs"}))
        << "no ratio before a pattern";
    backToOptions();

    frmVD8t& t = startTherapy();
    nextPattern({0, 6, 12});
    fake().Now += 10;
    for (int check = 0; check < 3; ++check) {
        answer({});
    }
    nextPattern({2});
    fake().Now += 5;
    answer({2});
    EXPECT_EQ(t.lblAveTime->text(), "AveTime= 7.50 Secs");
    EXPECT_EQ(scoreLines(lines),
              (QStringList{"1", "3", "2", "2.00", "25%", "7.50 Secs", "10", "0 Mins  15 Secs"}));
}

TEST_F(PatternDuplicatorScreens, CountersHiddenByAClickComeBackAtStopWhichClearsTheGrids) {
    frmVD8t& t = startTherapy();
    nextPattern({0, 6});
    Click(t.lbl2R->Cell(4));
    Click(t.lblWrng);
    EXPECT_FALSE(t.lblCor->isVisible() || t.lblWrng->isVisible());
    answer({});
    EXPECT_FALSE(t.lblCor->isVisible() || t.lblWrng->isVisible());
    Click(t.cmdStart);
    EXPECT_TRUE(t.lblCor->isVisible() && t.lblWrng->isVisible());
    EXPECT_FALSE(t.cmdChkAnsw->isVisible() || t.cmdNextSet->isVisible());
    EXPECT_TRUE(BlackCells(t.lbl1L).isEmpty() && BlackCells(t.lbl2R).isEmpty());
    Click(t.cmdStart);
    EXPECT_FALSE(t.cmdChkAnsw->isVisible()) << "no check of cleared grids";
}

TEST_F(PatternDuplicatorScreens, AnAdaptiveLevelOfTheLargeGridShowsItFromTheNextPatternOn) {
    frmVD8o& o = options();
    ChooseAdaptive(o, 4); // the last level of the small grid
    frmVD8t& t = startTherapy();
    for (int pattern = 0; pattern < 5; ++pattern) {
        Click(t.cmdNextSet);
        EXPECT_EQ(t.PatternGrid(), t.lbl1L);
        answer(BlackCells(t.PatternGrid()));
    }
    Click(t.cmdNextSet);
    EXPECT_TRUE(t.Frame1->isVisible() && t.Frame2->isVisible());
    EXPECT_FALSE(t.Frame3->isVisible() || t.Frame4->isVisible());
    EXPECT_EQ(t.PatternGrid(), t.lblLgrid);
    EXPECT_EQ(t.AnswerGrid(), t.lblRGrid);
    EXPECT_EQ(t.lblMaxTarg->text(), "MaxSq = 20");
    answer(BlackCells(t.PatternGrid()));
    EXPECT_EQ(t.lblInfo->text(), "Very Good, Correct!") << "judged on the large grids";
}
