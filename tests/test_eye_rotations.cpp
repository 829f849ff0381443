// The Eye Rotations screens, driven as a therapist and patient use them.
#include "exercises/eye_rotations/eye_rotation_scores.h"
#include "exercises/eye_rotations/frm_dot_o.h"
#include "exercises/eye_rotations/frm_dot_s.h"
#include "exercises/eye_rotations/frm_dot_t.h"
#include "shell/controls/colors.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"

#include <QApplication>
#include <QPointer>

void RegisterEyeRotations();

namespace {

class EyeRotations : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterEyeRotations();
    }

    frmDotO& OpenOptions() {
        Forms::Show(frmDotO::Name);
        ProcessEvents(); // the window becomes active
        return Loaded<frmDotO>();
    }

    frmDotT& OpenTherapy() {
        Click(&OpenOptions(), "cmdStart");
        return Loaded<frmDotT>();
    }

    // Start, then OK on the start message while the screen waits for it.
    void StartRun(frmDotT& therapy) {
        fake().OnDoEvents = [&therapy] {
            if (therapy.frmStartMess->isVisible()) {
                Click(therapy.frmStartMess->cmdOK2);
            }
        };
        Click(therapy.cmdStart);
        fake().OnDoEvents = nullptr;
    }

    // The colour of the drawing inside the last disc, below its character.
    static QColor DiscPixel(frmDotT& therapy, int radius = 3) {
        const GridPoint at = therapy.CirclePosition();
        const QPointF centre = therapy.surface->ToPixels(at.x, at.y);
        const double below = therapy.surface->ToPixelsX(radius) * 0.75;
        return therapy.surface->grab().toImage().pixelColor(
            QPoint(int(centre.x()), int(centre.y() + below)));
    }
};

// The check runs when the user leaves the box.
void Enter(QWidget* box, const QString& text) {
    TypeInto(box, text);
    TabOut(box);
    ProcessEvents();
}

} // namespace

TEST_F(EyeRotations, OptionsScreenOpensWithItsDesignedSettings) {
    frmDotO& o = OpenOptions();
    EXPECT_EQ(Find<QLabel>(&o, "lblTitle")->text(), "Eye Rotation Therapy");
    EXPECT_EQ(o.cboPracTime->Text(), "5");
    EXPECT_EQ(o.cboSpeed->Text(), "1.00");
    EXPECT_EQ(o.cboFont->Text(), "14");
    EXPECT_EQ(o.cboSize->Text(), "3");
    EXPECT_EQ(o.cboCircColor->Text(), "Lt Yellow");
    EXPECT_FALSE(o.cboCircColor->isEditable());

    const auto items = [](QComboBox* box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i) {
            list << box->itemText(i);
        }
        return list;
    };
    EXPECT_EQ(items(o.cboSpeed), (QStringList{"0.10", "0.20", "0.30", "0.40", "0.50", "0.60",
                                              "0.70", "0.80", "0.90", "1.00", "1.25", "1.50",
                                              "1.75", "2.00", "2.25", "2.50", "2.75", "3.00"}));
    EXPECT_EQ(items(o.cboFont),
              (QStringList{"12", "14", "16", "18", "20", "22", "24", "26", "28", "30", "32", "34",
                           "36", "38", "40", "44", "48", "50"}));
    EXPECT_EQ(items(o.cboSize), (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(items(o.cboCircColor),
              (QStringList{"DKGreen", "LtGreen", "Lt Yellow", "Dk Yellow", "Dk Red", "Lt Red",
                           "Dk Blue", "Lt Blue", "Dk Purple", "Lt Purple", "Dk Cyan", "Lt Cyan",
                           "White", "Random"}));
    EXPECT_EQ(items(o.cboPracTime).size(), 13);

    EXPECT_TRUE(o.optNumbers->isChecked());
    EXPECT_TRUE(o.optRectangle->isChecked());
    EXPECT_TRUE(o.optClockwise->isChecked());
    EXPECT_TRUE(o.optWide->isChecked());
    EXPECT_FALSE(o.chkBeep->isChecked());
    EXPECT_EQ(o.chkBeep->text(), "Beep Off");
    EXPECT_EQ(o.OptRandPos->text(), "Random ");
    EXPECT_EQ(o.Frame1->title(), "Target Character:");
    EXPECT_EQ(o.Frame2->title(), "Rotation Pattern:");
    EXPECT_EQ(o.Frame3->title(), "Rotation Direction:");
    EXPECT_EQ(o.Frame4->title(), "Pattern Separation:");

    EXPECT_EQ(o.cboPracTime->toolTip(),
              "Practice time in minutes. Therapy ends and the Score Screen will be displayed "
              "when the Practice Time has elapsed.");
    EXPECT_EQ(o.cboSpeed->toolTip(), "How fast tracking targets are displayed.");
    EXPECT_EQ(Find<QLabel>(&o, "lblSpeed")->toolTip(), "How fast the targets are displayed.");
    EXPECT_EQ(o.cboFont->toolTip(), "Target Size");
    EXPECT_EQ(o.cboSize->toolTip(), "Colored circle size around target characters. ");
    EXPECT_EQ(o.cboCircColor->toolTip(),
              "Circle Color; Dk = Dark, less contrast;Lt = Light, more contrast.");
    EXPECT_EQ(o.Frame1->toolTip(), "Character type used during therapy.");
    EXPECT_EQ(o.chkBeep->toolTip(), "Pacing beep as each target is displayed.");
    for (const char* button : {"cmdHelp", "cmdInfo", "cmdStart", "cmdToMain"}) {
        EXPECT_TRUE(Find<QPushButton>(&o, button)->isVisible()) << button;
    }
}

TEST_F(EyeRotations, EveryValidationBound) {
    frmDotO& o = OpenOptions();
    struct Case {
        ValidatingComboBox* box;
        const char* typed;
        bool accepted;
        const char* after;
    };
    const QString practice = "Practice Time must be between 1 and 60 minutes.";
    const QString size = "Circle Size must be between 1 and 6.";
    const QString font = "Font Size must be between 12 and 50.";
    const QString speed = "Display Speed must be between 0.1 and 3 secs.";
    // Each box ends with an accepted value: a refused one keeps the focus.
    const std::vector<std::pair<Case, QString>> cases{
        {{o.cboPracTime, "0", false, "0"}, practice},
        {{o.cboPracTime, "61", false, "61"}, practice},
        {{o.cboPracTime, "soon", false, "0"}, practice},
        {{o.cboPracTime, "1", true, "1"}, practice},
        {{o.cboPracTime, "60", true, "60"}, practice},
        {{o.cboPracTime, "30.9", true, "30"}, practice},
        {{o.cboSize, "0", false, "0"}, size},
        {{o.cboSize, "7", false, "7"}, size},
        {{o.cboSize, "1", true, "1"}, size},
        {{o.cboSize, "6", true, "6"}, size},
        {{o.cboSize, "4.5", true, "4"}, size},
        {{o.cboFont, "11", false, "11"}, font},
        {{o.cboFont, "51", false, "51"}, font},
        {{o.cboFont, "Random", false, "0"}, font},
        {{o.cboFont, "12", true, "12"}, font},
        {{o.cboFont, "50", true, "50"}, font},
        {{o.cboSpeed, "0.09", false, "0.09"}, speed},
        {{o.cboSpeed, "3.5", false, "3.5"}, speed},
        {{o.cboSpeed, "slow", false, "slow"}, speed},
        {{o.cboSpeed, "0.1", true, "0.1"}, speed},
        {{o.cboSpeed, "3", true, "3"}, speed},
        {{o.cboSpeed, "2.6", true, "2.6"}, speed},
    };
    for (const auto& [c, message] : cases) {
        fake().Messages.clear();
        Enter(c.box, c.typed);
        const std::string what = c.box->objectName().toStdString() + " " + c.typed;
        EXPECT_EQ(c.box->Text().toStdString(), c.after) << what;
        if (c.accepted) {
            EXPECT_TRUE(fake().Messages.isEmpty()) << what;
            EXPECT_FALSE(c.box->hasFocus()) << what;
        } else {
            ASSERT_EQ(fake().Messages.size(), 1) << what;
            EXPECT_EQ(fake().Messages[0].prompt.toStdString(), message.toStdString()) << what;
            EXPECT_EQ(fake().Messages[0].title.toStdString(), "Information");
            EXPECT_EQ(fake().Messages[0].style, vbExclamation);
            EXPECT_TRUE(c.box->hasFocus()) << what;
        }
    }
}

TEST_F(EyeRotations, RandomPositionHidesDirectionAndSeparation) {
    frmDotO& o = OpenOptions();
    Click(o.OptRandPos);
    EXPECT_FALSE(o.Frame3->isVisible());
    EXPECT_FALSE(o.Frame4->isVisible());
    Click(o.optCircle);
    EXPECT_TRUE(o.Frame3->isVisible());
    EXPECT_TRUE(o.Frame4->isVisible());
    Click(o.OptRandPos);
    Click(o.opt4Corner);
    EXPECT_TRUE(o.Frame3->isVisible());
    Click(o.OptRandPos);
    Click(o.optRectangle);
    EXPECT_TRUE(o.Frame4->isVisible());
}

TEST_F(EyeRotations, BeepInformationHelpAndMainMenu) {
    frmDotO& o = OpenOptions();
    Click(o.chkBeep);
    EXPECT_EQ(o.chkBeep->text(), "Beep On");
    Click(o.chkBeep);
    EXPECT_EQ(o.chkBeep->text(), "Beep Off");

    EXPECT_FALSE(o.frmInfo->isVisible());
    Click(&o, "cmdInfo");
    ASSERT_TRUE(o.frmInfo->isVisible());
    EXPECT_EQ(o.frmInfo->title(), "Information:");
    EXPECT_TRUE(Find<QLabel>(o.frmInfo, "Label4")
                    ->text()
                    .startsWith("You must respond to the target while it is displayed to "
                                "recieve a correct score."));
    Click(o.frmInfo, "cmdOK");
    EXPECT_FALSE(o.frmInfo->isVisible());

    Click(&o, "cmdHelp");
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_TRUE(fake().HelpFiles[0].endsWith("\\EyeRotations.hlp"));

    Click(&o, "cmdToMain");
    ProcessEvents();
    EXPECT_FALSE(IsLoaded("frmDotO"));
}

TEST_F(EyeRotations, StartShowsTheMessageThenTheReadySignalThenTheFirstDisc) {
    frmDotT& t = OpenTherapy();
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 0  Mins  &  0 Secs");
    EXPECT_FALSE(t.cmdScore->isEnabled());
    EXPECT_FALSE(t.lblTarget->isVisible());
    fake().ScriptRnd({0.25, 0.0}); // target "3", first disc "1"

    bool sawMessage = false;
    fake().OnDoEvents = [&] {
        if (!t.frmStartMess->isVisible()) {
            return;
        }
        sawMessage = true;
        EXPECT_EQ(t.frmStartMess->Label3->text(),
                  "You Are Looking For The Character:  3\r\nClick OK When Ready To Start.");
        EXPECT_EQ(t.cmdStart->text(), "Stop");
        EXPECT_FALSE(t.cmdStart->isEnabled());
        EXPECT_FALSE(t.cmdDOTScores->isEnabled());
        EXPECT_FALSE(t.cmdOptions->isEnabled());
        EXPECT_TRUE(fake().Sleeps.isEmpty());
        Click(t.frmStartMess->cmdOK2);
    };
    Click(t.cmdStart);
    fake().OnDoEvents = nullptr;

    EXPECT_TRUE(sawMessage);
    EXPECT_FALSE(t.frmStartMess->isVisible());
    EXPECT_EQ(fake().Sleeps, (QList<int>{250, 250, 250, 250, 250, 250}));
    EXPECT_EQ(fake().Sounds.size(), 3);
    EXPECT_FALSE(t.lblGetReady->isVisible());
    EXPECT_TRUE(t.lblTarget->isVisible());
    EXPECT_EQ(t.lblTarget->text(), "You Are Looking For:   3");
    EXPECT_TRUE(t.cmdStart->isEnabled());
    EXPECT_TRUE(t.cmdScore->isEnabled());
    EXPECT_TRUE(t.cmdScore->hasFocus());

    EXPECT_EQ(t.CirclePosition(), (GridPoint{10, 15}));
    EXPECT_EQ(t.DisplayChar(), "1");
    EXPECT_EQ(DiscPixel(t), VbColor(65535));
    EXPECT_EQ(t.Timer1->Interval(), 1000);
    EXPECT_TRUE(t.Timer1->Enabled());
    EXPECT_EQ(t.windowTitle(), "KOVA.....Practice Time = 0 Mins  1 Secs");
}

TEST_F(EyeRotations, EachDiscStaysForTheDisplaySpeedAndTheNextFollowsAtOnce) {
    frmDotO& o = OpenOptions();
    o.cboSpeed->SetText("0.50");
    o.cboFont->SetText("20");
    o.cboCircColor->SetText("Dk Blue");
    frmDotT& t = OpenTherapy();
    StartRun(t);
    const QPointF first = t.surface->ToPixels(10, 15);
    EXPECT_EQ(t.surface->font().pointSizeF(), 20);
    fake().AdvanceTime(499);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{10, 15}));
    EXPECT_EQ(DiscPixel(t), VbColor(8388608));
    fake().AdvanceTime(1);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{48, 15}));
    EXPECT_EQ(DiscPixel(t), VbColor(8388608));
    // The previous disc is gone.
    const QImage drawn = t.surface->grab().toImage();
    EXPECT_NE(drawn.pixelColor(first.toPoint()), VbColor(8388608));
}

TEST_F(EyeRotations, FourCornersCounterclockwiseWithNarrowSeparation) {
    frmDotO& o = OpenOptions();
    Click(o.opt4Corner);
    Click(o.optCounterClock);
    Click(o.optNarrow);
    o.cboSpeed->SetText("0.10");
    frmDotT& t = OpenTherapy();
    StartRun(t);
    QList<GridPoint> seen{t.CirclePosition()};
    for (int i = 0; i < 4; ++i) {
        fake().AdvanceTime(100);
        seen << t.CirclePosition();
    }
    EXPECT_EQ(seen, (QList<GridPoint>{{20, 25}, {20, 72}, {83, 72}, {83, 25}, {20, 25}}));
    EXPECT_EQ(EyeScores().RotationsCompleted, 1);
    EXPECT_EQ(t.lblTarget->x(), int(t.surface->ToPixels(35, 0).x()));
}

TEST_F(EyeRotations, CirclePatternMovesTheTargetLineToTheLeftEdge) {
    frmDotO& o = OpenOptions();
    Click(o.optCircle);
    Click(o.optVNarrow);
    frmDotT& t = OpenTherapy();
    EXPECT_EQ(t.lblTarget->x(), int(t.surface->ToPixels(1, 0).x()));
    StartRun(t);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{44, 39}));
}

TEST_F(EyeRotations, RandomDirectionDrawsTheStepAndCountsEveryDisc) {
    frmDotO& o = OpenOptions();
    Click(o.optRandomDir);
    frmDotT& t = OpenTherapy();
    // target, then per disc: step, character
    fake().ScriptRnd({0.0, 0.5, 0.0, 0.999, 0.0});
    StartRun(t);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{93, 82})); // member 5
    fake().AdvanceTime(1000);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{10, 45})); // member 8
    EXPECT_EQ(EyeScores().RotationsCompleted, 2);
}

TEST_F(EyeRotations, RandomPositionAndRandomColourAreDrawnForEveryDisc) {
    frmDotO& o = OpenOptions();
    Click(o.OptRandPos);
    o.cboCircColor->SetText("Random");
    frmDotT& t = OpenTherapy();
    // target; colour, step, x, y, character
    fake().ScriptRnd({0.0, 0.0, 0.3, 0.0, 0.99999, 0.0});
    StartRun(t);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{5, 89}));
    EXPECT_EQ(t.CircleColor(), VbColor(65535));
    EXPECT_EQ(DiscPixel(t), VbColor(65535));
    fake().ScriptRnd({0.9999, 0.0, 0.5, 0.5, 0.0});
    fake().AdvanceTime(1000);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{50, 47}));
    EXPECT_EQ(t.CircleColor(), VbColor(8388736));
    EXPECT_EQ(EyeScores().RotationsCompleted, 2);
}

TEST_F(EyeRotations, EveryPressCountsAgainstTheDiscOnScreen) {
    frmDotT& t = OpenTherapy();
    // target "3"; first disc "3" (a target), second "1", third "4" (becomes "3")
    fake().ScriptRnd({0.25, 0.25, 0.0, 0.4});
    StartRun(t);
    ASSERT_EQ(t.DisplayChar(), "3");
    EXPECT_EQ(EyeScores().TargetsShown, 1);
    EXPECT_EQ(t.counters.lblMissed->text(), "M=1");
    Click(t.cmdScore);
    Click(t.cmdScore);
    EXPECT_EQ(EyeScores().CorrectCount, 2);
    EXPECT_EQ(t.counters.lblCor->text(), "C= 2");

    fake().AdvanceTime(1000);
    ASSERT_EQ(t.DisplayChar(), "1");
    EXPECT_EQ(t.counters.lblMissed->text(), "M=-1");
    QTest::keyClick(t.cmdScore, Qt::Key_Space);
    EXPECT_EQ(EyeScores().WrongCount, 1);
    EXPECT_EQ(t.counters.lblWrng->text(), "W= 1");

    fake().AdvanceTime(1000);
    ASSERT_EQ(t.DisplayChar(), "3");
    EXPECT_EQ(EyeScores().TargetsShown, 2);
    t.setFocus(); // no button has the focus: Enter presses the default one
    QTest::keyClick(&t, Qt::Key_Return);
    EXPECT_EQ(EyeScores().CorrectCount, 3);
    EXPECT_EQ(EyeScores().WrongCount, 1);

    // Another button with the focus takes Enter itself; a disabled Score button takes nothing.
    t.cmdStart->setFocus();
    QTest::keyClick(t.cmdStart, Qt::Key_Return);
    EXPECT_EQ(t.cmdStart->text(), "Start");
    t.setFocus();
    QTest::keyClick(&t, Qt::Key_Enter);
    EXPECT_EQ(EyeScores().CorrectCount + EyeScores().WrongCount, 4);
}

TEST_F(EyeRotations, ACountersClickHidesThemAndStopShowsThemAgain) {
    frmDotT& t = OpenTherapy();
    StartRun(t);
    Click(t.counters.lblWrng);
    EXPECT_FALSE(t.counters.lblCor->isVisible());
    EXPECT_FALSE(t.counters.lblWrng->isVisible());
    EXPECT_FALSE(t.counters.lblMissed->isVisible());

    Click(t.cmdStart);
    EXPECT_EQ(t.cmdStart->text(), "Start");
    EXPECT_TRUE(t.counters.lblCor->isVisible());
    EXPECT_TRUE(t.counters.lblMissed->isVisible());
    EXPECT_TRUE(t.cmdDOTScores->isEnabled());
    EXPECT_TRUE(t.cmdOptions->isEnabled());
    EXPECT_FALSE(t.cmdScore->isEnabled());
    // The tick still due erases the last disc and draws no other.
    EXPECT_EQ(DiscPixel(t), VbColor(65535));
    const int rotations = EyeScores().RotationsCompleted;
    fake().AdvanceTime(5000);
    EXPECT_NE(DiscPixel(t), VbColor(65535));
    EXPECT_TRUE(fake().RunningTimers().isEmpty());
    EXPECT_EQ(EyeScores().RotationsCompleted, rotations);
}

TEST_F(EyeRotations, RestartingRightAfterStopDrawsNothingBehindTheStartMessage) {
    frmDotO& o = OpenOptions();
    o.cboSpeed->SetText("3.00");
    frmDotT& t = OpenTherapy();
    StartRun(t);
    Click(t.cmdStart); // Stop; a tick is still due
    const int targets = EyeScores().TargetsShown;
    fake().OnDoEvents = [&] {
        if (t.frmStartMess->isVisible()) {
            fake().AdvanceTime(3000);
            EXPECT_NE(DiscPixel(t), VbColor(65535));
            EXPECT_EQ(EyeScores().TargetsShown, targets);
            Click(t.frmStartMess->cmdOK2);
        }
    };
    Click(t.cmdStart);
    fake().OnDoEvents = nullptr;
    EXPECT_EQ(t.CirclePosition(), (GridPoint{10, 15})); // a new rotation begins
}

TEST_F(EyeRotations, BeepOnPlaysTheDingWithEveryDisc) {
    frmDotO& o = OpenOptions();
    Click(o.chkBeep);
    frmDotT& t = OpenTherapy();
    StartRun(t);
    EXPECT_EQ(fake().Sounds.size(), 4); // three for the ready signal, one for the disc
    fake().AdvanceTime(2000);
    EXPECT_EQ(fake().Sounds.size(), 6);
    EXPECT_TRUE(fake().Sounds.last().endsWith("Ding.wav"));
}

TEST_F(EyeRotations, ThePracticeTimeEndOpensTheScores) {
    frmDotO& o = OpenOptions();
    o.cboPracTime->SetText("1");
    frmDotT& t = OpenTherapy();
    StartRun(t);
    fake().AdvanceTime(57000);
    EXPECT_TRUE(IsShown("frmDotT"));
    fake().AdvanceTime(2000);
    EXPECT_FALSE(t.Running());
    EXPECT_EQ(fake().Sleeps.last(), 1000);
    EXPECT_TRUE(IsShown("frmDotS"));
    EXPECT_FALSE(IsShown("frmDotT"));
    EXPECT_FALSE(IsShown("frmDotO"));
    EXPECT_EQ(Find<QLabel>(&Loaded<frmDotS>(), "lblPracTime")->text(), "1 Mins  0 Secs");
}

TEST_F(EyeRotations, ScoresLinesFromTheRun) {
    frmDotO& o = OpenOptions();
    o.cboSpeed->SetText("0.70");
    o.cboFont->SetText("24");
    frmDotT& t = OpenTherapy();
    EyeScores().CorrectCount = 3;
    EyeScores().WrongCount = 2;
    EyeScores().TargetsShown = 4;
    EyeScores().RotationsCompleted = 5;
    fake().Now += 125;
    ModDODI::UpdateElapsedTime(ModDODI::PracticeStart);
    Click(t.cmdDOTScores);
    frmDotS& s = Loaded<frmDotS>();
    EXPECT_FALSE(IsShown("frmDotT"));
    const auto text = [&s](const char* name) { return Find<QLabel>(&s, name)->text(); };
    EXPECT_EQ(text("lblTitle"), "Eye Rotation Scores");
    EXPECT_EQ(text("lblTargCount"), "3");
    EXPECT_EQ(text("lblWrong"), "2");
    EXPECT_EQ(text("lblMissed"), "1");
    EXPECT_EQ(text("lblTargDis"), "4");
    EXPECT_EQ(text("Label4"), "Rotations Completed");
    EXPECT_EQ(text("lblTotal"), "5");
    EXPECT_EQ(text("Label6"), "Percent Correct:");
    EXPECT_EQ(text("lblPerCor"), "75%");
    EXPECT_EQ(text("lblAuto4"), "0.70 Secs");
    EXPECT_EQ(text("lblAuto6"), "24");
    EXPECT_EQ(text("lblPracTime"), "2 Mins  5 Secs");
    EXPECT_EQ(text("lblWrong2"), "Incorrect Responses");
    EXPECT_EQ(text("Label1"), "Targets Missed");
}

TEST_F(EyeRotations, ScoresForOverCountingRandomOrderAndNoTargets) {
    frmDotO& o = OpenOptions();
    Click(o.OptRandPos);
    frmDotT& t = OpenTherapy();
    EyeScores().CorrectCount = 5;
    EyeScores().TargetsShown = 4;
    Click(t.cmdDOTScores);
    frmDotS& s = Loaded<frmDotS>();
    EXPECT_EQ(Find<QLabel>(&s, "Label4")->text(), "Total Circles Presented");
    EXPECT_EQ(Find<QLabel>(&s, "Label6")->text(), "Over Counted Targets By:");
    EXPECT_EQ(Find<QLabel>(&s, "lblPerCor")->text(), "125%");
    EXPECT_EQ(Find<QLabel>(&s, "lblMissed")->text(), "-1");

    // Back to the options with zeroed scores, a new run, no target shown.
    Click(&s, "cmdOptions");
    ProcessEvents();
    EXPECT_EQ(EyeScores().CorrectCount, 0);
    EXPECT_FALSE(IsLoaded("frmDotT"));
    EXPECT_TRUE(IsShown("frmDotO"));
    Click(o.optRectangle);
    Click(o.optRandomDir);
    frmDotT& again = OpenTherapy();
    Click(again.cmdDOTScores);
    frmDotS& empty = Loaded<frmDotS>();
    EXPECT_EQ(Find<QLabel>(&empty, "Label4")->text(), "Total Circles Presented");
    EXPECT_EQ(Find<QLabel>(&empty, "Label6")->text(), "Percent Correct:");
    EXPECT_EQ(Find<QLabel>(&empty, "lblPerCor")->text(), "");
}

TEST_F(EyeRotations, OptionsButtonZeroesTheScoresAndReturns) {
    frmDotT& t = OpenTherapy();
    StartRun(t);
    Click(t.cmdScore);
    Click(t.cmdStart);
    Click(t.cmdOptions);
    ProcessEvents();
    EXPECT_FALSE(IsLoaded("frmDotT"));
    EXPECT_TRUE(IsShown("frmDotO"));
    EXPECT_EQ(EyeScores().CorrectCount + EyeScores().WrongCount, 0);
    EXPECT_TRUE(fake().RunningTimers().isEmpty());
}

TEST_F(EyeRotations, ClosingTheWindowDuringTheStartMessageEndsTheWait) {
    frmDotT& t = OpenTherapy();
    QPointer<frmDotT> therapy(&t);
    fake().OnDoEvents = [&] {
        if (therapy != nullptr && therapy->frmStartMess->isVisible()) {
            therapy->close();
        }
    };
    Click(t.cmdStart);
    fake().OnDoEvents = nullptr;
    ProcessEvents();
    EXPECT_FALSE(IsLoaded("frmDotT"));
    EXPECT_TRUE(fake().Sleeps.isEmpty()); // no ready signal for a closed screen
    EXPECT_TRUE(fake().RunningTimers().isEmpty());
}
