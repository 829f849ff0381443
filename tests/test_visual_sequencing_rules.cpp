// Visual Sequencing rules: drawing the squares, the growing length, the
// fixed length kept whole, judging a click, colours and display time.
#include "exercises/visual_sequencing/visual_sequencing_rules.h"

#include <QList>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace VisualSequencing;

namespace {

// Rnd values returned in order; counts the reseeds.
struct Script {
    explicit Script(QList<double> values) : values_(std::move(values)) {}
    Reseed reseed() {
        return [this] { ++reseeds; };
    }
    RandomSource rnd() {
        return [this] { return values_.takeFirst(); };
    }
    int reseeds = 0;

private:
    QList<double> values_;
};

} // namespace

TEST(VisualSequencingRules, ASquareDrawnTwiceInARowIsDrawnAgain) {
    Script script({0.45, 0.45, 0.12});
    const int first = DrawTarget(0, script.reseed(), script.rnd());
    const int second = DrawTarget(first, script.reseed(), script.rnd());
    EXPECT_EQ(first, 5);
    EXPECT_EQ(second, 2);
    EXPECT_EQ(script.reseeds, 3) << "a reseed before every draw";
}

TEST(VisualSequencingRules, SeededDrawsCoverTheNineSquaresAndNeverRepeatOne) {
    std::mt19937_64 generator(2024);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::set<int> seen;
    int previous = 0;
    for (int draw = 0; draw < 10000; ++draw) {
        const int target = DrawTarget(
            previous, [] {}, [&] { return uniform(generator); });
        ASSERT_GE(target, 1);
        ASSERT_LE(target, 9);
        ASSERT_NE(target, previous);
        seen.insert(target);
        previous = target;
    }
    EXPECT_EQ(seen.size(), 9u);

    Targets targets{};
    DrawAllTargets(
        targets, [] {}, [&] { return uniform(generator); });
    EXPECT_EQ(targets[0], 0);
    for (int i = 1; i <= LongestSequence; ++i) {
        EXPECT_NE(targets[std::size_t(i)], targets[std::size_t(i - 1)]) << i;
    }
}

TEST(VisualSequencingRules, IncreasingLengthGrowsAfterAnythingButAWrongClickAndStopsAt25) {
    int length = NextIncreasingLength(0, false);
    EXPECT_EQ(length, 1) << "the first sequence";
    length = NextIncreasingLength(length, false);
    EXPECT_EQ(length, 2) << "after a right answer";
    length = NextIncreasingLength(length, true);
    EXPECT_EQ(length, 2) << "after a wrong click at 2";
    // A repeat shows the sequence again without asking for a length.
    length = NextIncreasingLength(length, false);
    EXPECT_EQ(length, 3) << "after a partial answer broken off by Next Sequence";
    EXPECT_EQ(NextIncreasingLength(0, true), 1) << "never below one square";
    EXPECT_EQ(NextIncreasingLength(24, false), 25);
    EXPECT_EQ(NextIncreasingLength(25, false), 25) << "the longest sequence there is";
}

TEST(VisualSequencingRules, FixedLengthIsAWholeNumberOfSquaresFrom1To25) {
    EXPECT_EQ(FixedLength("3"), 3);
    EXPECT_EQ(FixedLength("2.5"), 2);
    EXPECT_EQ(FixedLength("25"), 25);
    EXPECT_EQ(FixedLength("26"), 25);
    EXPECT_EQ(FixedLength("0"), 1);
    EXPECT_EQ(FixedLength("abc"), 1);
}

TEST(VisualSequencingRules, AClickIsRightOnlyOnTheSquareLitAtItsPlace) {
    Targets targets{};
    targets[1] = 5;
    targets[2] = 2;
    targets[3] = 5;
    EXPECT_TRUE(IsRightClick(targets, 1, 5));
    EXPECT_FALSE(IsRightClick(targets, 1, 2));
    EXPECT_TRUE(IsRightClick(targets, 3, 5));
    EXPECT_FALSE(IsRightClick(targets, 0, 0)) << "no click before the first";
    EXPECT_FALSE(IsRightClick(targets, 26, 5)) << "beyond the longest sequence";
}

TEST(VisualSequencingRules, EachSquareHasItsColourAndTheSpeedItsMilliseconds) {
    EXPECT_EQ(LitColor(1), QColor(255, 0, 0));
    EXPECT_EQ(LitColor(2), QColor(0, 0, 255));
    EXPECT_EQ(LitColor(5), QColor(0, 255, 255));
    EXPECT_EQ(LitColor(6), QColor(0, 128, 0));
    EXPECT_EQ(LitColor(8), QColor(128, 0, 128));
    EXPECT_EQ(LitColor(9), QColor(128, 128, 0));
    EXPECT_EQ(LitMs("0.50"), 500);
    EXPECT_EQ(LitMs("0.1"), 100);
    EXPECT_EQ(LitMs("1.00"), 1000);
    EXPECT_EQ(LitMs("0.095"), 95);
    EXPECT_EQ(LitMs("7"), 1000) << "never longer than the options allow";
}
