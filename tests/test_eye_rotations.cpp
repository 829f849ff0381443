// The Eye Rotations screens, driven as a therapist and patient use them.
#include "exercises/eye_rotations/eye_rotations_scores.h"
#include "exercises/eye_rotations/frmDotO.h"
#include "exercises/eye_rotations/frmDotS.h"
#include "exercises/eye_rotations/frmDotT.h"
#include "shell/controls/colors.h"
#include "shell/framework/adaptive_level.h"
#include "shell/mod_dodi.h"
#include "tests/support/exercise_checks.h"
#include "tests/support/exercise_test.h"

#include <QCheckBox>
#include <QPointer>
#include <functional>

void RegisterEyeRotations();

namespace {

class EyeRotations : public ExerciseTest<frmDotO, frmDotT, RegisterEyeRotations> {
protected:
    frmDotO& OpenOptions() {
        Forms::Show(frmDotO::Name);
        ProcessEvents(); // the window becomes active
        return Loaded<frmDotO>();
    }

    // Clicks the named options, then Start on the options screen.
    frmDotT& OpenTherapy(std::initializer_list<const char*> options = {}) {
        frmDotO& o = OpenOptions();
        for (const char* option : options) {
            Click(&o, option);
        }
        Click(&o, "cmdStart");
        return Loaded<frmDotT>();
    }

    // Presses Start; while the start message waits, runs `during`, then OK.
    void PressStart(
        frmDotT& therapy, const std::function<void()>& during = [] {}) {
        fake().OnDoEvents = [&therapy, during] {
            if (therapy.frmStartMess->isVisible()) {
                during();
                Click(therapy.frmStartMess->cmdOK2);
            }
        };
        Click(therapy.cmdStart);
        fake().OnDoEvents = nullptr;
    }

    // Opens the therapy with the named options and the scripted random
    // values, and starts a run.
    frmDotT& StartRun(std::initializer_list<const char*> options = {},
                      const QList<double>& rnd = {}) {
        frmDotT& therapy = OpenTherapy(options);
        fake().ScriptRnd(rnd);
        PressStart(therapy);
        return therapy;
    }

    // The colour of the drawing inside the last disc, below its character.
    static QColor DiscPixel(frmDotT& therapy) {
        const GridPoint at = therapy.CirclePosition();
        const QPointF centre = therapy.surface->ToPixels(at.x, at.y);
        const double below = therapy.surface->ToPixelsX(3) * 0.75;
        return therapy.surface->grab().toImage().pixelColor(
            QPoint(int(centre.x()), int(centre.y() + below)));
    }
};

} // namespace

TEST_F(EyeRotations, RandomPositionHidesTheDirectionAndSeparationFrames) {
    frmDotO& o = OpenOptions();
    for (QRadioButton* other : {o.optCircle, o.opt4Corner, o.optRectangle}) {
        Click(o.OptRandPos);
        EXPECT_FALSE(o.Frame3->isVisible() || o.Frame4->isVisible());
        Click(other);
        EXPECT_TRUE(o.Frame3->isVisible() && o.Frame4->isVisible()) << other->text().toStdString();
    }
}

TEST_F(EyeRotations, StartShowsTheMessageThenTheReadySignalThenTheFirstDisc) {
    frmDotT& t = OpenTherapy();
    EXPECT_FALSE(t.cmdScore->isEnabled() || t.lblTarget->isVisible());
    fake().ScriptRnd({0.25, 0.0}); // target "3", first disc "1"

    bool sawMessage = false;
    PressStart(t, [&] {
        sawMessage = true;
        EXPECT_EQ(t.frmStartMess->Label3->text(),
                  "You Are Looking For The Character:  3\r\nClick OK When Ready To Start.");
        EXPECT_EQ(t.cmdStart->text(), "Stop");
        EXPECT_FALSE(t.cmdStart->isEnabled() || t.cmdDOTScores->isEnabled() ||
                     t.cmdOptions->isEnabled());
        EXPECT_TRUE(fake().Sleeps.isEmpty());
    });

    EXPECT_TRUE(sawMessage && !t.frmStartMess->isVisible());
    EXPECT_EQ(fake().Sleeps, (QList<int>{250, 250, 250, 250, 250, 250}));
    EXPECT_EQ(fake().Sounds.size(), 3);
    EXPECT_FALSE(t.lblGetReady->isVisible());
    EXPECT_TRUE(t.lblTarget->isVisible());
    EXPECT_EQ(t.lblTarget->text(), "You Are Looking For:   3");
    EXPECT_TRUE(t.cmdStart->isEnabled() && t.cmdScore->isEnabled());
    EXPECT_TRUE(t.cmdScore->hasFocus());
}

TEST_F(EyeRotations, EachDiscStaysForTheDisplaySpeedAndTheNextFollowsAtOnce) {
    frmDotO& o = OpenOptions();
    o.cboSpeed->SetText("0.50");
    o.cboFont->SetText("20");
    o.cboCircColor->SetText("Dk Blue");
    frmDotT& t = StartRun({"chkBeep"});
    EXPECT_EQ(t.surface->font().pointSizeF(), 20);
    EXPECT_EQ(fake().Sounds.size(), 4); // three for the ready signal, one for the disc
    fake().AdvanceTime(499);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{10, 15}));
    EXPECT_EQ(DiscPixel(t), VbColor(8388608));
    fake().AdvanceTime(1);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{48, 15}));
    EXPECT_EQ(DiscPixel(t), VbColor(8388608));
    EXPECT_EQ(fake().Sounds.size(), 5);
    EXPECT_TRUE(fake().Sounds.last().endsWith("Ding.wav"));
    // The previous disc is gone.
    const QPoint first = t.surface->ToPixels(10, 15).toPoint();
    EXPECT_NE(t.surface->grab().toImage().pixelColor(first), VbColor(8388608));
}

// The pattern, direction and separation reach the therapy, which moves the
// target line clear of the path.
TEST_F(EyeRotations, PathOptionsPlaceTheDiscsAndTheTargetLine) {
    frmDotT& t = StartRun({"opt4Corner", "optCounterClock", "optNarrow"});
    EXPECT_EQ(t.CirclePosition(), (GridPoint{20, 25}));
    fake().AdvanceTime(1000);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{20, 72}));
    fake().AdvanceTime(2000);
    EXPECT_EQ(EyeScores().RotationsCompleted, 1);
    EXPECT_EQ(t.lblTarget->x(), int(t.surface->ToPixels(35, 0).x()));

    backToOptions();
    frmDotT& circle = StartRun({"optCircle", "optVNarrow"});
    EXPECT_EQ(circle.CirclePosition(), (GridPoint{44, 39}));
    EXPECT_EQ(circle.lblTarget->x(), int(circle.surface->ToPixels(1, 0).x()));
}

TEST_F(EyeRotations, RandomPositionAndRandomColourAreDrawnForEveryDisc) {
    OpenOptions().cboCircColor->SetText("Random");
    // target; colour, step, x, y, character
    frmDotT& t = StartRun({"OptRandPos"}, {0.0, 0.0, 0.3, 0.0, 0.99999, 0.0});
    EXPECT_EQ(t.CirclePosition(), (GridPoint{5, 89}));
    EXPECT_EQ(DiscPixel(t), VbColor(65535));
    fake().ScriptRnd({0.9999, 0.0, 0.5, 0.5, 0.0});
    fake().AdvanceTime(1000);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{50, 47}));
    EXPECT_EQ(DiscPixel(t), VbColor(8388736));
    EXPECT_EQ(EyeScores().RotationsCompleted, 2); // at random every disc counts
}

TEST_F(EyeRotations, EveryPressCountsAgainstTheDiscOnScreen) {
    // target "3"; first disc "3" (a target), second "1", third "4" (becomes "3")
    frmDotT& t = StartRun({}, {0.25, 0.25, 0.0, 0.4});
    ASSERT_EQ(t.DisplayChar(), "3");
    EXPECT_EQ(t.counters.lblMissed->text(), "M=1");
    Click(t.cmdScore);
    Click(t.cmdScore);
    EXPECT_EQ(EyeScores().CorrectCount, 2);
    EXPECT_EQ(t.counters.lblCor->text(), "C= 2");

    fake().AdvanceTime(1000);
    ASSERT_EQ(t.DisplayChar(), "1");
    EXPECT_EQ(t.counters.lblMissed->text(), "M=0"); // two presses on one target: none missed
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

// In the adaptive mode a rotation is a set: the level changes only as the
// next rotation begins, and that rotation's discs have the level's size.
TEST_F(EyeRotations, TheAdaptiveLevelChangesAsARotationBeginsAndSizesItsDiscs) {
    frmDotO& o = OpenOptions();
    ChooseAdaptive(o, 2);
    QList<double> draws{0.01}; // the target "1"
    for (int disc = 0; disc < 6 * 8; ++disc) {
        draws << (disc % 8 == 0 ? 0.01 : 0.12); // each rotation's first disc is the target
    }
    frmDotT& t = StartRun({}, draws);
    auto coloured = [&t](double dx) { // the disc's colour dx grid units right of its centre
        const QPointF at = t.surface->ToPixels(t.CirclePosition().x + dx, t.CirclePosition().y);
        return t.surface->grab().toImage().pixelColor(at.toPoint()) == VbColor(65535);
    };
    auto level = [&t] { return Find<QLabel>(&t, AdaptiveNames::LevelLabel)->text(); };
    for (int rotation = 1; rotation <= 5; ++rotation) {
        Click(t.cmdScore);
        // On to the next rotation's first disc, but the fifth stays on its last.
        const int lastDisc = rotation < 5 ? 9 : 8;
        for (int disc = 2; disc <= lastDisc; ++disc) {
            fake().AdvanceTime(t.Timer1->Interval());
        }
    }
    EXPECT_EQ(level(), "Level 2") << "five right, but the rotation's last disc is still shown";
    EXPECT_EQ(t.Timer1->Interval(), 1250);
    EXPECT_TRUE(coloured(5.5));
    fake().AdvanceTime(t.Timer1->Interval());
    EXPECT_EQ(level(), "Level 3");
    EXPECT_EQ(QStringList({o.cboSpeed->Text(), o.cboSize->Text()}), QStringList({"1.00", "5"}));
    EXPECT_EQ(t.Timer1->Interval(), 1000);
    EXPECT_EQ(t.CirclePosition(), (GridPoint{10, 15}));
    EXPECT_TRUE(coloured(4.5));
    EXPECT_FALSE(coloured(5.5));
}

TEST_F(EyeRotations, AHandChangeInTheAdaptiveModeIsNoticedAboveThePath) {
    frmDotO& o = OpenOptions();
    Click(Find<QCheckBox>(&o, AdaptiveNames::ModeCheck));
    TypeInto(o.cboSize, "2");
    TabOut(o.cboSize);
    frmDotT& t = OpenTherapy();
    EXPECT_TRUE(t.lblTarget->isVisible());
    EXPECT_EQ(t.lblTarget->text(), "Adaptive Level off: set by hand");
    EXPECT_GE(t.lblTarget->width(), t.lblTarget->sizeHint().width());
    EXPECT_EQ(t.findChild<QLabel*>(AdaptiveNames::LevelLabel), nullptr);
}

TEST_F(EyeRotations, ACountersClickHidesThemAndStopShowsThemAgain) {
    frmDotT& t = StartRun();
    Click(t.counters.lblWrng);
    EXPECT_FALSE(t.counters.lblCor->isVisible() || t.counters.lblWrng->isVisible() ||
                 t.counters.lblMissed->isVisible());

    Click(t.cmdStart);
    EXPECT_EQ(t.cmdStart->text(), "Start");
    EXPECT_TRUE(t.counters.lblCor->isVisible() && t.counters.lblMissed->isVisible());
    EXPECT_TRUE(t.cmdDOTScores->isEnabled() && t.cmdOptions->isEnabled());
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
    OpenOptions().cboSpeed->SetText("3.00");
    frmDotT& t = StartRun();
    Click(t.cmdStart); // Stop; a tick is still due
    const int targets = EyeScores().TargetsShown;
    PressStart(t, [&] {
        fake().AdvanceTime(3000);
        EXPECT_NE(DiscPixel(t), VbColor(65535));
        EXPECT_EQ(EyeScores().TargetsShown, targets);
    });
    EXPECT_EQ(t.CirclePosition(), (GridPoint{10, 15})); // a new rotation begins
}

TEST_F(EyeRotations, ThePracticeTimeEndOpensTheScores) {
    OpenOptions().cboPracTime->SetText("1");
    frmDotT& t = StartRun();
    fake().AdvanceTime(57000);
    EXPECT_TRUE(IsShown("frmDotT"));
    fake().AdvanceTime(2000);
    EXPECT_FALSE(t.Running());
    EXPECT_EQ(fake().Sleeps.last(), 1000);
    EXPECT_TRUE(IsShown("frmDotS"));
    EXPECT_FALSE(IsShown("frmDotT") || IsShown("frmDotO"));
    EXPECT_EQ(Texts(&Loaded<frmDotS>(), {"lblPracTime"}), QStringList{"1 Mins  0 Secs"});
}

TEST_F(EyeRotations, ScoresLinesAndTheirLabelsForRotationsOverCountingAndNoTargets) {
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
    EXPECT_FALSE(IsShown("frmDotT"));
    frmDotS& s = Loaded<frmDotS>();
    EXPECT_EQ(Texts(&s, {"lblTargCount", "lblWrong", "lblMissed", "lblTargDis", "Label4",
                         "lblTotal", "Label6", "lblPerCor", "lblAuto4", "lblAuto6", "lblPracTime"}),
              (QStringList{"3", "2", "1", "4", "Rotations Completed", "5",
                           "Percent Correct:", "75%", "0.70 Secs", "24", "2 Mins  5 Secs"}));

    // Random positions count discs; more presses than targets over-count.
    backToOptions();
    frmDotT& random = OpenTherapy({"OptRandPos"});
    EyeScores().CorrectCount = 5;
    EyeScores().TargetsShown = 4;
    Click(random.cmdDOTScores);
    EXPECT_EQ(Texts(&Loaded<frmDotS>(), {"Label4", "Label6", "lblPerCor", "lblMissed"}),
              (QStringList{"Total Circles Presented", "Over Counted Targets By:", "125%", "0"}));

    // A random direction also counts discs; no target shown leaves the percent empty.
    backToOptions();
    Click(OpenTherapy({"optRectangle", "optRandomDir"}).cmdDOTScores);
    EXPECT_EQ(Texts(&Loaded<frmDotS>(), {"Label4", "Label6", "lblPerCor"}),
              (QStringList{"Total Circles Presented", "Percent Correct:", ""}));
}

TEST_F(EyeRotations, ClosingTheWindowDuringTheStartMessageEndsTheWait) {
    QPointer<frmDotT> therapy(&OpenTherapy());
    fake().OnDoEvents = [&] {
        if (therapy != nullptr && therapy->frmStartMess->isVisible()) {
            therapy->close();
        }
    };
    Click(therapy->cmdStart);
    fake().OnDoEvents = nullptr;
    ProcessEvents();
    EXPECT_FALSE(IsLoaded("frmDotT"));
    EXPECT_TRUE(fake().Sleeps.isEmpty()); // no ready signal for a closed screen
    EXPECT_TRUE(fake().RunningTimers().isEmpty());
}
