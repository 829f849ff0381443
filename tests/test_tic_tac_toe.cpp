// Tic Tac Toe Rotations driven as a user does: options and their checks, a
// turn from Next Pattern to Check Answer, Stop at any point, the practice
// clock, and the scores screen with every way out.
#include "exercises/tic_tac_toe/frmVSS1o.h"
#include "exercises/tic_tac_toe/frmVSS1s.h"
#include "exercises/tic_tac_toe/frmVSS1t.h"
#include "exercises/tic_tac_toe/tic_tac_toe_scores.h"
#include "shell/app.h"
#include "shell/main_menu.h"
#include "tests/support/kova_test.h"

#include <QApplication>

using namespace ModDODI;

void RegisterTicTacToe();

namespace {

QList<int> CellsWithX(const CellGrid* grid) {
    QList<int> cells;
    for (int k = 0; k < grid->Count(); ++k) {
        if (grid->Cell(k)->Caption() == "X") {
            cells << k;
        }
    }
    return cells;
}

} // namespace

class TicTacToeRotations : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterTicTacToe();
        Forms::Show(frmVSS1o::Name);
    }
    frmVSS1o& options() { return Loaded<frmVSS1o>(); }
    frmVSS1t& therapy() { return Loaded<frmVSS1t>(); }
    frmVSS1t& startTherapy() {
        Click(&options(), "cmdStart");
        Click(therapy().cmdStart);
        return therapy();
    }
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
    void expectScoresZero() {
        const TicTacToeScoreValues& s = TicTacToeScores();
        EXPECT_EQ(s.TicTacToeTotalCorrect + s.TicTacToeTotalWrong + s.TicTacToeTotalXs +
                      s.TicTacToeGrids + s.TicTacToeGridsAllCorrect,
                  0);
    }
};

TEST_F(TicTacToeRotations, OptionsOpenWithTheirDefaultsFromTheMainMenu) {
    Forms::UnloadAll();
    frmMain& main = StartMainMenu();
    Click(&main, "cmdTRMenu");
    Click(&main, "cmdTicTacToe");
    ASSERT_TRUE(IsShown(frmVSS1o::Name));
    frmVSS1o& o = options();
    EXPECT_EQ(Find<QLabel>(&o, "lblTitle")->text(), "Tic Tac Toe Rotations");
    const struct {
        ValidatingComboBox* box;
        const char* label;
        const char* text;
        int count;
        const char* first;
        const char* last;
    } combos[] = {{o.cboSpeed, "Label1", "0.50", 11, "0.10", "3.00"},
                  {o.cboMaxX, "Label2", "3", 7, "1", "7"},
                  {o.cboFont, "Label3", "24", 12, "12", "50"},
                  {o.cboPracTime, "Label7", "5", 13, "1", "60"}};
    for (const auto& c : combos) {
        EXPECT_EQ(c.box->Text(), c.text);
        EXPECT_EQ(c.box->count(), c.count);
        EXPECT_EQ(c.box->itemText(0), c.first);
        EXPECT_EQ(c.box->itemText(c.count - 1), c.last);
        EXPECT_FALSE(c.box->toolTip().isEmpty());
        EXPECT_EQ(Find<QLabel>(&o, c.label)->toolTip(), c.box->toolTip());
    }
    EXPECT_EQ(Find<QLabel>(&o, "Label3")->text(), " Font Size");
    EXPECT_EQ(o.cboMaxX->toolTip(), "Maximum number of X's in grid pattern.");
    EXPECT_EQ(o.Frame1->title(), "Rotation Pattern");
    EXPECT_TRUE(o.optNotRot->isChecked());
    EXPECT_EQ(o.optRotLeft->text(), "Counter Clockwise");
    EXPECT_EQ(o.optRotRight->text(), "Clockwise");

    EXPECT_EQ(o.chkSound->text(), "Pre Display Beep Off");
    Click(o.chkSound);
    EXPECT_EQ(o.chkSound->text(), "Pre Display Beep On");
    Click(o.chkSound);
    EXPECT_EQ(o.chkSound->text(), "Pre Display Beep Off");

    Click(&o, "cmdHelp");
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_TRUE(fake().HelpFiles[0].endsWith("\\TicTacToe.hlp"));
    Click(&o, "cmdToMain");
    EXPECT_FALSE(IsLoaded(frmVSS1o::Name));
}

TEST_F(TicTacToeRotations, OptionBoxesRefuseValuesOutsideTheirBounds) {
    options().activateWindow();
    ProcessEvents();
    const struct {
        ValidatingComboBox* box;
        const char* typed;
        bool refused;
        const char* after;
    } cases[] = {
        {options().cboMaxX, "0", true, "0"},      {options().cboMaxX, "1", false, "1"},
        {options().cboMaxX, "7", false, "7"},     {options().cboMaxX, "8", true, "8"},
        {options().cboMaxX, "2.5", false, "2"},   {options().cboFont, "11", true, "11"},
        {options().cboFont, "12", false, "12"},   {options().cboFont, "50", false, "50"},
        {options().cboFont, "51", true, "51"},    {options().cboSpeed, "0.09", true, "0.09"},
        {options().cboSpeed, "5.5", true, "5.5"}, {options().cboSpeed, "0.1", false, "0.1"},
        {options().cboSpeed, "5", false, "5"},
    };
    const QMap<QString, QString> messages{
        {"cboMaxX", "Number of  X's in Display Grid must be between 1 and 7."},
        {"cboFont", "Font Size must be between 12 and 50."},
        {"cboSpeed", "Display Speed must be between 0.1 and 5 secs."}};
    for (const auto& c : cases) {
        fake().Messages.clear();
        TypeInto(c.box, c.typed);
        TabOut(c.box);
        ProcessEvents();
        const std::string what = c.box->objectName().toStdString() + " " + c.typed;
        EXPECT_EQ(c.box->hasFocus(), c.refused) << what;
        EXPECT_EQ(c.box->Text(), c.after) << what;
        ASSERT_EQ(fake().Messages.size(), c.refused ? 1 : 0) << what;
        if (c.refused) {
            EXPECT_EQ(fake().Messages[0].prompt, messages[c.box->objectName()]) << what;
            EXPECT_EQ(fake().Messages[0].style, vbExclamation);
            EXPECT_EQ(fake().Messages[0].title, "Information");
            TypeInto(c.box, c.box == options().cboSpeed ? "0.50" : "12");
            TabOut(c.box);
            ProcessEvents();
        }
    }
}

TEST_F(TicTacToeRotations, TherapyOpensIdleWithTheRotationInWordsAndFits) {
    options().optRotLeft->setChecked(true);
    Click(&options(), "cmdStart");
    frmVSS1t& t = therapy();
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 0 Mins 0 Secs");
    EXPECT_EQ(t.lblInfo->text(), "Rotate Pattern Left");
    EXPECT_EQ(t.Frame1->title(), "Correct Answer:  ");
    EXPECT_EQ(t.Frame3->title(), "Unrotated Pattern:");
    EXPECT_EQ(counters(), "Cx's= Wx's= C=0 W=0");
    EXPECT_FALSE(t.cmdNextPat->isVisible() || t.cmdChkAnswer->isVisible());
    EXPECT_FALSE(t.Frame1->isVisible() || t.Frame3->isVisible());
    EXPECT_EQ(t.cmdX->Cell(0)->font().pointSizeF(), 24);
    EXPECT_LE(t.frameGeometry().width(), 800);
    EXPECT_LE(t.frameGeometry().height(), 600);
    for (QWidget* child : t.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(t.rect().contains(child->geometry())) << child->objectName().toStdString();
    }

    Click(t.cmdStart);
    EXPECT_EQ(t.cmdStart->text(), "Stop");
    EXPECT_TRUE(t.cmdNextPat->isVisible() && t.cmdNextPat->isEnabled());
    EXPECT_TRUE(t.cmdChkAnswer->isVisible());
    EXPECT_FALSE(t.cmdChkAnswer->isEnabled());
    EXPECT_FALSE(t.cmdScores->isEnabled() || t.cmdOptions->isEnabled());
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

TEST_F(TicTacToeRotations, UnrotatedPatternIsShownOnlyWhenTheAnswerIsTurned) {
    frmVSS1t& t = startTherapy();
    turn({3}, {3});
    EXPECT_EQ(CellsWithX(t.cmdAnsX), QList<int>{3});
    EXPECT_TRUE(t.Frame1->isVisible());
    EXPECT_FALSE(t.Frame3->isVisible());
    EXPECT_EQ(counters(), "Cx's= 1 Wx's= 0 C=1 W=0");
}

TEST_F(TicTacToeRotations, ScoresSumTheGridsAndEveryWayOutZeroesThem) {
    frmVSS1t& t = startTherapy();
    turn({0, 1, 2}, {0, 1, 2});
    turn({1, 3}, {1, 2});
    fake().Now += 75; // and 1.5 s of each turn
    Click(t.cmdStart);
    Click(t.cmdScores);
    frmVSS1s& scores = Loaded<frmVSS1s>();
    EXPECT_EQ(scores.Title()->text(), "Tic Tac Toe Scores");
    QStringList values;
    for (const char* name :
         {"lblCorrect", "lblPerCor", "lblTotalWrong", "lblTotalXs", "lblTotalGrids",
          "lblAllCorrect", "lblAuto4", "lblAuto6", "lblPracTime"}) {
        values << scores.Value(name)->text();
    }
    EXPECT_EQ(values,
              (QStringList{"4", "80%", "2", "5", "2", "1", "0.50 Secs", "24", "1 Mins  18 Secs"}));
    EXPECT_EQ(scores.Caption("lblAuto5")->text(), "Font Size");
    EXPECT_FALSE(IsShown(frmVSS1t::Name) || IsShown(frmVSS1o::Name));

    Click(&scores, "cmdOptions");
    expectScoresZero();
    EXPECT_FALSE(IsLoaded(frmVSS1t::Name));
    EXPECT_EQ(options().cboSpeed->Text(), "0.50");

    startTherapy();
    turn({4}, {});
    Click(therapy().cmdStart);
    Click(therapy().cmdScores);
    EXPECT_EQ(Loaded<frmVSS1s>().Value("lblPerCor")->text(), "") << "no X found";
    EXPECT_EQ(Loaded<frmVSS1s>().Value("lblTotalWrong")->text(), "1");
    Click(&Loaded<frmVSS1s>(), "cmdMainMenu");
    expectScoresZero();
    EXPECT_FALSE(IsLoaded(frmVSS1t::Name) || IsLoaded(frmVSS1o::Name));
}

TEST_F(TicTacToeRotations, LeavingTheTherapyScreenZeroesTheScoresAndKeepsTheSettings) {
    options().cboMaxX->SetText("5");
    startTherapy();
    turn({4}, {4});
    Click(therapy().cmdStart);
    Click(therapy().cmdOptions);
    expectScoresZero();
    EXPECT_EQ(options().cboMaxX->Text(), "5");

    startTherapy();
    nextPattern({4});
    therapy().close(); // during the display
    ProcessEvents();
    expectScoresZero();
    EXPECT_FALSE(IsLoaded(frmVSS1t::Name));
    EXPECT_TRUE(fake().RunningTimers().isEmpty());
}

TEST_F(TicTacToeRotations, PracticeTimeUsedUpOpensTheScoresAtNextPattern) {
    options().cboPracTime->SetText("1");
    const double loaded = fake().Now;
    frmVSS1t& t = startTherapy();
    fake().Now = loaded + 59;
    nextPattern({0});
    EXPECT_EQ(CellsWithX(t.cmdX), QList<int>{0});
    endDisplay();
    answer({0});
    fake().Now = loaded + 60;
    nextPattern({1});
    EXPECT_TRUE(IsShown(frmVSS1s::Name));
    EXPECT_EQ(Loaded<frmVSS1s>().Value("lblTotalGrids")->text(), "1");
    EXPECT_EQ(Loaded<frmVSS1s>().Value("lblPracTime")->text(), "1 Mins  0 Secs");
}

TEST_F(TicTacToeRotations, StopDuringTheDisplayKeepsTheTurnForAfterStart) {
    frmVSS1t& t = startTherapy();
    turn({0}, {});
    Click(t.lblCT);
    EXPECT_FALSE(t.lblCor->isVisible() || t.lblWrng->isVisible() || t.lblCT->isVisible() ||
                 t.lblWT->isVisible());
    nextPattern({2, 6});
    fake().Now += 3;
    Click(t.cmdStart); // Stop while the X's are up
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 0 Mins  5 Secs");
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
