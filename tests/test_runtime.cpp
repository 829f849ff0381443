#include "shell/controls/vb_timer.h"
#include "shell/held_events.h"
#include "shell/platform.h"
#include "shell/random_characters.h"
#include "shell/random_generator.h"
#include "shell/real_platform.h"
#include "shell/vb_runtime.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <limits>

#include <gtest/gtest.h>

TEST(Runtime, IntRoundsTowardMinusInfinity) {
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Int(-0.1), -1);
    EXPECT_EQ(Int(5.0), 5);
}

TEST(Runtime, HalvesRoundToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(203.5), 204);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
    EXPECT_EQ(RoundHalfEven(1.49), 1);
}

TEST(Runtime, IsNumericAcceptsDecimalNumbersOnly) {
    for (const char* yes : {"12", " 12 ", "30.9", ".5", "-3", "+4", "1e2", "0.10", "7."}) {
        EXPECT_TRUE(IsNumeric(yes)) << yes;
    }
    for (const char* no : {"", " ", "word", "12abc", "NoLimit", "1.2.3", "-", "."}) {
        EXPECT_FALSE(IsNumeric(no)) << no;
    }
}

TEST(Runtime, ValIsZeroForNonNumbers) {
    EXPECT_DOUBLE_EQ(Val("30.9"), 30.9);
    EXPECT_DOUBLE_EQ(Val(" 12 "), 12);
    EXPECT_DOUBLE_EQ(Val("word"), 0);
    EXPECT_DOUBLE_EQ(Val(""), 0);
}

TEST(Runtime, FormatsWithFixedDecimalsAndWholeNumbers) {
    EXPECT_EQ(Format1(2.43), "2.4");
    EXPECT_EQ(Format1(2.25), "2.3"); // halves away from zero
    EXPECT_EQ(Format1(0), "0.0");
    EXPECT_EQ(Format1(12.96), "13.0");
    EXPECT_EQ(Format2(0.5), "0.50");
    EXPECT_EQ(WholeText(3), "3");
    EXPECT_EQ(WholeText(1440), "1440");
    EXPECT_EQ(WholeText(-3), "-3");
}

TEST(Runtime, HugeNumbersAreWrittenOutAndRoundedWithoutOverflow) {
    EXPECT_EQ(WholeText(Val("99999999999999999999")), "100000000000000000000");
    EXPECT_EQ(WholeText(-1e19), "-10000000000000000000");
    EXPECT_EQ(WholeText(9007199254740993.0), "9007199254740992");
    EXPECT_EQ(RoundHalfEven(1e20), std::numeric_limits<long long>::max());
    EXPECT_EQ(RoundHalfEven(-1e20), std::numeric_limits<long long>::min());
    EXPECT_FALSE(IsNumeric("1e999")) << "beyond a double";
    EXPECT_DOUBLE_EQ(Val("-1e999"), 0);
}

TEST(Runtime, RandomCharactersCoverTheirRangeAndNoMore) {
    const struct {
        CharacterKind kind;
        QString all;
    } kinds[] = {{CharacterKind::Digit, "123456789"},
                 {CharacterKind::Capital, "ABCDEFGHIJKLMNOPQRSTUVWXY"},
                 {CharacterKind::Small, "abcdefghijklmnopqrstuvwxy"},
                 {CharacterKind::Bdpq, "bdpq"}};
    const double highest = std::nextafter(1.0, 0.0);
    for (const auto& k : kinds) {
        QString seen;
        for (int i = 0; i < 1000; ++i) {
            const QString drawn = RandomCharacter(k.kind, i / 1000.0);
            ASSERT_EQ(drawn.size(), 1);
            if (!seen.contains(drawn)) {
                seen += drawn;
            }
        }
        EXPECT_EQ(seen, k.all);
        EXPECT_EQ(RandomCharacter(k.kind, highest), k.all.right(1)) << "never one past the end";
    }
}

TEST(Runtime, CountersStopAtTheSixteenBitLimits) {
    Counter16 c = 32766;
    ++c;
    ++c;
    EXPECT_EQ(int(c), 32767);
    Counter16 low = -32768;
    --low;
    EXPECT_EQ(int(low), -32768);
    Counter16 n;
    n += 5;
    n -= 7;
    EXPECT_EQ(int(n), -2);
}

// A reseed with the same clock reading, even with no draw since the last one,
// still moves the sequence on (the test below reseeds between draws).
TEST(RandomGenerator, ReseedingTwiceWithinOneClockTickGivesDifferentDraws) {
    RandomGenerator twice(7);
    twice.Mix(123456);
    twice.Mix(123456); // no draw between the two reseeds
    RandomGenerator once(7);
    once.Mix(123456);
    EXPECT_NE(twice.Next(), once.Next());
}

TEST(RandomGenerator, TheClockReadingDecidesWhereTheSequenceGoes) {
    RandomGenerator a(7);
    RandomGenerator b(7);
    a.Mix(1);
    b.Mix(2);
    EXPECT_NE(a.Next(), b.Next());
}

TEST(RandomGenerator, ReseedingInOneTickBeforeEveryDrawNeverRepeatsARun) {
    RandomGenerator generator(1);
    QSet<QString> runs;
    for (int i = 0; i < 5000; ++i) {
        generator.Mix(42); // the clock has not moved
        QString run;
        for (int d = 0; d < 3; ++d) {
            run += QString::number(generator.Uniform(), 'g', 17) + " ";
        }
        runs.insert(run);
    }
    EXPECT_EQ(runs.size(), 5000);
}

// The real platform's own rules (the other tests replace it).
TEST(RealPlatformRules, ReseedingWithinOneClockTickNeverRepeatsTheDraws) {
    RealPlatform real;
    QSet<double> draws;
    for (int i = 0; i < 200; ++i) {
        real.Randomize();
        const double value = real.Rnd();
        EXPECT_GE(value, 0.0);
        EXPECT_LT(value, 1.0);
        draws.insert(value);
    }
    EXPECT_EQ(draws.size(), 200);
}

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// A wait keeps the window painted, but a form timer's tick or a deferred
// step that comes due during it runs only at the next event step, and a
// tick stopped before that step never runs.
TEST(RealPlatformRules, AWaitPaintsButHoldsTicksAndDeferredStepsUntilItEnds) {
    QWidget window;
    window.show();
    QCoreApplication::processEvents();
    PaintCounter counter;
    window.installEventFilter(&counter);
    QTimer::singleShot(5, &window, [&window] { window.update(); });
    int ticks[2] = {0, 0};
    VbTimer kept("Timer1", nullptr);
    VbTimer stopped("Timer2", nullptr);
    int index = 0;
    for (VbTimer* timer : {&kept, &stopped}) {
        QObject::connect(timer, &VbTimer::Timer, [&ticks, index] { ++ticks[index]; });
        timer->SetInterval(10);
        timer->SetEnabled(true);
        ++index;
    }
    bool stepRan = false;
    HeldEvents::AfterCurrentEvent(&window, [&stepRan] { stepRan = true; });

    platform().Sleep(40); // the one short real wait: it is what is tested
    EXPECT_GE(counter.paints, 1) << "painted during the wait";
    EXPECT_EQ(ticks[0] + ticks[1], 0);
    EXPECT_FALSE(stepRan);
    stopped.SetEnabled(false);
    QCoreApplication::processEvents();
    EXPECT_TRUE(stepRan);
    EXPECT_GE(ticks[0], 1);
    EXPECT_EQ(ticks[1], 0);
}

TEST(RealPlatformRules, AWaitToADeadlineEndsAtItAndAPassedOneAtOnce) {
    RealPlatform real;
    const double deadline = real.MonotonicMs() + 15;
    real.SleepUntil(deadline);
    const double woke = real.MonotonicMs();
    EXPECT_GE(woke, deadline);
    real.SleepUntil(woke - 1000);
    EXPECT_LT(real.MonotonicMs() - woke, 10);
}

TEST(RealPlatformRules, WaitingForTheUserSleepsUntilAnEventComes) {
    RealPlatform real;
    bool clicked = false;
    QTimer::singleShot(20, [&clicked] { clicked = true; });
    int waits = 0;
    while (!clicked && waits < 1000) {
        real.WaitForEvents();
        ++waits;
    }
    EXPECT_TRUE(clicked);
    EXPECT_LT(waits, 10) << "a loop that spins would come round thousands of times";
}

TEST(RealPlatformRules, AFormTimerTicksOnItsDeadlinesNeverBefore) {
    VbTimer timer("Timer1", nullptr);
    QList<double> ticks;
    QObject::connect(&timer, &VbTimer::Timer, [&ticks, &timer] {
        ticks.append(platform().MonotonicMs());
        if (ticks.size() == 3) {
            timer.SetEnabled(false);
        }
    });
    timer.SetInterval(10);
    const double start = platform().MonotonicMs();
    timer.SetEnabled(true);
    QElapsedTimer guard;
    guard.start();
    while (ticks.size() < 3 && guard.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    ASSERT_EQ(ticks.size(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_GE(ticks[k], start + 10 * (k + 1)) << "tick " << k + 1;
    }
}

// A box's window unloaded while the box waits (a timer ends the practice):
// the box goes with it, without harm, and counts as the cautious answer.
TEST(RealPlatformRules, BoxesWhoseWindowIsDeletedWhileTheyWaitGiveTheCautiousAnswer) {
    RealPlatform real;
    for (int style : {vbYesNo, vbOKCancel}) {
        auto* window = new QWidget;
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        QTimer::singleShot(0, window, [window] { delete window; });
        EXPECT_EQ(real.MsgBox("Quit?", style, "KOVA"), style == vbYesNo ? vbNo : vbCancel);
    }
    auto* window = new QWidget;
    window->show();
    QApplication::setActiveWindow(window);
    QTimer::singleShot(0, window, [window] { delete window; });
    EXPECT_EQ(real.InputBox("Name?", "KOVA", "Ann", 0, 0), QString());
}

TEST(RealPlatformRules, MissingEmptyOrDamagedSoundFilesAreNotReportedAsPlayed) {
    QTemporaryDir folder;
    const auto write = [&folder](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QString empty = write("Empty.wav", {});
    const QString text = write("Text.wav", QByteArray(100, 'x'));
    const QString cutShort = write("Short.wav", QByteArray("RIFF\x24\0\0\0WAVE", 12));
    QByteArray wave("RIFF\x24\0\0\0WAVEfmt ", 16);
    wave.append(QByteArray(64, '\0'));
    const QString sound = write("Sound.wav", wave);
    RealPlatform real;
    for (const QString& bad : {QString("/no/such/Ding.wav"), empty, text, cutShort}) {
        EXPECT_FALSE(real.PlaySound(bad)) << bad.toStdString();
        EXPECT_FALSE(real.PreloadSound(bad)) << bad.toStdString();
    }
    EXPECT_TRUE(IsPlayableWav(sound));
}

TEST(RealPlatformRules, SettingsAreKeptBetweenRunsInTheUsersSettings) {
    QTemporaryDir home; // never the real user's settings
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    {
        RealPlatform first;
        EXPECT_EQ(first.Setting("ScreenSize"), "");
        first.SetSetting("ScreenSize", "Design");
    }
    RealPlatform next;
    EXPECT_EQ(next.Setting("ScreenSize"), "Design");
    EXPECT_TRUE(QFile::exists(home.path() + "/KOVA/KOVA.conf"));
}
