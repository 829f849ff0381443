// The framework pieces the exercises build on, each driven through a small
// screen of this test's own: the Start/Stop toggle whose flag and Next Set
// belong to the screen, the start cues, the counters a click hides, the
// display-speed rule and the exact percentages.
#include "shell/framework/counters.h"
#include "shell/framework/elapsed.h"
#include "shell/framework/options_screen.h"
#include "shell/framework/scores_screen.h"
#include "shell/framework/start_cues.h"
#include "shell/framework/target_watch.h"
#include "shell/framework/therapy_screen.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"

using namespace ModDODI;

namespace {

const Triad drillTriad{"frmDrillO", "frmDrillT", "frmDrillS", "Drill.hlp"};

// A therapy screen whose Next Set shows only while running, with a stopped
// flag of its own, as the grid and drawing exercises have; it also carries a
// board cell and a label for the cues and four counters a click hides.
class frmDrillT : public TherapyScreen {
public:
    static constexpr const char* Name = "frmDrillT";
    frmDrillT()
        : TherapyScreen(Name, drillTriad), cmdStart(new VbButton("cmdStart", "Start", this)),
          cmdScores(AddScoresButton()), cmdOptions(AddOptionsButton()),
          cmdNextSet(new VbButton("cmdNextSet", "Next Set", this)),
          cmdCell(new VbButton("cmdCell", " ", this)),
          lblGetReady(new VbLabel("lblGetReady", "", this)),
          counters({new VbLabel("lblCor", "C=0", this), new VbLabel("lblWrng", "W=0", this),
                    new VbLabel("lblCT", "C=0", this), new VbLabel("lblWT", "W=0", this)}),
          startStop(*this, {cmdStart, cmdScores, cmdOptions, cmdNextSet},
                    StartStopToggle::Kind::OwnFlagNextSetHidden) {
        int left = 0;
        for (QWidget* control : std::initializer_list<QWidget*>{cmdStart, cmdScores, cmdOptions,
                                                                cmdNextSet, cmdCell, lblGetReady}) {
            control->setGeometry(left, 0, 90, 30);
            left += 100;
        }
        left = 0;
        for (VbLabel* counter : counters.Counters()) {
            counter->setGeometry(left, 40, 90, 30);
            left += 100;
        }
        startStop.OnStart = [this] { ++started; };
        startStop.OnStop = [this] {
            ++stopped;
            counters.SetVisible(true);
        };
        connect(cmdStart, &QPushButton::clicked, this, [this] { startStop.Toggle(); });
        resize(700, 100);
    }

    VbButton* cmdStart;
    VbButton* cmdScores;
    VbButton* cmdOptions;
    VbButton* cmdNextSet;
    VbButton* cmdCell;
    VbLabel* lblGetReady;
    CountersHiddenByClick counters;
    StartStopToggle startStop;
    int started = 0;
    int stopped = 0;
};

class FrameworkPieces : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        Forms::Register(frmDrillT::Name, [] { return new frmDrillT; });
        Forms::Show(frmDrillT::Name);
    }
    frmDrillT& drill() { return Loaded<frmDrillT>(); }
};

// What was on show at a blocking wait: the caption and how many sounds had
// been started by then.
struct Moment {
    int ms;
    QString caption;
    qsizetype soundsSoFar;
};

bool AllDings(const QStringList& sounds) {
    return std::all_of(sounds.begin(), sounds.end(),
                       [](const QString& path) { return path.endsWith("Ding.wav"); });
}

} // namespace

TEST_F(FrameworkPieces, ScreenOwnedToggleShowsNextSetOnlyWhileRunning) {
    frmDrillT& screen = drill();
    PracticeStart = Single(fake().Now);
    EXPECT_TRUE(screen.cmdNextSet->isHidden()) << "nothing to present before Start";
    EXPECT_TRUE(screen.startStop.Stopped());
    ReadyToStart = VbFalse; // the shared flag belongs to other exercises

    Click(screen.cmdStart);
    EXPECT_EQ(screen.cmdStart->text(), "Stop");
    EXPECT_TRUE(screen.cmdNextSet->isVisible());
    EXPECT_TRUE(screen.cmdNextSet->isEnabled());
    EXPECT_TRUE(screen.cmdNextSet->hasFocus());
    EXPECT_FALSE(screen.cmdScores->isEnabled());
    EXPECT_FALSE(screen.cmdOptions->isEnabled());
    EXPECT_TRUE(screen.startStop.Running());
    EXPECT_EQ(screen.started, 1);
    EXPECT_EQ(ReadyToStart, VbFalse) << "the shared flag is left alone";

    Click(screen.counters.Counters()[2]);
    fake().Now += 64;
    Click(screen.cmdStart);
    EXPECT_EQ(screen.cmdStart->text(), "Start");
    EXPECT_TRUE(screen.cmdNextSet->isHidden());
    EXPECT_TRUE(screen.cmdScores->isEnabled());
    EXPECT_TRUE(screen.cmdOptions->isEnabled());
    EXPECT_TRUE(screen.cmdStart->hasFocus());
    EXPECT_EQ(screen.windowTitle(), "KOVA.....Practice Time = 1 Mins  4 Secs");
    EXPECT_EQ(screen.stopped, 1);
    EXPECT_TRUE(screen.startStop.Stopped());
    for (VbLabel* counter : screen.counters.Counters()) {
        EXPECT_TRUE(counter->isVisible()) << "Stop shows the counters again";
    }
}

TEST_F(FrameworkPieces, SharedFlagToggleDoesNothingWhileTheFlagIsNeitherTrueNorFalse) {
    frmDrillT& screen = drill();
    StartStopToggle shared(screen,
                           {screen.cmdStart, screen.cmdScores, screen.cmdOptions, screen.cmdCell},
                           StartStopToggle::Kind::SharedFlagNextSetDisabled);
    EXPECT_FALSE(screen.cmdCell->isEnabled()) << "Next Set disabled while stopped";
    EXPECT_TRUE(screen.cmdCell->isVisible()) << "but still shown";
    ReadyToStart = 5;
    shared.Toggle();
    EXPECT_EQ(screen.cmdStart->text(), "Start");
    EXPECT_EQ(ReadyToStart, 5);
    shared.SetStopped();
    EXPECT_EQ(ReadyToStart, VbTrue);
    shared.Toggle();
    EXPECT_EQ(ReadyToStart, VbFalse);
    EXPECT_TRUE(screen.cmdCell->isEnabled());
}

TEST_F(FrameworkPieces, ReadySignalBeatsThreeTimesOnALabelOrAButton) {
    frmDrillT& screen = drill();
    for (QWidget* target : std::initializer_list<QWidget*>{screen.lblGetReady, screen.cmdCell}) {
        fake().Sounds.clear();
        auto* label = qobject_cast<QLabel*>(target);
        auto* button = qobject_cast<QAbstractButton*>(target);
        const auto caption = [label, button] { return label ? label->text() : button->text(); };
        QList<Moment> moments;
        fake().OnSleep = [&](int ms) { moments.append({ms, caption(), fake().Sounds.size()}); };
        if (label != nullptr) {
            ReadySignal(label, "*");
        } else {
            ReadySignal(button, "*");
        }
        ASSERT_EQ(moments.size(), 6);
        for (int beat = 0; beat < 3; ++beat) {
            const Moment& shown = moments[2 * beat];
            const Moment& blank = moments[2 * beat + 1];
            EXPECT_EQ(shown.ms, 250);
            EXPECT_EQ(shown.caption, "*") << "the mark is on show during the first half";
            EXPECT_EQ(shown.soundsSoFar, beat + 1) << "each beat starts with its sound";
            EXPECT_EQ(blank.ms, 250);
            EXPECT_EQ(blank.caption, " ");
            EXPECT_EQ(blank.soundsSoFar, beat + 1);
        }
        EXPECT_EQ(fake().Sounds.size(), 3);
        EXPECT_TRUE(AllDings(fake().Sounds));
        EXPECT_EQ(caption(), " ");
    }
}

TEST_F(FrameworkPieces, PreDisplayBeepIsThreeDingsOnAQuarterSecondGrid) {
    const double start = fake().MonotonicMs();
    QList<qsizetype> soundsAtWait;
    fake().OnSleep = [&](int) { soundsAtWait << fake().Sounds.size(); };
    // Starting a sound takes 4 ms; the beats stay on the grid all the same.
    fake().OnPlaySound = [&] { fake().Now += 0.004; };
    PreDisplayBeep();
    EXPECT_EQ(fake().Deadlines, (QList<double>{start + 250, start + 500, start + 750}));
    EXPECT_EQ(fake().SoundTimes, (QList<double>{start, start + 250, start + 500}));
    EXPECT_EQ(soundsAtWait, (QList<qsizetype>{1, 2, 3})) << "each wait follows its sound";
    EXPECT_TRUE(AllDings(fake().Sounds));
    EXPECT_NEAR(fake().MonotonicMs() - start, 750, 1e-6);
    EXPECT_EQ(ApiResult, VbTrue);
}

TEST_F(FrameworkPieces, AClickOnAnyCounterHidesTheWholeSet) {
    frmDrillT& screen = drill();
    const QList<VbLabel*> all = screen.counters.Counters();
    ASSERT_EQ(all.size(), 4);
    Click(all[3]);
    for (VbLabel* counter : all) {
        EXPECT_TRUE(counter->isHidden()) << counter->objectName().toStdString();
    }
    screen.counters.SetVisible(true);
    Click(all[0]);
    EXPECT_TRUE(all[2]->isHidden());
}

TEST_F(FrameworkPieces, DisplaySpeedRuleKeepsTheTextAsTyped) {
    const ComboRule rule = DisplaySpeedRule(5, "Display Speed must be between 0.1 and 5 secs.");
    for (const char* accepted : {"0.1", "0.10", "5", "5.00", "2.75"}) {
        EXPECT_TRUE(rule.accepts(accepted)) << accepted;
    }
    for (const char* refused : {"0.09", "0", "5.01", "5.5", "fast", "", "Off"}) {
        EXPECT_FALSE(rule.accepts(refused)) << refused;
    }
    EXPECT_FALSE(rule.normalise) << "the decimals are the speed";
    EXPECT_FALSE(DisplaySpeedRule(1, "").accepts("1.01"));
}

TEST_F(FrameworkPieces, DisplaySpeedOrOffRuleTakesTheWordOffInOneSpelling) {
    const ComboRule rule =
        DisplaySpeedOrOffRule(5, "Display Speed must be Off or between 0.1 and 5 secs.");
    for (const char* accepted : {"Off", "off", "0.1", "5"}) {
        EXPECT_TRUE(rule.accepts(accepted)) << accepted;
    }
    for (const char* refused : {"OFF", "0.09", "0", "5.01", "word"}) {
        EXPECT_FALSE(rule.accepts(refused)) << refused;
    }
    EXPECT_EQ(rule.normalise("off"), "Off");
    EXPECT_EQ(rule.normalise("OFF"), "OFF") << "a refused text stays as typed";
    EXPECT_EQ(rule.normalise("0.50"), "0.50");
    EXPECT_EQ(rule.icon, vbOKOnly);
}

TEST_F(FrameworkPieces, TimesBetweenClockReadingsPassMidnight) {
    EXPECT_FLOAT_EQ(SecondsBetween(100.5f, 102.0f), 1.5f);
    EXPECT_FLOAT_EQ(SecondsBetween(86399.0f, 1.0f), 2.0f) << "23:59:59 to 00:00:01";
    EXPECT_FLOAT_EQ(SecondsBetween(5.0f, 5.0f), 0.0f);
}

TEST_F(FrameworkPieces, DisplaySpeedsTurnIntoWholeMilliseconds) {
    EXPECT_EQ(DisplaySpeedMs("0.25"), 250);
    EXPECT_EQ(DisplaySpeedMs("0.10"), 100);
    EXPECT_EQ(DisplaySpeedMs("0.0005"), 0) << "half a millisecond halves to even";
    EXPECT_EQ(DisplaySpeedMs("0.0015"), 2);
    EXPECT_EQ(DisplaySpeedMs("-1"), 0) << "never a negative wait";
    EXPECT_EQ(DisplaySpeedMs("Off"), std::nullopt);
    EXPECT_EQ(DisplaySpeedMs(""), std::nullopt);
}

TEST_F(FrameworkPieces, PercentagesAreExactWholeNumbersRoundedDown) {
    EXPECT_EQ(ScoresScreen::PercentText(29, 50), "58%")
        << "29 / 50 × 100 in floating point is 57.99…";
    EXPECT_EQ(ScoresScreen::PercentText(2, 3), "66%");
    EXPECT_EQ(ScoresScreen::PercentText(0, 0), "");
    EXPECT_EQ(ScoresScreen::PercentText(7, 7), "100%");
    EXPECT_EQ(ScoresScreen::PercentText(32767, 32767), "100%");
    EXPECT_EQ(WholePercent(3, 6), 50);
    EXPECT_EQ(WholePercent(-1, 3), -34) << "rounded down, not toward zero";

    const CountedTargetsLine over = CompareCountedTargets(58, 50);
    EXPECT_EQ(over.caption, "Over Counted Targets By:");
    EXPECT_EQ(over.value, "116%");
    EXPECT_EQ(CompareCountedTargets(29, 50).value, "58%");
    EXPECT_EQ(CompareCountedTargets(0, 0).caption, "");
}
