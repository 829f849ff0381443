// The metronome driven as a user does, on the fake platform's virtual clock.
#include "shell/assets.h"
#include "shell/controls/basic.h"
#include "shell/controls/shapes.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"
#include "tools/metronome/frmMetronome.h"

#include <QScrollBar>
#include <QTemporaryDir>

void RegisterMetronome();

namespace {

class MetronomeTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterMetronome(); // enables the main menu's Metronome button
        main_ = &Forms::Get<frmMain>();
        Forms::Show(*main_);
        Click(main_, "cmdTools");
        Click(main_, "cmdMetronome");
        form_ = &Loaded<frmMetronome>();
        t0_ = fake().MonotonicMs();
    }

    frmMetronome& form() { return *form_; }
    QString Swinging() {
        for (const char* side : {"L", "M", "R"}) {
            if (!Find<ShapeControl>(form_, QString("Ball") + side)->isHidden()) {
                return side;
            }
        }
        return "none";
    }
    // The swing each beat leaves on screen, noted at the wait after its sound.
    void RecordSwings(QStringList& swings) {
        fake().OnPlaySound = [this] { beatPending_ = true; };
        fake().OnSleep = [this, &swings](int) {
            if (beatPending_) {
                swings.append(Swinging());
                beatPending_ = false;
            }
        };
    }
    bool beatPending_ = false;
    // Presses Stop at the event step once count sounds have played.
    void StopAfter(int count) {
        fake().OnDoEvents = [this, count] {
            if (fake().Sounds.size() >= count && form().cmdStart->text() == "Stop") {
                Click(form().cmdStart);
            }
        };
    }
    // Beat start times from the Start press, in ms.
    QList<double> BeatTimes() {
        QList<double> times;
        for (double at : fake().SoundTimes) {
            times.append(at - t0_);
        }
        return times;
    }
    // Runs action at the next event step, as a click made during a beat.
    void AtNextEventStep(QObject* target, const char* slot) {
        QMetaObject::invokeMethod(target, slot, Qt::QueuedConnection);
    }

    frmMain* main_ = nullptr;
    frmMetronome* form_ = nullptr;
    double t0_ = 0;
};

TEST_F(MetronomeTest, OpensAtSixtyWithThePendulumAtRestAndHoldsTheMenu) {
    EXPECT_FALSE(main_->isEnabled());
    EXPECT_EQ(Swinging(), "M");
    EXPECT_EQ(fake().PreloadedSounds.size(), 2) << "both sounds are loaded ahead";
    form().HScroll1->setValue(15);
    EXPECT_EQ(form().lblBPM->text(), "15");
    Click(form().cmdSound);
    EXPECT_EQ(form().cmdSound->text(), "Ding");

    Click(form().cmdExit);
    ProcessEvents();
    EXPECT_FALSE(IsLoaded(frmMetronome::Name));
    EXPECT_TRUE(main_->isEnabled());
    Click(main_, "cmdTools");
    Click(main_, "cmdMetronome");
    auto& reopened = Loaded<frmMetronome>();
    EXPECT_EQ(QStringList(
                  {reopened.lblBPM->text(), reopened.cmdSound->text(), reopened.cmdStart->text()}),
              QStringList({"60", "Bell", "Start"}));
}

TEST_F(MetronomeTest, BeatsSwingLeftAndRightWithTheSoundAndRestInTheMiddleAfterStop) {
    QStringList swings;
    RecordSwings(swings);
    StopAfter(4);
    Click(form().cmdStart);
    EXPECT_EQ(swings, QStringList({"L", "R", "L", "R"}));
    ASSERT_EQ(fake().Sounds.size(), 4);
    for (const QString& sound : fake().Sounds) {
        EXPECT_TRUE(sound.endsWith("Bell.wav")) << sound.toStdString();
    }
    EXPECT_EQ(ModDODI::ApiResult, VbTrue);
    EXPECT_EQ(form().cmdStart->text(), "Start");
    EXPECT_EQ(Swinging(), "M");
    EXPECT_NEAR(fake().MonotonicMs() - t0_, 4000, 1e-6) << "the last beat lasts its full interval";
    // The two swings mirror each other around the pendulum at rest.
    const auto centre = [this](const char* side) {
        return Find<ShapeControl>(form_, QString("Ball") + side)->geometry().center();
    };
    EXPECT_NEAR(centre("L").x() + centre("R").x(), 2 * centre("M").x(), 1);
    EXPECT_EQ(centre("L").y(), centre("R").y());
    EXPECT_GT(centre("M").x() - centre("L").x(), 40);
}

TEST_F(MetronomeTest, BeatsFallExactlyOnTheGridWhateverSoundAndEventsCost) {
    for (int bpm : {60, 180}) {
        for (int costMs : {0, 7}) {
            fake().Sounds.clear();
            fake().SoundTimes.clear();
            t0_ = fake().MonotonicMs();
            form().HScroll1->setValue(bpm);
            fake().OnPlaySound = [this, costMs] { fake().AdvanceTime(costMs); };
            StopAfter(200);
            auto stopAndCost = fake().OnDoEvents;
            fake().OnDoEvents = [this, costMs, stopAndCost] {
                fake().AdvanceTime(costMs);
                stopAndCost();
            };
            Click(form().cmdStart);
            const QList<double> times = BeatTimes();
            ASSERT_EQ(times.size(), 200);
            for (int k = 0; k < times.size(); ++k) {
                ASSERT_NEAR(times[k], k * 60000.0 / bpm, 1e-6)
                    << "beat " << k << " at " << bpm << " costing " << costMs;
            }
        }
    }
}

TEST_F(MetronomeTest, ANewTempoAppliesFromTheNextDeadline) {
    bool moved = false;
    fake().OnDoEvents = [this, &moved] {
        if (!moved) {
            moved = true;
            form().HScroll1->setValue(120);
        }
        if (fake().Sounds.size() >= 6) {
            Click(form().cmdStart);
        }
    };
    Click(form().cmdStart);
    EXPECT_EQ(BeatTimes(), QList<double>({0, 1000, 2000, 2500, 3000, 3500}));
}

TEST_F(MetronomeTest, TheSoundButtonPressedMidPairChangesTheSoundFromTheNextPair) {
    fake().OnSleep = [this](int) {
        if (fake().Sounds.size() == 1 && fake().Deadlines.size() == 2) {
            AtNextEventStep(form().cmdSound, "click");
        }
    };
    StopAfter(4);
    Click(form().cmdStart);
    ASSERT_EQ(fake().Sounds.size(), 4);
    EXPECT_TRUE(fake().Sounds[1].endsWith("Bell.wav"));
    EXPECT_TRUE(fake().Sounds[2].endsWith("Ding.wav"));
    EXPECT_TRUE(fake().Sounds[3].endsWith("Ding.wav"));
}

TEST_F(MetronomeTest, StopIsSeenAtTheEndOfThePairEvenAtFifteen) {
    form().HScroll1->setValue(15);
    QMap<double, QString> captionAt;
    bool pressed = false;
    fake().OnSleep = [this, &captionAt, &pressed](int) {
        if (fake().Sounds.size() == 1 && !pressed) {
            pressed = true; // Stop pressed during the first beat
            AtNextEventStep(form().cmdStart, "click");
        }
        captionAt[fake().MonotonicMs() - t0_] = form().cmdStart->text();
    };
    Click(form().cmdStart);
    EXPECT_EQ(fake().Sounds.size(), 2);
    EXPECT_EQ(captionAt.value(4000), "Stop");
    const double eventStep = 8000 - Metronome::EventStepLeadMs;
    EXPECT_GE(eventStep, 7000);
    EXPECT_EQ(captionAt.value(eventStep), "Stop");
    EXPECT_EQ(captionAt.value(8000), "Start");
    EXPECT_EQ(Swinging(), "M");
}

TEST_F(MetronomeTest, ALongEventStepGivesOneBeatAtOnceAndNoBurst) {
    // Whether one beat or two are lost, the next beat comes at once and the
    // grid starts afresh from it.
    for (const double stallMs : {2500.0, 1500.0}) {
        fake().Sounds.clear();
        fake().SoundTimes.clear();
        t0_ = fake().MonotonicMs();
        bool stalled = false;
        fake().OnDoEvents = [this, &stalled, stallMs] {
            if (!stalled) {
                stalled = true;
                fake().AdvanceTime(stallMs);
            }
            if (fake().Sounds.size() >= 4 && form().cmdStart->text() == "Stop") {
                Click(form().cmdStart);
            }
        };
        Click(form().cmdStart);
        const double stepEnd = 2000 - Metronome::EventStepLeadMs + stallMs;
        EXPECT_EQ(BeatTimes(), QList<double>({0, 1000, stepEnd, stepEnd + 1000})) << stallMs;
    }
}

TEST_F(MetronomeTest, StopAndStartInOneEventStepKeepOneLoopRunning) {
    QStringList swings;
    RecordSwings(swings);
    fake().OnDoEvents = [this] {
        if (fake().DoEventsCalls == 1) {
            Click(form().cmdStart);
            Click(form().cmdStart);
            EXPECT_EQ(form().cmdStart->text(), "Stop");
        } else if (fake().Sounds.size() >= 6) {
            Click(form().cmdStart);
        }
    };
    Click(form().cmdStart);
    EXPECT_EQ(BeatTimes(), QList<double>({0, 1000, 2000, 3000, 4000, 5000}));
    EXPECT_EQ(swings, QStringList({"L", "R", "L", "R", "L", "R"}));
    EXPECT_EQ(fake().DoEventsCalls, 3) << "one event step per pair of one loop";
    EXPECT_EQ(Swinging(), "M");
}

TEST_F(MetronomeTest, ClosingMidPairEndsTheLoopAndUnloadsTheWindow) {
    struct Way {
        const char* name;
        std::function<QObject*()> target;
        const char* slot;
        bool endsKova = false;
    };
    const Way ways[] = {{"Exit", [this] { return Loaded<frmMetronome>().cmdExit; }, "click"},
                        {"title-bar close", [] { return &Loaded<frmMetronome>(); }, "close"},
                        {"main menu closed", [this] { return main_; }, "close", true}};
    for (const Way& way : ways) {
        fake().Sounds.clear();
        if (!IsLoaded(frmMetronome::Name)) {
            Click(main_, "cmdTools");
            Click(main_, "cmdMetronome");
        }
        fake().OnSleep = [this, &way](int) {
            if (fake().Sounds.size() == 1) {
                AtNextEventStep(way.target(), way.slot);
                fake().OnSleep = nullptr;
            }
        };
        Click(Loaded<frmMetronome>().cmdStart);
        ProcessEvents();
        EXPECT_EQ(fake().Sounds.size(), 2) << way.name;
        EXPECT_FALSE(IsLoaded(frmMetronome::Name)) << way.name;
        EXPECT_EQ(IsLoaded(frmMain::Name), !way.endsKova) << way.name;
        EXPECT_TRUE(way.endsKova || main_->isEnabled()) << way.name;
    }
}

TEST_F(MetronomeTest, AMissingSoundPlaysNothingAndThePendulumSwingsOnTheSameGrid) {
    QTemporaryDir empty;
    SetAssetDirectory(empty.path());
    QStringList swings;
    fake().OnSleep = [this, &swings](int) { swings.append(Swinging()); };
    StopAfter(0);
    Click(form().cmdStart);
    SetAssetDirectory({});
    EXPECT_EQ(ModDODI::ApiResult, VbFalse);
    EXPECT_TRUE(fake().Sounds.isEmpty());
    EXPECT_EQ(swings, QStringList({"M", "L", "R", "R"})) << "seen as each wait ends";
    EXPECT_EQ(
        fake().Deadlines,
        QList<double>({t0_, t0_ + 1000, t0_ + 2000 - Metronome::EventStepLeadMs, t0_ + 2000}));
}

} // namespace
