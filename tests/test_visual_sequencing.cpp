// Visual Sequencing driven as a user does: the options and their checks, a
// sequence lit square by square, answers right, wrong and broken off, Repeat,
// the increasing length, the practice clock, and the scores with every way out.
#include "exercises/visual_sequencing/frmVSS2o.h"
#include "exercises/visual_sequencing/frmVSS2s.h"
#include "exercises/visual_sequencing/frmVSS2t.h"
#include "exercises/visual_sequencing/visual_sequencing_scores.h"
#include "shell/app.h"
#include "shell/main_menu.h"
#include "shell/twips.h"
#include "tests/support/kova_test.h"

#include <QAccessible>

using namespace ModDODI;

void RegisterVisualSequencing();

namespace {

// The Rnd value that draws board position p (1 to 9).
double Draws(int position) {
    return (position - 0.5) / 9.0;
}

QList<int> LitSquares(const CellGrid* board) {
    QList<int> lit;
    for (int k = 0; k < board->Count(); ++k) {
        if (board->Cell(k)->BackColor() != QColor(Qt::white)) {
            lit << k + 1;
        }
    }
    return lit;
}

} // namespace

class VisualSequencingScreens : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterVisualSequencing();
        Forms::Show(frmVSS2o::Name);
    }
    frmVSS2o& options() { return Loaded<frmVSS2o>(); }
    frmVSS2t& therapy() { return Loaded<frmVSS2t>(); }
    frmVSS2t& startTherapy() {
        Click(&options(), "cmdStart");
        Click(therapy().cmdStart);
        return therapy();
    }
    // Next Sequence, with the draws lighting the given positions.
    void nextSequence(const QList<int>& positions) {
        QList<double> draws;
        for (int position : positions) {
            draws << Draws(position);
        }
        fake().ScriptRnd(draws);
        Click(therapy().cmdNextPat);
    }
    void clickSquares(std::initializer_list<int> positions) {
        for (int position : positions) {
            Click(therapy().cmdX->Cell(position - 1));
        }
    }
    // The squares lit at each wait that lasted ms.
    void recordLitAtWaits() {
        fake().OnSleep = [this](int ms) {
            const frmVSS2t& t = therapy();
            QStringList lit;
            for (int position : LitSquares(t.cmdX)) {
                lit << QString::number(position);
            }
            waits << QString("%1:%2").arg(ms).arg(lit.join(','));
        };
    }
    QString counters() {
        frmVSS2t& t = therapy();
        QStringList texts;
        for (VbLabel* label : {t.lblCorrect, t.lblRepeat, t.lblSeqCor, t.lblMaxL, t.lblLength}) {
            if (!label->isHidden()) {
                texts << label->text();
            }
        }
        return texts.join(" | ");
    }
    QStringList waits;
};

TEST_F(VisualSequencingScreens, OptionsOpenWithTheirDefaultsAndSwitchModes) {
    Forms::UnloadAll();
    frmMain& main = StartMainMenu();
    Click(&main, "cmdTRMenu");
    Click(&main, "cmdVisSequence");
    ASSERT_TRUE(IsShown(frmVSS2o::Name));
    frmVSS2o& o = options();
    EXPECT_EQ(Find<QLabel>(&o, "lblTitle")->text(), "Visual Sequencing");
    EXPECT_EQ(o.cboSpeed->Text(), "0.50");
    EXPECT_EQ(o.cboSpeed->count(), 7);
    EXPECT_EQ(o.cboSpeed->itemText(6), "1.00");
    EXPECT_EQ(o.cboPracTime->Text(), "5");
    EXPECT_EQ(o.cboMaxSeq->Text(), "3");
    QStringList squares;
    for (int i = 0; i < o.cboMaxSeq->count(); ++i) {
        squares << o.cboMaxSeq->itemText(i);
    }
    EXPECT_EQ(squares.join(' '), "1 2 3 4 5 6 7 8 9 10 15 20 25");
    for (const auto& [box, label] :
         {std::pair{o.cboSpeed, "Label1"}, {o.cboPracTime, "Label7"}, {o.cboMaxSeq, "Label2"}}) {
        EXPECT_FALSE(box->toolTip().isEmpty());
        EXPECT_EQ(Find<QLabel>(&o, label)->toolTip(), box->toolTip());
    }
    EXPECT_EQ(o.Label2->text(), "Number Of Squares");
    EXPECT_EQ(o.optFixed->toolTip(), "Seqeunce length set by Number of Squares.");
    EXPECT_EQ(o.chkSeqType->toolTip(), "See Help for explanation of this control.");
    EXPECT_EQ(o.Frame1->title(), "Sequence Pattern");
    EXPECT_TRUE(o.optFixed->isChecked());
    EXPECT_TRUE(o.cboMaxSeq->isVisible() && o.Label2->isVisible());
    EXPECT_FALSE(o.chkSeqType->isVisible());

    Click(o.optSequencing);
    EXPECT_EQ(o.cboMaxSeq->Text(), "0");
    EXPECT_FALSE(o.cboMaxSeq->isVisible() || o.Label2->isVisible());
    EXPECT_TRUE(o.chkSeqType->isVisible() && o.chkSeqType->isChecked());
    EXPECT_EQ(o.chkSeqType->text(), "New Sequence Each Time");
    Click(o.chkSeqType);
    EXPECT_EQ(o.chkSeqType->text(), "Same Sequence Each Time");
    Click(o.optFixed);
    EXPECT_EQ(o.cboMaxSeq->Text(), "3") << "fixed after increasing starts again from 3";
    EXPECT_TRUE(o.cboMaxSeq->isVisible());
    EXPECT_FALSE(o.chkSeqType->isVisible());

    Click(o.chkSound);
    EXPECT_EQ(o.chkSound->text(), "Pre Display Beep On");
    Click(o.chkSound);
    EXPECT_EQ(o.chkSound->text(), "Pre Display Beep Off");
    Click(&o, "cmdHelp");
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_TRUE(fake().HelpFiles[0].endsWith("\\VisualSequencing.hlp"));
    Click(&o, "cmdToMain");
    EXPECT_FALSE(IsLoaded(frmVSS2o::Name));
}

TEST_F(VisualSequencingScreens, OptionBoxesRefuseValuesOutsideTheirBounds) {
    options().activateWindow();
    ProcessEvents();
    ValidatingComboBox* squares = options().cboMaxSeq;
    ValidatingComboBox* speed = options().cboSpeed;
    const struct {
        ValidatingComboBox* box;
        const char* typed;
        bool refused;
        const char* after;
    } cases[] = {
        {squares, "0", true, "0"},
        {squares, "1", false, "1"},
        {squares, "25", false, "25"},
        {squares, "26", true, "26"},
        {squares, "abc", true, "0"},
        {squares, "2.5", false, "2"},
        {speed, "0.09", true, "0.09"},
        {speed, "0.1", false, "0.1"},
        {speed, "1", false, "1"},
        {speed, "1.01", true, "1.01"},
        {options().cboPracTime, "61", true, "61"},
    };
    const QMap<QString, QString> messages{
        {"cboMaxSeq", "Max Targets in Sequence must be between 1 and 25."},
        {"cboSpeed", "Display Speed must be between 0.1 and 1 sec."},
        {"cboPracTime", "Practice Time must be between 1 and 60 minutes."}};
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
            TypeInto(c.box, c.box == speed ? "0.50" : "3");
            TabOut(c.box);
            ProcessEvents();
        }
    }
}

TEST_F(VisualSequencingScreens, TherapyOpensWithAWhiteBoardThatTakesNoClicksYet) {
    Click(&options(), "cmdStart");
    frmVSS2t& t = therapy();
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 0 Mins 0 Secs");
    EXPECT_EQ(t.Frame2->geometry(), TwipsRect(3293, 1080, 5055, 5055));
    EXPECT_EQ(t.cmdX->Cell(8)->width(), Twips(1335));
    for (int k = 0; k < 9; ++k) {
        GridCell* square = t.cmdX->Cell(k);
        EXPECT_EQ(square->BackColor(), QColor(Qt::white));
        EXPECT_EQ(square->Caption(), " ");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(square)->text(QAccessible::Name),
                  QString("Square %1").arg(k + 1));
    }
    EXPECT_EQ(t.cmdX->Cell(4)->font().family(), "Times New Roman");
    EXPECT_EQ(t.cmdX->Cell(4)->font().pointSizeF(), 48);
    EXPECT_EQ(counters(), "Correct = 0 | Repeats=0 | SeqCor=0 | Length = 3");
    EXPECT_EQ(t.cmdOptions->toolTip(), "This Will Zero All Scores");
    EXPECT_FALSE(t.cmdNextPat->isVisible() || t.cmdRepeat->isVisible());
    EXPECT_LE(t.frameGeometry().width(), 800);
    EXPECT_LE(t.frameGeometry().height(), 600);
    for (QWidget* child : t.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(t.rect().contains(child->geometry())) << child->objectName().toStdString();
    }

    Click(t.cmdStart);
    EXPECT_EQ(t.cmdStart->text(), "Stop");
    EXPECT_TRUE(t.cmdNextPat->isVisible() && t.cmdNextPat->isEnabled());
    EXPECT_EQ(t.cmdNextPat->text(), "Next Sequence");
    EXPECT_FALSE(t.cmdScores->isEnabled() || t.cmdOptions->isEnabled());
    EXPECT_FALSE(t.Frame2->isEnabled()) << "no sequence shown: nothing to answer";
    Click(t.cmdX->Cell(0));
    EXPECT_EQ(fake().Beeps, 0);
    EXPECT_EQ(int(VisualSequencingScores().VisSeqSeqWrong), 0);
}

TEST_F(VisualSequencingScreens, EachSquareIsLitForTheDisplayTimeWithTheCursorHidden) {
    bool cursorHiddenWhileLit = true;
    frmVSS2t& t = startTherapy();
    recordLitAtWaits();
    const auto recordWaits = fake().OnSleep;
    fake().OnSleep = [&](int ms) {
        recordWaits(ms);
        if (!LitSquares(t.cmdX).isEmpty()) {
            cursorHiddenWhileLit = cursorHiddenWhileLit && !fake().CursorVisible;
            EXPECT_FALSE(t.cmdStart->isEnabled());
        }
    };
    nextSequence({5, 2, 5});
    recordLitAtWaits();
    EXPECT_EQ(waits, (QStringList{"500:", "500:5", "500:2", "500:5"}));
    EXPECT_TRUE(cursorHiddenWhileLit);
    EXPECT_TRUE(fake().CursorVisible);
    EXPECT_TRUE(LitSquares(t.cmdX).isEmpty());
    EXPECT_TRUE(t.Frame2->isEnabled());
    EXPECT_TRUE(t.cmdStart->isEnabled());
    EXPECT_FALSE(t.cmdNextPat->isEnabled()) << "until a square is clicked";
    EXPECT_TRUE(fake().Sounds.isEmpty());
    const VisualSequencingScoreValues& s = VisualSequencingScores();
    EXPECT_EQ(int(s.VisSeqTargetsShown), 3);
    EXPECT_EQ(int(s.VisSeqSequences), 1);

    waits.clear();
    // Read live from the options screen, as the next sequence does.
    options().chkSound->setChecked(true);
    options().cboSpeed->SetText("0.10");
    Click(t.cmdX->Cell(4));
    nextSequence({1, 1, 9, 9, 1});
    EXPECT_EQ(waits, (QStringList{"300:5", "250:", "250:", "250:", "250:", "250:", "250:", "500:",
                                  "100:1", "100:9", "100:1"}))
        << "a click flash, the ready signal, the pause, then no square twice in a row";
    ASSERT_EQ(fake().Sounds.size(), 3);
    for (const QString& sound : fake().Sounds) {
        EXPECT_TRUE(sound.endsWith("Ding.wav"));
    }
}

TEST_F(VisualSequencingScreens, TheReadySignalMarksTheCentreSquare) {
    Click(options().chkSound);
    frmVSS2t& t = startTherapy();
    QStringList centre;
    fake().OnSleep = [&](int ms) {
        if (ms == 250) {
            centre << t.cmdX->Cell(4)->Caption();
        }
    };
    nextSequence({1, 2, 3});
    EXPECT_EQ(centre, (QStringList{"*", " ", "*", " ", "*", " "}));
}

TEST_F(VisualSequencingScreens, RightClicksCompleteTheSequenceAndAWrongOneEndsIt) {
    frmVSS2t& t = startTherapy();
    nextSequence({5, 2, 5});
    recordLitAtWaits();
    clickSquares({5});
    EXPECT_EQ(waits, QStringList{"300:5"}) << "the click flashes in the square's colour";
    EXPECT_TRUE(LitSquares(t.cmdX).isEmpty());
    EXPECT_TRUE(t.cmdNextPat->isEnabled());
    EXPECT_EQ(t.focusWidget(), t.cmdNextPat);
    clickSquares({2, 5});
    EXPECT_EQ(counters(), "Correct = 3 | Repeats=0 | SeqCorrect= 1 | Length = 3");
    EXPECT_EQ(t.lblInfo->text(), "Sequence Correct");
    EXPECT_EQ(t.lblInfo->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_FALSE(t.Frame2->isEnabled());
    EXPECT_FALSE(t.cmdRepeat->isVisible());

    nextSequence({7, 8, 9});
    EXPECT_EQ(t.lblInfo->text(), "");
    EXPECT_EQ(counters(), "Correct = 0 | Repeats=0 | SeqCorrect= 1 | Length = 3");
    clickSquares({7, 9});
    EXPECT_EQ(t.lblInfo->text(), "Sequence Wrong!");
    EXPECT_EQ(t.lblInfo->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(fake().Beeps, 1);
    EXPECT_TRUE(t.cmdRepeat->isVisible());
    EXPECT_FALSE(t.Frame2->isEnabled());
    const VisualSequencingScoreValues& s = VisualSequencingScores();
    EXPECT_EQ(int(s.VisSeqSeqWrong), 1);
    EXPECT_EQ(int(s.VisSeqTargetsCorrect), 4);
    EXPECT_EQ(int(s.VisSeqSequences), 2);
}

TEST_F(VisualSequencingScreens, RepeatShowsTheSameSquaresWithoutCueOrPause) {
    Click(options().chkSound);
    frmVSS2t& t = startTherapy();
    nextSequence({3, 6, 8});
    clickSquares({3, 8});
    const int sounds = fake().Sounds.size();
    const double clock = fake().Now;
    fake().ScriptRnd({0.99, 0.99, 0.99});
    recordLitAtWaits();
    fake().Now += 120; // a repeat never opens the scores
    Click(t.cmdRepeat);
    EXPECT_EQ(waits, (QStringList{"500:3", "500:6", "500:8"}));
    EXPECT_EQ(fake().Sounds.size(), sounds);
    EXPECT_TRUE(fake().CursorVisible);
    EXPECT_FALSE(IsShown(frmVSS2s::Name));
    EXPECT_EQ(counters(), "Correct = 0 | Repeats= 1 | SeqCor=0 | Length = 3");
    EXPECT_TRUE(t.cmdRepeat->isVisible()) << "until a right click";
    clickSquares({3});
    EXPECT_FALSE(t.cmdRepeat->isVisible());
    clickSquares({6, 8});
    EXPECT_EQ(t.lblInfo->text(), "Sequence Correct");
    const VisualSequencingScoreValues& s = VisualSequencingScores();
    EXPECT_EQ(int(s.VisSeqSequences), 1) << "a repeat is no new sequence";
    EXPECT_EQ(int(s.VisSeqTargetsShown), 6) << "its squares are counted";
    EXPECT_EQ(int(s.VisSeqRepeats), 1);
    EXPECT_GT(fake().Now, clock + 120);
}

TEST_F(VisualSequencingScreens, IncreasingLengthGrowsKeepsAfterAWrongClickAndRepeatNeverChangesIt) {
    Click(options().optSequencing);
    frmVSS2t& t = startTherapy();
    EXPECT_EQ(counters(), "Correct = 0 | Repeats=0 | Max Length =  | Length = 0");
    QList<int> draws(25, 1);
    for (int i = 1; i < 25; i += 2) {
        draws[i] = 2;
    }
    nextSequence(draws);
    EXPECT_EQ(t.ShownLength(), 1);
    clickSquares({1});
    EXPECT_EQ(t.lblInfo->text(), "Sequence Correct");
    nextSequence(draws);
    EXPECT_EQ(counters(), "Correct = 0 | Repeats=0 | Max Length = 2 | Length = 2");
    clickSquares({1, 1});
    EXPECT_EQ(t.lblInfo->text(), "Sequence Wrong!");
    nextSequence(draws);
    EXPECT_EQ(t.ShownLength(), 2) << "a wrong click keeps the length";
    clickSquares({2});
    Click(t.cmdRepeat);
    EXPECT_EQ(t.ShownLength(), 2) << "a repeat keeps it too";
    clickSquares({1});
    nextSequence(draws);
    EXPECT_EQ(t.ShownLength(), 3) << "a partial answer broken off still grows it";
    EXPECT_EQ(options().cboMaxSeq->Text(), "3");
    EXPECT_EQ(counters(), "Correct = 0 | Repeats= 1 | Max Length = 3 | Length = 3");
    const VisualSequencingScoreValues& s = VisualSequencingScores();
    EXPECT_EQ(int(s.VisSeqMaxLength), 3);
    EXPECT_EQ(int(s.VisSeqSequences), 4);
}

TEST_F(VisualSequencingScreens, SameSequenceEachTimeBuildsOnTheFirstSquares) {
    Click(options().optSequencing);
    Click(options().chkSeqType);
    QList<double> draws;
    for (int i = 0; i < 25; ++i) {
        draws << Draws(i % 9 + 1);
    }
    fake().ScriptRnd(draws);
    frmVSS2t& t = startTherapy(); // draws the one sequence of the run
    fake().ScriptRnd({Draws(9), Draws(9), Draws(9)});
    recordLitAtWaits();
    Click(t.cmdNextPat);
    clickSquares({1});
    Click(t.cmdNextPat);
    clickSquares({1, 2});
    Click(t.cmdNextPat);
    EXPECT_EQ(waits, (QStringList{"500:", "500:1", "300:1", "500:", "500:1", "500:2", "300:1",
                                  "300:2", "500:", "500:1", "500:2", "500:3"}));
}

TEST_F(VisualSequencingScreens, TheLengthStopsAt25) {
    Click(options().optSequencing);
    frmVSS2t& t = startTherapy();
    for (int length = 1; length <= 26; ++length) {
        Click(t.cmdNextPat);
        // A right first click ends the answer with no wrong click.
        Click(t.cmdX->Cell(t.Sequence[1] - 1));
    }
    EXPECT_EQ(t.ShownLength(), 25);
    EXPECT_EQ(t.lblLength->text(), "Length = 25");
    Click(t.cmdStart);
    Click(t.cmdScores);
    frmVSS2s& scores = Loaded<frmVSS2s>();
    EXPECT_EQ(scores.Caption("lblAuto3")->text(), "Max Seq Length");
    EXPECT_EQ(scores.Value("lblAuto4")->text(), "25");
    EXPECT_EQ(scores.Caption("Label1")->text(), "  Increasing Sequence Lengths  ");
}

TEST_F(VisualSequencingScreens, StopTakesTheBoardAwayAndStartGivesTheAnswerBack) {
    frmVSS2t& t = startTherapy();
    nextSequence({4, 5, 6});
    clickSquares({4});
    fake().Now += 65; // and 2.3 s of display and flash
    Click(t.cmdStart);
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 1 Mins  7 Secs");
    EXPECT_FALSE(t.cmdNextPat->isVisible() || t.cmdRepeat->isVisible());
    EXPECT_FALSE(t.Frame2->isEnabled());
    clickSquares({5});
    EXPECT_EQ(int(VisualSequencingScores().VisSeqTargetsCorrect), 1);
    Click(t.cmdStart);
    clickSquares({5, 6});
    EXPECT_EQ(t.lblInfo->text(), "Sequence Correct");
}

TEST_F(VisualSequencingScreens, UsedUpPracticeTimePlaysTheCueThenOpensTheScores) {
    options().cboPracTime->SetText("1");
    Click(options().chkSound);
    const double opened = fake().Now;
    frmVSS2t& t = startTherapy();
    nextSequence({1});
    clickSquares({1});
    fake().Now = opened + 60;
    recordLitAtWaits();
    Click(t.cmdNextPat);
    EXPECT_EQ(waits, (QStringList{"250:", "250:", "250:", "250:", "250:", "250:"}));
    EXPECT_EQ(fake().Sounds.size(), 6);
    EXPECT_TRUE(IsShown(frmVSS2s::Name));
    EXPECT_TRUE(LitSquares(t.cmdX).isEmpty());
    EXPECT_EQ(Loaded<frmVSS2s>().Value("lblTotSeqDis")->text(), "1");
    EXPECT_EQ(Loaded<frmVSS2s>().Value("lblPracTime")->text(), "1 Mins  1 Secs");
}

TEST_F(VisualSequencingScreens, ScoresShowTheThreePercentagesAndEveryWayOutZeroesThem) {
    frmVSS2t& t = startTherapy();
    nextSequence({1, 2, 3});
    clickSquares({1, 2, 3});
    nextSequence({4, 5, 6});
    clickSquares({5});
    Click(t.cmdRepeat);
    clickSquares({6});
    Click(t.cmdRepeat);
    clickSquares({4, 5, 6});
    nextSequence({7, 8, 9});
    clickSquares({7, 8, 9});
    nextSequence({1, 5, 9});
    clickSquares({1});
    Click(t.cmdStart);
    Click(t.cmdScores);
    frmVSS2s& scores = Loaded<frmVSS2s>();
    EXPECT_EQ(scores.Title()->text(), "Visual Sequencing Scores");
    EXPECT_EQ(scores.Caption("Label1")->text(), "  Fixed Sequence Length  ");
    QStringList values;
    for (const char* name :
         {"lblTotSeqCor", "lblTotSeqDis", "lblPerCor", "lblRepeats", "lblPerRepeat",
          "lblTotTargCor", "lblTotTarDis", "lblPercor2", "lblAuto2", "lblAuto4"}) {
        values << scores.Value(name)->text();
    }
    EXPECT_EQ(values,
              (QStringList{"3", "4", "75%", "2", "50%", "10", "18", "55%", "0.50 Secs", "3"}));
    EXPECT_EQ(scores.Caption("Label10")->text(), "Correct / Total Displayed + Repeats");
    EXPECT_EQ(scores.Caption("lblAuto3")->text(), "Sequence Length");
    EXPECT_FALSE(IsShown(frmVSS2t::Name) || IsShown(frmVSS2o::Name));

    Click(&scores, "cmdOptions");
    EXPECT_EQ(int(VisualSequencingScores().VisSeqSequences), 0);
    EXPECT_EQ(int(VisualSequencingScores().VisSeqTargetsShown), 0);
    EXPECT_EQ(options().cboSpeed->Text(), "0.50");

    startTherapy();
    Click(therapy().cmdStart);
    Click(therapy().cmdScores);
    for (const char* name : {"lblPerCor", "lblPerRepeat", "lblPercor2"}) {
        EXPECT_EQ(Loaded<frmVSS2s>().Value(name)->text(), "") << name;
    }
    Click(&Loaded<frmVSS2s>(), "cmdMainMenu");
    EXPECT_FALSE(IsLoaded(frmVSS2t::Name) || IsLoaded(frmVSS2o::Name));
}

TEST_F(VisualSequencingScreens, LeavingTheTherapyScreenZeroesTheScoresAndKeepsTheSettings) {
    options().cboSpeed->SetText("0.30");
    frmVSS2t& t = startTherapy();
    nextSequence({2, 4, 6});
    clickSquares({2});
    Click(t.cmdStart);
    Click(t.cmdOptions);
    EXPECT_FALSE(IsLoaded(frmVSS2t::Name));
    EXPECT_EQ(int(VisualSequencingScores().VisSeqTargetsShown), 0);
    EXPECT_EQ(options().cboSpeed->Text(), "0.30");

    startTherapy();
    nextSequence({2, 4, 6});
    therapy().close();
    ProcessEvents();
    EXPECT_FALSE(IsLoaded(frmVSS2t::Name));
    EXPECT_EQ(int(VisualSequencingScores().VisSeqSequences), 0);
}
