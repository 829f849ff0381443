#include "shell/real_platform.h"
#include "shell/vb_runtime.h"

#include <QCoreApplication>
#include <QSet>
#include <QTimer>

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

TEST(RealPlatformRules, ABlockingWaitHandlesNoTimerUntilItEnds) {
    RealPlatform real;
    bool fired = false;
    QTimer::singleShot(0, [&fired] { fired = true; });
    real.Sleep(20); // the one short real wait: it is what is tested
    EXPECT_FALSE(fired);
    QCoreApplication::processEvents();
    EXPECT_TRUE(fired);
}

TEST(RealPlatformRules, MissingSoundFilesAreIgnoredQuietly) {
    RealPlatform real;
    EXPECT_FALSE(real.PlaySound("/no/such/Ding.wav"));
}
