// Tic Tac Toe Rotations driven as a user does: options and their checks, a
// turn from Next Pattern to Check Answer, Stop at any point, the practice
// clock, and the scores screen with every way out.
#include "exercises/tic_tac_toe/frmVSS1o.h"
#include "exercises/tic_tac_toe/frmVSS1s.h"
#include "exercises/tic_tac_toe/frmVSS1t.h"
#include "exercises/tic_tac_toe/tic_tac_toe_scores.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/exercise_test.h"

using namespace ModDODI;

void RegisterTicTacToe();

namespace {
QList<int> CellsWithX(const CellGrid* grid) {
    return CellsCaptioned(grid, "X");
}
} // namespace

class TicTacToeRotations : public ExerciseTest<frmVSS1o, frmVSS1t, RegisterTicTacToe> {
protected:
    // Next Pattern, with the nine draws placing X's on the given cells.
    void nextPattern(std::initializer_list<int> xs) {
        QList<double> draws(9, 0.1);
        for (int cell : xs) {
            draws[cell] = 0.9;
        }
        fake().ScriptRnd(draws);
        Click(therapy().cmdNextPat);
    }
    void endDisplay() { fake().AdvanceTime(therapy().Timer1->Interval()); }
    void answer(std::initializer_list<int> cells) {
        for (int cell : cells) {
            Click(therapy().cmdX->Cell(cell));
        }
        Click(therapy().cmdChkAnswer);
    }
    // A whole turn: the pattern shown, the display ended, the answer checked.
    void turn(std::initializer_list<int> xs, std::initializer_list<int> marked) {
        nextPattern(xs);
        endDisplay();
        answer(marked);
    }
    QString counters() {
        frmVSS1t& t = therapy();
        return QStringList{t.lblCor->text(), t.lblWrng->text(), t.lblCT->text(), t.lblWT->text()}
            .join(' ');
    }
};

TEST_F(TicTacToeRotations, TherapyNamesTheRotationAndChecksNoAnswerBeforeAPattern) {
    options().optRotLeft->setChecked(true);
    frmVSS1t& t = startTherapy();
    EXPECT_EQ(t.lblInfo->text(), "Rotate Pattern Left");
    EXPECT_FALSE(t.Frame1->isVisible() || t.Frame3->isVisible());
    EXPECT_TRUE(t.cmdChkAnswer->isVisible());
    EXPECT_FALSE(t.cmdChkAnswer->isEnabled());
}

TEST_F(TicTacToeRotations, PatternFlashesForTheDisplayTimeWhileTheBoardTakesNoClicks) {
    options().cboSpeed->SetText("0.10");
    QStringList atWaits;
    fake().OnSleep = [&](int ms) {
        const frmVSS1t& t = therapy();
        atWaits << QString("%1 %2 %3")
                       .arg(ms)
                       .arg(CellsWithX(t.cmdX).size())
                       .arg(t.Frame2->isEnabled() ? "open" : "closed");
    };
    frmVSS1t& t = startTherapy();
    const int reseeds = fake().RandomizeCalls;
    nextPattern({2, 4, 6});
    EXPECT_EQ(fake().RandomizeCalls, reseeds + 9);
    EXPECT_EQ(atWaits, QStringList{"1000 0 closed"});
    EXPECT_TRUE(fake().Sounds.isEmpty());
    EXPECT_EQ(CellsWithX(t.cmdX), (QList<int>{2, 4, 6}));
    EXPECT_EQ(CellsWithX(t.cmdOrigGrid), (QList<int>{2, 4, 6}));
    EXPECT_EQ(t.cmdX->Cell(2)->CaptionColor(), QColor(Qt::black));
    EXPECT_EQ(t.Timer1->Interval(), 100);
    EXPECT_EQ(t.focusWidget(), t.cmdStart);
    EXPECT_FALSE(t.cmdNextPat->isEnabled() || t.cmdChkAnswer->isEnabled());

    Click(t.cmdX->Cell(0));
    QTest::keyClick(t.cmdX->Cell(4), Qt::Key_Space);
    fake().AdvanceTime(99);
    EXPECT_EQ(CellsWithX(t.cmdX), (QList<int>{2, 4, 6})) << "clicks during the display do nothing";
    fake().AdvanceTime(1);
    EXPECT_TRUE(CellsWithX(t.cmdX).isEmpty());
    EXPECT_TRUE(t.Frame2->isEnabled());
    EXPECT_TRUE(t.cmdChkAnswer->isEnabled());
    EXPECT_EQ(t.focusWidget(), t.cmdChkAnswer);
    EXPECT_FALSE(t.Timer1->Enabled());

    Click(t.cmdX->Cell(1));
    Click(t.cmdX->Cell(7));
    Click(t.cmdX->Cell(7));
    EXPECT_EQ(CellsWithX(t.cmdX), QList<int>{1}) << "a second click takes the X away";
    const TicTacToeScoreValues& s = TicTacToeScores();
    EXPECT_EQ(int(s.TicTacToeGrids), 1);
    EXPECT_EQ(int(s.TicTacToeTotalXs), 3);
}

TEST_F(TicTacToeRotations, BeepCueMarksTheCentreCellBeforeThePattern) {
    Click(options().chkSound);
    QStringList centreAtWaits;
    fake().OnSleep = [&](int ms) {
        centreAtWaits << QString("%1%2").arg(ms).arg(therapy().cmdX->Cell(4)->Caption());
    };
    startTherapy();
    nextPattern({0, 4});
    EXPECT_EQ(centreAtWaits,
              (QStringList{"1000 ", "250*", "250 ", "250*", "250 ", "250*", "250 "}));
    ASSERT_EQ(fake().Sounds.size(), 3);
    for (const QString& sound : fake().Sounds) {
        EXPECT_TRUE(sound.endsWith("Ding.wav"));
    }
    EXPECT_EQ(CellsWithX(therapy().cmdX), (QList<int>{0, 4}));
}

TEST_F(TicTacToeRotations, CheckAnswerShowsTheTurnedAnswerAndCountsTheXs) {
    options().optRotRight->setChecked(true);
    frmVSS1t& t = startTherapy();
    turn({0, 4, 8}, {0, 4, 8});
    EXPECT_EQ(CellsWithX(t.cmdAnsX), (QList<int>{2, 4, 6}));
    EXPECT_EQ(CellsWithX(t.cmdOrigGrid), (QList<int>{0, 4, 8}));
    EXPECT_TRUE(t.Frame1->isVisible() && t.Frame3->isVisible());
    EXPECT_EQ(counters(), "Cx's= 1 Wx's= 4 C=0 W=1");
    EXPECT_FALSE(t.Frame2->isEnabled() || t.cmdChkAnswer->isEnabled());
    EXPECT_FALSE(t.Frame1->isEnabled() || t.Frame3->isEnabled()) << "answers to read only";
    EXPECT_TRUE(t.cmdNextPat->isEnabled());
    EXPECT_EQ(t.focusWidget(), t.cmdNextPat);

    options().cboMaxX->SetText("7");
    turn({1, 5, 7}, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(counters(), "Cx's= 3 Wx's= 6 C=1 W=1") << "every X found, extras or not";

    turn({}, {});
    EXPECT_EQ(counters(), "Cx's= 0 Wx's= 0 C=2 W=1") << "an empty pattern left blank";

    nextPattern({3});
    EXPECT_EQ(counters(), "Cx's= 0 Wx's= 0 C=2 W=1");
    EXPECT_FALSE(t.Frame1->isVisible() || t.Frame3->isVisible());
    EXPECT_TRUE(CellsWithX(t.cmdAnsX).isEmpty());
}

TEST_F(TicTacToeRotations, EachTurnTakesTheTopLeftCornerItsOwnWay) {
    for (const auto& [option, corner] :
         {std::pair{options().optNotRot, 0}, std::pair{options().optRotRight, 2},
          std::pair{options().optRotLeft, 6}}) {
        option->setChecked(true);
        frmVSS1t& t = startTherapy();
        turn({0}, {corner});
        const std::string turned = option->text().toStdString();
        EXPECT_EQ(CellsWithX(t.cmdAnsX), QList<int>{corner}) << turned;
        EXPECT_TRUE(t.Frame1->isVisible()) << turned;
        EXPECT_EQ(t.Frame3->isVisible(), corner != 0) << "the pattern beside a turned answer";
        EXPECT_EQ(counters(), "Cx's= 1 Wx's= 0 C=1 W=0");
        backToOptions();
    }
}

TEST_F(TicTacToeRotations, TheBoardTakesItsFontAndItsCapOnXsFromTheOptions) {
    options().cboMaxX->SetText("2");
    options().cboFont->SetText("40");
    frmVSS1t& t = startTherapy();
    EXPECT_EQ(t.cmdX->Cell(8)->font().pointSizeF(), 40);
    nextPattern({0, 1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(CellsWithX(t.cmdX), (QList<int>{0, 1}));
    EXPECT_EQ(int(TicTacToeScores().TicTacToeTotalXs), 2);
}

TEST_F(TicTacToeRotations, ScoresSumTheGridsAndLeaveThePercentEmptyWithoutAnXFound) {
    startTherapy();
    turn({0, 1, 2}, {0, 1, 2});
    turn({1, 3}, {1, 2});
    fake().Now += 75; // and 1.5 s of each turn
    EXPECT_EQ(scoreLines({"lblCorrect", "lblPerCor", "lblTotalWrong", "lblTotalXs", "lblTotalGrids",
                          "lblAllCorrect", "lblAuto4", "lblAuto6", "lblPracTime"}),
              (QStringList{"4", "80%", "2", "5", "2", "1", "0.50 Secs", "24", "1 Mins  18 Secs"}));
    backToOptions();
    startTherapy();
    turn({4}, {});
    EXPECT_EQ(scoreLines({"lblPerCor", "lblTotalWrong"}), (QStringList{"", "1"})) << "no X found";
}

TEST_F(TicTacToeRotations, ClosingTheTherapyDuringTheDisplayStopsItsTimer) {
    startTherapy();
    nextPattern({4});
    therapy().close();
    ProcessEvents();
    EXPECT_EQ(int(TicTacToeScores().TicTacToeGrids), 0);
    EXPECT_FALSE(IsLoaded(frmVSS1t::Name));
    EXPECT_TRUE(fake().RunningTimers().isEmpty());
}

TEST_F(TicTacToeRotations, StopDuringTheDisplayKeepsTheTurnForAfterStart) {
    frmVSS1t& t = startTherapy();
    turn({0}, {});
    Click(t.lblCT); // hides the counters
    nextPattern({2, 6});
    Click(t.cmdStart); // Stop while the X's are up
    EXPECT_TRUE(t.lblCor->isVisible() && t.lblWT->isVisible());
    EXPECT_FALSE(t.cmdNextPat->isVisible() || t.cmdChkAnswer->isVisible());
    EXPECT_FALSE(t.Frame1->isVisible() || t.Frame3->isVisible());
    endDisplay();
    EXPECT_TRUE(CellsWithX(t.cmdX).isEmpty()) << "the display still ends";
    EXPECT_FALSE(t.cmdChkAnswer->isVisible());
    EXPECT_NE(t.focusWidget(), t.cmdChkAnswer) << "no focus on a hidden button";

    Click(t.cmdStart);
    EXPECT_TRUE(t.cmdChkAnswer->isVisible() && t.cmdChkAnswer->isEnabled());
    EXPECT_TRUE(t.cmdNextPat->isVisible());
    EXPECT_FALSE(t.cmdNextPat->isEnabled()) << "the turn is checked before the next one";
    EXPECT_EQ(t.focusWidget(), t.cmdChkAnswer);
    answer({2, 6});
    EXPECT_EQ(counters(), "Cx's= 2 Wx's= 0 C=1 W=1");
}
