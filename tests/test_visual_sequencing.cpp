// Visual Sequencing driven as a user does: the options and their checks, a
// sequence lit square by square, answers right, wrong and broken off, Repeat,
// the increasing length, the practice clock, and the scores with every way out.
#include "exercises/visual_sequencing/frmVSS2o.h"
#include "exercises/visual_sequencing/frmVSS2s.h"
#include "exercises/visual_sequencing/frmVSS2t.h"
#include "exercises/visual_sequencing/visual_sequencing_scores.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/exercise_test.h"

using namespace ModDODI;

void RegisterVisualSequencing();

class VisualSequencingScreens : public ExerciseTest<frmVSS2o, frmVSS2t, RegisterVisualSequencing> {
protected:
    // Next Sequence, the draws lighting the given board positions.
    void nextSequence(const QList<int>& positions) {
        QList<double> draws;
        for (int position : positions) {
            draws << (position - 0.5) / 9.0;
        }
        fake().ScriptRnd(draws);
        Click(therapy().cmdNextPat);
    }
    void clickSquares(std::initializer_list<int> positions) {
        for (int position : positions) {
            Click(therapy().cmdX->Cell(position - 1));
        }
    }
    QString litSquares() {
        QStringList lit;
        for (int k = 0; k < 9; ++k) {
            if (therapy().cmdX->Cell(k)->BackColor() != QColor(Qt::white)) {
                lit << QString::number(k + 1);
            }
        }
        return lit.join(',');
    }
    // Every wait as "ms:lit squares", with the centre square's caption when marked.
    void recordWaits() {
        fake().OnSleep = [this](int ms) {
            const QString mark = therapy().cmdX->Cell(4)->Caption().trimmed();
            waits << QString("%1:%2%3").arg(ms).arg(litSquares(), mark);
        };
    }
    QString counters() {
        QStringList texts;
        for (QLabel* label : therapy().Frame1->findChildren<QLabel*>()) {
            if (!label->isHidden()) {
                texts << label->text();
            }
        }
        return texts.join(" | ");
    }
    QStringList waits;
};

TEST_F(VisualSequencingScreens, OptionsSwitchBetweenFixedAndIncreasingLength) {
    frmVSS2o& o = options();
    EXPECT_FALSE(o.chkSeqType->isVisible());
    Click(o.optSequencing);
    EXPECT_EQ(o.cboMaxSeq->Text(), "0");
    EXPECT_FALSE(o.cboMaxSeq->isVisible() || o.Label2->isVisible());
    o.cboMaxSeq->SetText("12");
    Click(o.optFixed);
    EXPECT_EQ(o.cboMaxSeq->Text(), "3") << "fixed after increasing starts again from 3";
    EXPECT_TRUE(o.cboMaxSeq->isVisible() && !o.chkSeqType->isVisible());
}

TEST_F(VisualSequencingScreens, EachSquareIsLitForTheDisplayTimeWithTheCursorHidden) {
    frmVSS2t& t = startTherapy();
    EXPECT_TRUE(litSquares().isEmpty() && !t.cmdRepeat->isVisible());
    clickSquares({1});
    EXPECT_EQ(fake().Beeps + fake().Sleeps.size(), 0) << "no sequence shown: nothing to judge";
    bool hiddenWhileLit = true;
    fake().OnSleep = [&](int ms) {
        waits << QString("%1:%2").arg(ms).arg(litSquares());
        if (!litSquares().isEmpty()) {
            hiddenWhileLit = hiddenWhileLit && !fake().CursorVisible && !t.cmdStart->isEnabled();
        }
    };
    nextSequence({5, 5, 2, 5});
    EXPECT_EQ(waits, (QStringList{"500:", "500:5", "500:2", "500:5"}));
    EXPECT_TRUE(hiddenWhileLit);
    EXPECT_TRUE(fake().CursorVisible && t.cmdStart->isEnabled());
    EXPECT_EQ(litSquares(), "");
    EXPECT_FALSE(t.cmdNextPat->isEnabled()) << "until a square is clicked";

    waits.clear();
    recordWaits();
    options().chkSound->setChecked(true); // read live, as Next Sequence does
    options().cboSpeed->SetText("0.10");
    clickSquares({5});
    nextSequence({1, 9, 4});
    EXPECT_EQ(waits, (QStringList{"300:5", "250:*", "250:", "250:*", "250:", "250:*",
                                  "250:", "500:", "100:1", "100:9", "100:4"}));
    EXPECT_EQ(fake().Sounds.size(), 3);
    EXPECT_TRUE(fake().Sounds.value(0).endsWith("Ding.wav"));
}

// Times each square on the virtual clock from the start of the paint that
// lights it to the start of the paint that makes it white again, as a
// viewer sees it; every lit paint takes the clock on by PaintMs.
class LitClock : public QObject {
public:
    static constexpr double PaintMs = 7;
    QList<double> litMs;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        FakePlatform& fake = FakePlatform::Installed();
        if (static_cast<GridCell*>(watched)->BackColor() != QColor(Qt::white)) {
            litAt_ = fake.MonotonicMs();
            fake.Now += PaintMs / 1000;
        } else if (litAt_ >= 0) {
            litMs << fake.MonotonicMs() - litAt_;
            litAt_ = -1;
        }
        return false;
    }

private:
    double litAt_ = -1;
};

TEST_F(VisualSequencingScreens, ASlowPaintDoesNotKeepASquareLitLonger) {
    frmVSS2t& t = startTherapy();
    options().cboSpeed->SetText("0.10");
    LitClock clock;
    for (int k = 0; k < t.cmdX->Count(); ++k) {
        t.cmdX->Cell(k)->installEventFilter(&clock);
    }
    nextSequence({3, 7, 3});
    ASSERT_EQ(clock.litMs.size(), 3);
    for (double ms : clock.litMs) {
        EXPECT_NEAR(ms, 100, 1e-6) << "the wait runs from the start of the lit paint";
    }
}

TEST_F(VisualSequencingScreens, RightClicksCompleteTheSequenceAndAWrongOneEndsIt) {
    frmVSS2t& t = startTherapy();
    nextSequence({5, 2, 5});
    clickSquares({5, 2, 5});
    EXPECT_EQ(counters(), "Correct = 3 | Repeats=0 | SeqCorrect= 1 | Length = 3");
    EXPECT_EQ(t.lblInfo->text(), "Sequence Correct");
    EXPECT_FALSE(t.Frame2->isEnabled());
    EXPECT_EQ(t.focusWidget(), t.cmdNextPat);

    nextSequence({7, 8, 9});
    EXPECT_EQ(t.lblInfo->text(), "");
    clickSquares({7, 9});
    EXPECT_EQ(t.lblInfo->text(), "Sequence Wrong!");
    EXPECT_EQ(t.lblInfo->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(fake().Beeps, 1);
    EXPECT_TRUE(t.cmdRepeat->isVisible() && !t.Frame2->isEnabled());
    EXPECT_EQ(int(VisualSequencingScores().VisSeqSeqWrong), 1);
}

TEST_F(VisualSequencingScreens, RepeatShowsTheSameSquaresWithoutCuePauseOrTimeCheck) {
    options().chkSound->setChecked(true);
    frmVSS2t& t = startTherapy();
    nextSequence({3, 6, 8});
    clickSquares({3, 8});
    fake().Sounds.clear();
    fake().ScriptRnd({0.99, 0.99, 0.99});
    fake().Now += 600; // past the practice time: only Next Sequence looks
    recordWaits();
    Click(t.cmdRepeat);
    EXPECT_EQ(waits, (QStringList{"500:3", "500:6", "500:8"}));
    EXPECT_TRUE(fake().Sounds.isEmpty() && fake().CursorVisible && !IsShown(frmVSS2s::Name));
    EXPECT_EQ(counters(), "Correct = 1 | Repeats= 1 | SeqCor=0 | Length = 3")
        << "the count of the failed answer stays until the next right click";
    clickSquares({3});
    EXPECT_EQ(t.lblCorrect->text(), "Correct = 1");
    EXPECT_FALSE(t.cmdRepeat->isVisible()) << "a right click takes Repeat away";
    clickSquares({6, 8});
    EXPECT_EQ(t.lblInfo->text(), "Sequence Correct");
    const VisualSequencingScoreValues& s = VisualSequencingScores();
    EXPECT_EQ(int(s.VisSeqSequences), 1) << "a repeat is no new sequence";
    EXPECT_EQ(int(s.VisSeqTargetsShown), 6) << "but its squares are counted";
}

TEST_F(VisualSequencingScreens, IncreasingLengthGrowsKeepsAfterAWrongClickAndStopsAt25) {
    Click(options().optSequencing);
    frmVSS2t& t = startTherapy();
    EXPECT_EQ(counters(), "Correct = 0 | Repeats=0 | Max Length =  | Length = 0");
    const auto next = [&] {
        nextSequence({1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1});
    };
    next();
    clickSquares({1});
    next();
    EXPECT_EQ(counters(), "Correct = 0 | Repeats=0 | Max Length = 2 | Length = 2");
    clickSquares({1, 1});
    next();
    EXPECT_EQ(t.ShownLength(), 2) << "a wrong click keeps the length";
    clickSquares({2});
    Click(t.cmdRepeat);
    EXPECT_EQ(t.ShownLength(), 2) << "so does a repeat";
    clickSquares({1});
    next();
    EXPECT_EQ(t.ShownLength(), 3) << "a partial answer broken off still grows it";
    EXPECT_EQ(options().cboMaxSeq->Text(), "3");
    for (int more = 0; more < 23; ++more) {
        clickSquares({1});
        next();
    }
    EXPECT_EQ(t.lblLength->text(), "Length = 25");
    EXPECT_EQ(t.lblMaxL->text(), "Max Length = 25");
    EXPECT_EQ(t.ShownLength(), 25);
}

TEST_F(VisualSequencingScreens, SameSequenceEachTimeBuildsOnTheFirstSquares) {
    Click(options().optSequencing);
    Click(options().chkSeqType);
    QList<double> draws;
    for (int i = 0; i < 25; ++i) {
        draws << (i % 9 + 0.5) / 9.0;
    }
    fake().ScriptRnd(draws);
    frmVSS2t& t = startTherapy(); // draws the one sequence of the run
    fake().ScriptRnd({0.99, 0.99, 0.99});
    Click(t.cmdNextPat);
    clickSquares({1});
    Click(t.cmdNextPat);
    clickSquares({1, 2});
    recordWaits();
    Click(t.cmdNextPat);
    EXPECT_EQ(waits, (QStringList{"500:", "500:1", "500:2", "500:3"}));
}

TEST_F(VisualSequencingScreens, StopTakesTheBoardAwayAndStartGivesTheAnswerBack) {
    frmVSS2t& t = startTherapy();
    nextSequence({4, 5, 6});
    clickSquares({4});
    Click(t.cmdStart);
    EXPECT_FALSE(t.cmdNextPat->isVisible() || t.Frame2->isEnabled());
    Click(t.cmdStart);
    clickSquares({5, 6});
    EXPECT_EQ(t.lblInfo->text(), "Sequence Correct");

    nextSequence({1, 2, 3});
    clickSquares({2});
    ASSERT_TRUE(t.cmdRepeat->isVisible());
    Click(t.cmdStart);
    EXPECT_FALSE(t.cmdRepeat->isVisible()) << "Stop takes Repeat away";
}

TEST_F(VisualSequencingScreens, EachSquareLightsAndFlashesInItsOwnColour) {
    options().cboMaxSeq->SetText("9");
    frmVSS2t& t = startTherapy();
    const QList<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9};
    nextSequence(all);
    clickSquares({9}); // "Sequence Wrong!" in red
    QList<QColor> shown;
    fake().OnSleep = [&](int) {
        for (int k = 0; k < 9; ++k) {
            if (t.cmdX->Cell(k)->BackColor() != QColor(Qt::white)) {
                shown << t.cmdX->Cell(k)->BackColor();
            }
        }
    };
    nextSequence(all);
    clickSquares({1, 2, 3, 4, 5, 6, 7, 8, 9});
    const QList<QColor> colours{{255, 0, 0},   {0, 0, 255},   {255, 0, 255},
                                {0, 255, 0},   {0, 255, 255}, {0, 128, 0},
                                {255, 255, 0}, {128, 0, 128}, {128, 128, 0}};
    EXPECT_EQ(shown, colours + colours) << "lit, then flashed at the click";
    EXPECT_EQ(t.lblInfo->text(), "Sequence Correct");
    EXPECT_EQ(t.lblInfo->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(VisualSequencingScreens, UsedUpPracticeTimePlaysTheCueThenOpensTheScores) {
    options().cboPracTime->SetText("1");
    options().chkSound->setChecked(true);
    const double opened = fake().Now;
    frmVSS2t& t = startTherapy();
    nextSequence({1});
    clickSquares({1});
    fake().Now = opened + 60;
    recordWaits();
    Click(t.cmdNextPat);
    EXPECT_EQ(waits, (QStringList{"250:*", "250:", "250:*", "250:", "250:*", "250:"}));
    EXPECT_TRUE(IsShown(frmVSS2s::Name));
    EXPECT_EQ(Texts(&Loaded<frmVSS2s>(), {"lblTotSeqDis", "lblPracTime"}),
              QStringList({"1", "1 Mins  1 Secs"}));
}

TEST_F(VisualSequencingScreens, ScoresShowTheThreePercentagesAndTheModeOfTheRun) {
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
    EXPECT_EQ(scoreLines({"lblTotSeqCor", "lblTotSeqDis", "lblPerCor", "lblRepeats", "lblPerRepeat",
                          "lblTotTargCor", "lblTotTarDis", "lblPercor2", "lblAuto2", "lblAuto4",
                          "Label1", "lblAuto3"}),
              QStringList({"3", "4", "75%", "2", "50%", "10", "18", "55%", "0.50 Secs", "3",
                           "  Fixed Sequence Length  ", "Sequence Length"}));

    Click(backToOptions().optSequencing);
    startTherapy();
    EXPECT_EQ(
        scoreLines({"lblPerCor", "lblPerRepeat", "lblPercor2", "lblAuto4", "Label1", "lblAuto3"}),
        QStringList({"", "", "", "0", "  Increasing Sequence Lengths  ", "Max Seq Length"}));
}
