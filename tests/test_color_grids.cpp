// Discriminating Color Grids driven as a user does: the options and their
// checks, a set of four grids with one odd grid, one answer per set, the
// pre-display beep, the practice clock and the scores.
#include "exercises/color_grids/color_grids_scores.h"
#include "exercises/color_grids/frmVD1o.h"
#include "exercises/color_grids/frmVD1s.h"
#include "exercises/color_grids/frmVD1t.h"
#include "shell/controls/colors.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/exercise_test.h"

using namespace ModDODI;
using namespace ColorGrids;

void RegisterColorGrids();

namespace {

const QColor AnswerColor(192, 255, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);

// Clicks a check box on its box, wherever its caption ends.
void ClickCheck(QCheckBox* check) {
    ClickAt(check, QPoint(6, check->height() / 2));
}

} // namespace

class ColorGridsScreens : public ExerciseTest<frmVD1o, frmVD1t, RegisterColorGrids> {
protected:
    // Next Set with bright palette 1, the odd grid given, every square of
    // colour 1 and one change, in cell 1.
    void nextSet(int oddGrid) {
        const int cells = CellCount(Geometry(therapy().GridSizeCode()));
        QList<double> draws{0.0, (oddGrid - 1) / 3.0};
        draws.append(QList<double>(cells, 0.0));
        draws << 0.0 << 0.0;
        fake().ScriptRnd(draws);
        Click(therapy().cmdNextSet);
    }
    QColor answerColor(int index) { return therapy().cmdAns[std::size_t(index)]->BackColor(); }
};

TEST_F(ColorGridsScreens, NoAnswerIsJudgedBeforeASet) {
    frmVD1t& t = startTherapy();
    EXPECT_EQ(answerColor(3), AnswerColor);
    Click(t.cmdAns[0]);
    EXPECT_EQ(ColorGridsScores().Wrong + fake().Beeps, 0) << "no set, no answer";
    EXPECT_EQ(t.lblInfo->text(), "");
}

TEST_F(ColorGridsScreens, ASetShowsFourFramedGridsWithOneOdd) {
    frmVD1t& t = startTherapy();
    // Palette 2, odd grid 3, colours 1, 2, 3 ..., two changes: cells 8 and 2.
    QList<double> draws{0.3, 0.67};
    for (int cell = 0; cell < 9; ++cell) {
        draws << (cell % 3) / 3.0 + 0.1;
    }
    draws << 0.4 << 0.999 << 0.2;
    fake().ScriptRnd(draws);
    const int reseeds = fake().RandomizeCalls;
    Click(t.cmdNextSet);
    EXPECT_EQ(fake().RandomizeCalls, reseeds + 9);
    EXPECT_EQ(t.CurrentSet().oddGrid, 3);
    const QList<QColor> palette{Red, QColor(255, 0, 255), QColor(255, 255, 0)};
    for (int grid = 1; grid <= GridCount; ++grid) {
        CellGrid* cells = t.lblGrids[std::size_t(grid - 1)];
        ASSERT_TRUE(cells->isVisible());
        ASSERT_EQ(cells->Count(), 9);
        for (int cell = 0; cell < 9; ++cell) {
            QColor expected = palette[cell % 3];
            if (grid == 3 && cell == 7) {
                expected = palette[2]; // colour 2 goes forward
            } else if (grid == 3 && cell == 1) {
                expected = palette[2];
            }
            EXPECT_EQ(cells->Cell(cell)->BackColor(), expected) << grid << " " << cell;
            EXPECT_TRUE(cells->Cell(cell)->Border());
        }
        const QRect first = cells->Cell(0)->geometry();
        EXPECT_LE(std::abs(first.width() - first.height()), 1) << "square cells";
        EXPECT_EQ(cells->Cell(1)->geometry().left(), first.right()) << "one shared border line";
    }
    EXPECT_FALSE(t.cmdNextSet->isEnabled());
    EXPECT_TRUE(t.Frame1->isEnabled());
}

TEST_F(ColorGridsScreens, GridSizeBordersAndOneColour) {
    options().cboGridSize->SetText("1x2");
    ClickCheck(options().chkBorders);
    options().cboColorVar->SetText("1");
    frmVD1t& t = startTherapy();
    nextSet(4);
    for (CellGrid* grid : t.lblGrids) {
        ASSERT_EQ(grid->Count(), 2);
        EXPECT_FALSE(grid->Cell(0)->Border());
    }
    EXPECT_EQ(t.lblGrids[3]->Cell(0)->BackColor(), QColor(Qt::black));
    EXPECT_EQ(t.lblGrids[3]->Cell(1)->BackColor(), QColor(0, 0, 255));
    EXPECT_EQ(t.lblGrids[0]->Cell(0)->BackColor(), QColor(0, 0, 255));
}

TEST_F(ColorGridsScreens, EachSizeAltersUpToItsMostSquaresAndHasItsFrameColour) {
    const QColor yellow(255, 255, 0), cyan(0, 255, 255), blue(0, 0, 255), black(0, 0, 0);
    const struct {
        const char* text;
        int most;
        QColor frame;
    } sizes[] = {{"1x2", 1, yellow}, {"1x3", 1, Green}, {"1x4", 2, cyan},  {"1x5", 2, black},
                 {"2x2", 1, Red},    {"2x3", 2, Green}, {"2x4", 3, Green}, {"2x5", 3, cyan},
                 {"3x3", 3, blue},   {"3x4", 4, Red},   {"3x5", 4, Green}, {"4x4", 5, blue},
                 {"4x5", 5, Red},    {"5x5", 6, blue}};
    options().cboColorVar->SetText("4");
    for (const auto& size : sizes) {
        options().cboGridSize->SetText(size.text);
        frmVD1t& t = startTherapy();
        const GridGeometry& geometry = Geometry(t.GridSizeCode());
        const int cells = CellCount(geometry);
        // Palette 1, odd grid 4, colours 1 to 4 in turn, the most changes,
        // each on a cell of its own.
        QList<double> draws{0.0, 0.999};
        for (int cell = 0; cell < cells; ++cell) {
            draws << (cell % 4) / 4.0 + 0.1;
        }
        draws << 0.999;
        // One change drawn beyond the most, on a cell of its own where there
        // is one, so that a grid taking one change too many shows it.
        const int spare = size.most < geometry.highestAlterable ? 1 : 0;
        for (int change = 0; change < size.most + spare; ++change) {
            draws << (change + 0.5) / geometry.highestAlterable;
        }
        fake().ScriptRnd(draws);
        Click(t.cmdNextSet);
        if (spare != 0) {
            fake().Rnd(); // the spare draw, left unused
        }
        int altered = 0;
        for (int cell = 0; cell < cells; ++cell) {
            altered +=
                t.lblGrids[3]->Cell(cell)->BackColor() != t.lblGrids[0]->Cell(cell)->BackColor();
        }
        EXPECT_EQ(altered, size.most) << size.text;

        const QImage drawn = t.board->grab().toImage();
        const QRectF frame = GridFrame(geometry, 1);
        const QPoint onLine = t.board->ToPixels(frame.left(), frame.center().y()).toPoint();
        int framePixels = 0;
        for (int dx = -4; dx <= 4; ++dx) {
            framePixels += QColor(drawn.pixel(onLine + QPoint(dx, 0))) == size.frame;
        }
        EXPECT_EQ(framePixels, 3) << size.text;
        Click(t.cmdStart);
        Click(t.cmdOptions);
    }
}

TEST_F(ColorGridsScreens, TheFourBrightPalettesColourTheSquaresEntryByEntry) {
    const QColor blue(0, 0, 255), cyan(0, 255, 255), magenta(255, 0, 255);
    const QColor yellow(255, 255, 0), white(255, 255, 255);
    const QList<QList<QColor>> palettes{{blue, Green, cyan, yellow},
                                        {Red, magenta, yellow, white},
                                        {blue, Green, cyan, Red},
                                        {blue, magenta, yellow, white}};
    options().cboColorVar->SetText("4");
    frmVD1t& t = startTherapy();
    for (int palette = 0; palette < 4; ++palette) {
        QList<double> draws{palette / 4.0 + 0.1, 0.999};
        for (int cell = 0; cell < 9; ++cell) {
            draws << (cell % 4) / 4.0 + 0.1;
        }
        fake().ScriptRnd(draws);
        Click(t.cmdNextSet);
        QList<QColor> entries;
        for (int cell = 0; cell < 4; ++cell) {
            entries << t.lblGrids[0]->Cell(cell)->BackColor();
        }
        EXPECT_EQ(entries, palettes[palette]) << "palette " << palette + 1;
        Click(t.cmdAns[3]);
    }
}

TEST_F(ColorGridsScreens, OneAnswerPerSetTheOddGridsButtonRightAnotherWrong) {
    frmVD1t& t = startTherapy();
    nextSet(2);
    fake().Now += 2.5;
    Click(t.cmdAns[1]);
    EXPECT_EQ(t.lblCor->text() + " " + t.lblWrng->text(), "C= 1 W=0");
    EXPECT_EQ(t.lblInfo->text(), "2 Is Correct!");
    EXPECT_EQ(answerColor(1), Green);
    EXPECT_EQ(answerColor(0), AnswerColor);
    EXPECT_EQ(t.lblAveTime->text(), "AveTime= 2.50");
    EXPECT_FALSE(t.Frame1->isEnabled());
    EXPECT_EQ(t.focusWidget(), t.cmdNextSet);
    Click(t.cmdAns[0]);
    EXPECT_EQ(ColorGridsScores().Wrong, 0) << "one answer per set";

    nextSet(2);
    EXPECT_EQ(answerColor(1), AnswerColor) << "Next Set resets the buttons";
    EXPECT_EQ(t.lblInfo->text(), "");
    Click(t.cmdAns[0]);
    EXPECT_EQ(fake().Beeps, 1);
    EXPECT_EQ(t.lblCor->text() + " " + t.lblWrng->text(), "C= 1 W= 1");
    EXPECT_EQ(t.lblInfo->text(), "1 Is Wrong! WHY?");
    EXPECT_EQ(answerColor(0), Red);
    EXPECT_EQ(answerColor(1), Green) << "the odd grid shown";
    EXPECT_EQ(answerColor(2), AnswerColor);
    Click(t.cmdAns[1]);
    EXPECT_EQ(ColorGridsScores().Correct, 1);
    EXPECT_EQ(fake().Beeps, 1);
}

TEST_F(ColorGridsScreens, ASetLeftByStopIsAnsweredAfterStart) {
    frmVD1t& t = startTherapy();
    nextSet(3);
    Click(t.cmdStart);
    EXPECT_FALSE(t.Frame1->isVisible() || t.cmdNextSet->isVisible());
    EXPECT_TRUE(t.lblGrids[0]->isVisible()) << "the set stays in view";
    EXPECT_TRUE(t.cmdScores->isEnabled() && t.cmdOptions->isEnabled());
    Click(t.cmdStart);
    Click(t.cmdAns[2]);
    EXPECT_EQ(t.lblInfo->text(), "3 Is Correct!");
}

TEST_F(ColorGridsScreens, ScoresCountSetsAnsweredAndTheAverageTime) {
    const QStringList lines{"lblCorrect", "lblTotalWrong", "lblTotalGrids", "lblAveRTime",
                            "lblPerCor",  "lblAuto4",      "lblPracTime"};
    startTherapy();
    EXPECT_EQ(scoreLines(lines),
              (QStringList{"0", "0", "0", "0.00 Secs", "", "3x3", "0 Mins  0 Secs"}));
    backToOptions();
    frmVD1t& t = startTherapy();
    for (int answer : {2, 2, 1}) {
        nextSet(2);
        fake().Now += 2.5;
        Click(t.cmdAns[std::size_t(answer - 1)]);
    }
    EXPECT_EQ(scoreLines(lines),
              (QStringList{"2", "1", "3", "2.50 Secs", "66%", "3x3", "0 Mins  7 Secs"}));
}

TEST_F(ColorGridsScreens, PracticeTimeUsedUpOpensTheScoresAtNextSet) {
    options().cboPracTime->SetText("1");
    options().cboGridSize->SetText("5x5");
    const double loaded = fake().Now;
    frmVD1t& t = startTherapy();
    fake().Now = loaded + 59;
    nextSet(1);
    Click(t.cmdAns[0]);
    fake().Now = loaded + 60;
    const int draws = fake().RandomizeCalls;
    Click(t.cmdNextSet);
    ASSERT_TRUE(IsShown(frmVD1s::Name));
    EXPECT_EQ(fake().RandomizeCalls, draws) << "no set drawn";
    EXPECT_EQ(Texts(&Loaded<frmVD1s>(), {"lblTotalGrids", "lblAuto4", "lblPracTime"}),
              (QStringList{"1", "5x5", "1 Mins  0 Secs"}));
}

TEST_F(ColorGridsScreens, PreDisplayBeepComesBeforeTheSet) {
    ClickCheck(options().chkSound);
    frmVD1t& t = startTherapy();
    QList<bool> setShownAtWait;
    fake().OnSleep = [&](int) { setShownAtWait << t.lblGrids[0]->isVisible(); };
    const double clicked = fake().MonotonicMs();
    nextSet(1);
    EXPECT_EQ(fake().Deadlines, (QList<double>{clicked + 250, clicked + 500, clicked + 750}));
    EXPECT_EQ(setShownAtWait, (QList<bool>{false, false, false}));
    ASSERT_EQ(fake().Sounds.size(), 3);
    for (int ding = 0; ding < 3; ++ding) {
        EXPECT_TRUE(fake().Sounds[ding].endsWith("Ding.wav"));
        EXPECT_DOUBLE_EQ(fake().SoundTimes[ding], clicked + 250 * ding);
    }
    EXPECT_TRUE(t.lblGrids[0]->isVisible());
    EXPECT_FLOAT_EQ(QuestionShownAt, Single((clicked + 750) / 1000));
}
