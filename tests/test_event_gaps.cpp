// The event loop keeps answering the desktop while a screen waits: the
// longest time between two events delivered to it, measured on the real
// platform under Xvfb (CTest's test_event_gaps_xvfb runs these; with the
// offscreen platform they are skipped).
#include "exercises/eye_rotations/frmDotO.h"
#include "exercises/eye_rotations/frmDotT.h"
#include "exercises/tracking/frmTrackO.h"
#include "exercises/tracking/frmTrackT.h"
#include "shell/framework/target_watch.h"
#include "shell/main_menu.h"
#include "shell/real_platform.h"
#include "tests/support/event_gap_meter.h"
#include "tests/support/kova_test.h"
#include "tools/metronome/frmMetronome.h"

#include <QGuiApplication>
#include <QScrollBar>
#include <QTimer>

void RegisterMetronome();
void RegisterTracking();
void RegisterEyeRotations();

namespace {

constexpr double LongestGapAllowedMs = 50;

class EventGapsTest : public KovaTest {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb") {
            GTEST_SKIP() << "runs under Xvfb with the xcb platform (test_event_gaps_xvfb)";
        }
        KovaTest::SetUp();
        SetPlatform(std::make_unique<RealPlatform>());
        main_ = &Forms::Get<frmMain>();
        Forms::Show(*main_);
    }
    void TearDown() override {
        if (main_ != nullptr) {
            KovaTest::TearDown();
        }
    }
    // Presses OK on a start message as soon as one is shown.
    void PressOkOn(StartMessage* message) {
        okPresser_.callOnTimeout(message, [message] {
            if (message->isVisible()) {
                message->cmdOK2->click();
            }
        });
        okPresser_.start(20);
    }
    // Lets the windows appear before anything is measured.
    static void Settle() { QTest::qWait(300); }

    frmMain* main_ = nullptr;
    QTimer okPresser_;
};

// At 15 beats per minute a pair of beats lasts 8 s; Stop is pressed 3 s in
// and, as designed, acts at the event step at the end of the pair. The run
// is one pair (about 8 s) to keep the suite short.
TEST_F(EventGapsTest, TheMetronomeAtFifteenAnswersThroughoutAndStopsAtTheEndOfThePair) {
    RegisterMetronome();
    main_->cmdMetronome_Click();
    auto& metronome = Loaded<frmMetronome>();
    metronome.HScroll1->setValue(15);
    Settle();
    bool swingingRightAfterStop = false;
    QTimer::singleShot(3000, &metronome, [&metronome] { metronome.cmdStart->click(); });
    QTimer::singleShot(6000, &metronome, [&metronome, &swingingRightAfterStop] {
        swingingRightAfterStop = Find<QWidget>(&metronome, "BallR")->isVisible();
    });
    const double start = platform().MonotonicMs();
    EventGapMeter meter;
    metronome.cmdStart->click(); // returns when the loop has ended
    const double ran = platform().MonotonicMs() - start;
    EXPECT_LT(meter.LongestGapMs(), LongestGapAllowedMs);
    EXPECT_GE(ran, 8000) << "Stop acts at the end of the pair of beats";
    EXPECT_LT(ran, 8500);
    EXPECT_TRUE(swingingRightAfterStop) << "the pair's second beat still swings after Stop";
    std::printf("metronome at 15 bpm: longest gap %.1f ms over %.1f s\n", meter.LongestGapMs(),
                ran / 1000);
}

// One page of twelve items shown for 0.1 s each, after the start message and
// the ready signal's beats.
TEST_F(EventGapsTest, ATrackingPageAnswersThroughout) {
    RegisterTracking();
    main_->cmdTNL_Click();
    auto& options = Loaded<frmTrackO>();
    options.cboSpeed->SetText("0.1");
    options.cmdStart_Click(); // Therapy
    auto& therapy = Loaded<frmTrackT>();
    Settle();
    PressOkOn(therapy.frmStartMess);
    EventGapMeter meter;
    therapy.cmdStart->click(); // returns when the page has ended
    EXPECT_LT(meter.LongestGapMs(), LongestGapAllowedMs);
    EXPECT_EQ(therapy.cmdStart->text(), "Start") << "the page ran to its end";
    std::printf("tracking page: longest gap %.1f ms\n", meter.LongestGapMs());
}

// The ready signal's beats and a few discs at 0.1 s, then Stop.
TEST_F(EventGapsTest, AnEyeRotationsRunAnswersThroughout) {
    RegisterEyeRotations();
    auto& options = Forms::Get<frmDotO>();
    Forms::Show(options);
    options.cboSpeed->SetText("0.10");
    Forms::Show(frmDotT::Name);
    auto& therapy = Loaded<frmDotT>();
    Settle();
    PressOkOn(therapy.frmStartMess);
    int discs = 0;
    QObject::connect(therapy.Timer1, &VbTimer::Timer, &therapy, [&therapy, &discs] {
        if (++discs == 10) {
            therapy.cmdStart->click(); // Stop
        }
    });
    EventGapMeter meter;
    therapy.cmdStart->click(); // returns after the ready signal
    EXPECT_TRUE(QTest::qWaitFor([&discs] { return discs >= 10; }, 5000));
    EXPECT_LT(meter.LongestGapMs(), LongestGapAllowedMs);
    EXPECT_EQ(discs, 10);
    std::printf("eye rotations: longest gap %.1f ms\n", meter.LongestGapMs());
}

} // namespace
